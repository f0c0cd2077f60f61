// quorva-run: runs the stored schedule without windows, for race servers without a display. It starts
// up as the windowed program does and runs the schedule as its running dialog would, writing what the
// dialog shows to standard output and its messages to standard error, each line with a time stamp.
// SIGINT (Ctrl-C), SIGTERM, SIGHUP or SIGQUIT during a countdown stops the schedule as "Stop" does;
// during a race the stop waits for the simulator to end, and a second one ends the simulator first.
// SIGUSR1 ends the race in progress, and the schedule goes on. A closed output does not end it. "quorva-run
// --check" only checks the installation.

#include "platform/process.h"
#include "platform/service_notify.h"
#include "publish/results_publisher.h"
#include "schedule/schedule_runner.h"
#include "schedule/system_launcher.h"
#include "schedule/tick_loop.h"
#include "settings/settings_file.h"
#include "startup/console_view.h"
#include "startup/installation_check.h"
#include "startup/run_session.h"
#include "startup/startup.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

// Exit statuses besides 0 (the run ended as the settings or the operator asked).
constexpr int statusError = 1;
constexpr int statusUsage = 2;
constexpr int statusNoRace = 3;
constexpr int statusAlreadyRunning = 4;

constexpr int stopSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

TickLoop* signalledLoop = nullptr;
ConsoleView* signalView = nullptr;

extern "C" void OnRaceEndSignal(int) {
    RequestRaceEnd();
}

extern "C" void OnStopSignal(int signal) {
    RequestStop(signal);
    if (signalledLoop != nullptr)
        signalledLoop->Wake();
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait for a simulator must see the signal.
    action.sa_flags = 0;
    for (int signal : stopSignals)
        sigaction(signal, &action, nullptr);
    action.sa_handler = OnRaceEndSignal;
    sigaction(SIGUSR1, &action, nullptr);
    // A closed output (a log reader that went away) must not end a schedule.
    std::signal(SIGPIPE, SIG_IGN);
}

std::string SignalName(int signal) {
    const char* name = sigabbrev_np(signal);
    return name != nullptr ? std::string("SIG") + name : "signal " + std::to_string(signal);
}

void LogStopSignal(int signal, int requests, bool duringRace) {
    if (signalView == nullptr)
        return;
    std::string name = SignalName(signal);
    if (signal == SIGUSR1)
        signalView->Line(name + " received: the race in progress is ended; the schedule goes on.");
    else if (!duringRace)
        signalView->Line(name + " received: the schedule stops.");
    else if (requests == 1)
        signalView->Line(name + " received: the schedule stops when this race is over; send it again to "
                                "end the race now.");
    else
        signalView->Line(name + " received again: the race is ended now.");
}

std::string Count(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// "3 races run, 1 launch that did not race, 0 races ended by the time limit or SIGUSR1".
std::string TallyText(const ScheduleRunner::Tally& tally) {
    return Count(tally.races, "race run", "races run") + ", " +
           Count(tally.failedLaunches, "launch that did not race", "launches that did not race") + ", " +
           Count(tally.cutShort, "race ended by the time limit or SIGUSR1",
                 "races ended by the time limit or SIGUSR1");
}

std::string EndText(const ScheduleRunner& runner) {
    switch (runner.EndReason()) {
    case RunEnd::ScheduleOver:
        return "Schedule ended: the schedule reached its end.";
    case RunEnd::Stopped:
        return "Schedule ended: stopped by " + SignalName(LastStopSignal()) + ".";
    case RunEnd::Error:
        return "Schedule ended on an error: " + runner.ErrorText() + ".";
    case RunEnd::Running:
        break;
    }
    return "Schedule ended.";
}

// Runs the opened session on this thread until the run ends; the exit status.
int RunOpened(RunSession& session, TickLoop& loop, ConsoleView& view) {
    NotifyService("READY=1");
    session.Start();
    ScheduleRunner& runner = session.Runner();
    loop.Run([&] { session.Tick(); },
             [&] {
                 // A stop signal, or commands posted to the run.
                 NoticeStopRequests(false);
                 if (StopRequests() > 0)
                     runner.OnOK();
                 session.RunPosted();
             },
             [&] { return runner.Ended(); });
    NoticeStopRequests(false);
    NotifyService("STOPPING=1");
    view.Line(EndText(runner) + " " + TallyText(runner.Launches()) + ".");
    const ScheduleRunner::Tally& tally = runner.Launches();
    if (runner.EndedOnError())
        return statusError;
    return tally.failedLaunches > 0 && tally.races + tally.cutShort == 0 ? statusNoRace : 0;
}

int RunSchedule() {
    auto loop = std::make_shared<TickLoop>();
    signalledLoop = loop.get();
    SystemClock clock;
    ConsoleView view(stdout, clock);
    signalView = &view;
    SetStopNotice(LogStopSignal);
    SystemLauncher launcher;
    std::unique_ptr<RunSession> session =
        RunSession::Open({clock, launcher, view, [&] { return std::make_unique<CCountdownTimer>(loop); },
                          [&] { loop->Wake(); }, PublisherFromSettings});
    int status = session ? RunOpened(*session, *loop, view) : statusAlreadyRunning;
    SetStopNotice(nullptr);
    signalView = nullptr;
    signalledLoop = nullptr;
    return status;
}

// Checks the installation as start-up finds it, runs no schedule, and prints the report; 0 when a
// schedule can run.
int CheckOnly() {
    bool started = StartUp();
    InstallationReport report = CheckInstallation(std::time(nullptr));
    std::fputs(FormatReport(report).c_str(), stdout);
    std::printf("%s\n", VerdictText(report).c_str());
    ShutDown();
    return started && report.Ready() ? 0 : statusError;
}

void PrintUsage(std::FILE* to) {
    std::fprintf(
        to,
        "usage: quorva-run          runs the schedule stored in %s\n"
        "       quorva-run --check  checks the simulators, Wine and the schedule, and runs nothing\n"
        "       quorva-run --help   prints this\n"
        "While it runs, SIGINT, SIGTERM, SIGHUP or SIGQUIT stops the schedule after the race in "
        "progress\n"
        "(a second one ends the race now), and SIGUSR1 ends the race in progress while the schedule goes "
        "on.\n",
        SettingsFilePath().c_str());
}

bool AsksForHelp(const char* argument) {
    return std::strcmp(argument, "--help") == 0 || std::strcmp(argument, "-h") == 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--check") == 0)
        return CheckOnly();
    if (argc == 2 && AsksForHelp(argv[1])) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc > 1) {
        PrintUsage(stderr);
        return statusUsage;
    }
    CatchStopSignals();
    int status = StartUp() ? RunSchedule() : statusError;
    ShutDown();
    return status;
}
