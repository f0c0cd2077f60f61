// quorva-run: runs the stored schedule without windows, for race servers without a display. It starts
// up as the windowed program does and runs the schedule as its running dialog would, writing what the
// dialog shows to standard output and its messages to standard error, each line with a time stamp.
// SIGINT (Ctrl-C), SIGTERM, SIGHUP or SIGQUIT during a countdown stops the schedule as "Stop" does;
// during a race the stop waits for the simulator to end, and a second one ends the simulator first.
// SIGUSR1 ends the race in progress, and the schedule goes on. A closed output does not end it. "quorva-run
// --check" only checks the installation.

#include "publish/results_publisher.h"
#include "settings/settings_file.h"
#include "startup/console_run.h"
#include "startup/installation_check.h"
#include "startup/startup.h"

#include <cstdio>
#include <cstring>
#include <ctime>

namespace {

constexpr int statusUsage = 2;

// Checks the installation as start-up finds it, runs no schedule, and prints the report; 0 when a
// schedule can run.
int CheckOnly() {
    bool started = StartUp();
    InstallationReport report = CheckInstallation(std::time(nullptr));
    std::fputs(FormatReport(report).c_str(), stdout);
    std::printf("%s\n", VerdictText(report).c_str());
    ShutDown();
    return started && report.Ready() ? 0 : RunStatusError;
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
    CatchRunSignals();
    int status = StartUp() ? RunScheduleOnConsole(PublisherFromSettings) : RunStatusError;
    ShutDown();
    return status;
}
