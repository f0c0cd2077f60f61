// quorva-run: runs the stored schedule without windows, for race servers without a display. It starts
// up as the windowed program does and runs the schedule as its running dialog would, writing what the
// dialog shows to standard output and its messages to standard error. Ctrl-C (SIGINT) or SIGTERM
// during a countdown stops the schedule as "Stop" does; during a race the stop waits for the simulator
// to end, and a second one ends the simulator first. "quorva-run --check" only checks the installation.

#include "app/installation_check.h"
#include "app/quorva_run/console_view.h"
#include "app/startup.h"
#include "platform/process.h"
#include "schedule/results_publisher.h"
#include "schedule/schedule_runner.h"
#include "schedule/system_launcher.h"
#include "schedule/tick_loop.h"
#include "settings/settings_file.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

TickLoop* signalledLoop = nullptr;

extern "C" void OnStopSignal(int) {
    RequestStop();
    if (signalledLoop != nullptr)
        signalledLoop->WakeForStop();
}

void CatchStopSignals() {
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: the wait for a simulator must see the signal.
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

int RunSchedule() {
    auto loop = std::make_shared<TickLoop>();
    signalledLoop = loop.get();
    ConsoleView view(stdout);
    SystemClock clock;
    SystemLauncher launcher;
    ScheduleRunner runner(clock, launcher, view, [&] { return std::make_unique<CCountdownTimer>(loop); });
    std::unique_ptr<ResultsPublisher> publisher = PublisherFromSettings();
    runner.SetObserver(publisher.get());
    runner.OnInitDialog();
    loop->Run([&] { runner.OnCountdownTick(); }, [&] { runner.OnOK(); }, [&] { return runner.Ended(); });
    signalledLoop = nullptr;
    return runner.EndedOnError() ? 1 : 0;
}

// Checks the installation as start-up finds it, runs no schedule, and prints the report; 0 when a
// schedule can run.
int CheckOnly() {
    bool started = StartUp();
    InstallationReport report = CheckInstallation(std::time(nullptr));
    std::fputs(FormatReport(report).c_str(), stdout);
    std::printf("%s\n", VerdictText(report).c_str());
    ShutDown();
    return started && report.Ready() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--check") == 0)
        return CheckOnly();
    if (argc > 1) {
        std::fprintf(
            stderr,
            "usage: quorva-run          runs the schedule stored in %s\n"
            "       quorva-run --check  checks the simulators, Wine and the schedule, and runs nothing\n",
            SettingsFilePath().c_str());
        return 2;
    }
    CatchStopSignals();
    int status = StartUp() ? RunSchedule() : 1;
    ShutDown();
    return status;
}
