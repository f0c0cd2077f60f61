#include "startup/console_run.h"

#include "platform/process.h"
#include "platform/service_notify.h"
#include "schedule/schedule_runner.h"
#include "schedule/system_launcher.h"
#include "schedule/tick_loop.h"
#include "startup/console_view.h"

#include <csignal>
#include <cstring>
#include <memory>

namespace {

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
        return RunStatusError;
    return tally.failedLaunches > 0 && tally.races + tally.cutShort == 0 ? RunStatusNoRace : 0;
}

} // namespace

void CatchRunSignals() {
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

int RunScheduleOnConsole(const RunSession::ObserverFactory& makeObserver) {
    auto loop = std::make_shared<TickLoop>();
    signalledLoop = loop.get();
    SystemClock clock;
    ConsoleView view(stdout, clock);
    signalView = &view;
    SetStopNotice(LogStopSignal);
    SystemLauncher launcher;
    std::unique_ptr<RunSession> session =
        RunSession::Open({clock, launcher, view, [&] { return std::make_unique<CCountdownTimer>(loop); },
                          [&] { loop->Wake(); }, makeObserver});
    int status = session ? RunOpened(*session, *loop, view) : RunStatusAlreadyRunning;
    SetStopNotice(nullptr);
    signalView = nullptr;
    signalledLoop = nullptr;
    return status;
}
