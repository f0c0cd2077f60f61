#pragma once

#include "platform/file_cause.h"

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// Quorva starts a simulator from a Windows command line, in the simulator's folder (the current folder),
// and waits until it has exited. The simulators are Windows programs, so they run under Wine.

// The arguments of a Windows command line, as a Windows program's startup code splits them. The program
// name runs to the next double quote when it begins with one (no backslash processing), else to the
// first blank or tab. The other arguments are separated by blanks and tabs; a double quote toggles
// quoting, "" inside quotes is one literal quote, and backslashes are literal except before a quote,
// where each pair gives one backslash and an odd one makes the quote literal.
std::vector<std::string> SplitWindowsCommandLine(const std::string& commandLine);

// The host path of the program file that Windows would start for name: a name with a slash or a
// backslash is a path (host_path.h); any other is looked for in the current folder without regard to
// case, also with ".exe" when it has no extension, then in each folder of $PATH. Only regular files
// count. Empty when nothing is found.
std::string FindProgram(const std::string& name);

struct StartedProcess {
    pid_t pid = -1;
    // How it was started: "" when directly, else e.g. "through wine".
    std::string how;
    // The race end requests made before it started: each one after ends it, even before its wait.
    int raceEndRequestsBefore = 0;
};

struct ProcessStart {
    std::optional<StartedProcess> process;
    // Why it could not start, in plain words, when process is empty.
    std::string failure;
    // Why the output file could not be opened, when it could not; the program then runs without it.
    FileCause outputCause = CauseNone;
};

// Starts the program of the command line in the current folder, with this program's environment, in a
// process group of its own so that a Ctrl-C at the terminal reaches Quorva and not the simulator. A Linux
// program gets the rest of the line as its arguments. A Windows program is started through wine by
// Quorva's launcher of its width (platform/wine_launcher.h), so that it reads the command line exactly as
// given, and through "xvfb-run -a" as well when there is no $DISPLAY (Wine needs a display); Wine's
// crash debugger is turned off for it, so a crash ends it instead of waiting for a click. A file that
// is neither is refused. With an output file (a host path), the program's standard output and error go
// there, and not to Quorva's own; when that file cannot be opened, they go nowhere: a program is never
// kept from its start for the sake of its log.
ProcessStart StartProgram(const std::string& commandLine, const std::string& outputFile = "");

struct ProcessEnd {
    int exitStatus = 0;
    // The signal that ended it; 0 when it exited.
    int signal = 0;
    // True when it was ended because the operator asked twice to stop.
    bool endedOnRequest = false;
    // True when it was ended because it ran past its time limit.
    bool endedByWatchdog = false;
    // True when it was ended because the operator asked to end the race (RequestRaceEnd).
    bool endedOnAbort = false;
};

// How long a race may run before its simulator is ended: first gently (SIGTERM to its process group,
// which Wine passes on to the Windows program as its end), then, after the grace time, for good (SIGKILL
// to the whole group, whatever Wine started for it included).
struct RaceLimit {
    std::chrono::seconds limit{0}; // 0: no limit
    std::chrono::seconds grace{30};
};

// Watches a started process against its race limit and the operator's race end requests, and ends its
// group as RaceLimit says when either comes; for each wait of a race.
class RaceWatch {
public:
    RaceWatch(const StartedProcess& process, const RaceLimit& limit);
    // Ends the process's group when due; called while waiting.
    void Check();
    // After the process has ended: marks how it was ended and, when the watch ended it, ends what of its
    // group is left (children that ignored the gentle end).
    void Finish(ProcessEnd& end) const;

private:
    using SteadyClock = std::chrono::steady_clock;
    pid_t m_pid;
    RaceLimit m_limit;
    SteadyClock::time_point m_start;
    int m_raceEnds;
    bool m_byLimit = false;
    bool m_onAbort = false;
    std::optional<SteadyClock::time_point> m_endForGoodAt;
};

// Waits until the process has ended, whatever its exit status. Once two stops have been requested it
// asks the process's group to end (SIGTERM, once) and waits on. Past the race limit, or once a race end
// has been requested during the wait, it ends the group as RaceLimit says. A process that is not a child
// of this one, or already waited for, gives exit status -1.
ProcessEnd WaitForProgram(const StartedProcess& process, const RaceLimit& limit = {});

// How the process ended, or nothing while it still runs; for a waiter that keeps its windows painted.
std::optional<ProcessEnd> PollProgram(const StartedProcess& process);

// The operator's requests to stop (Ctrl-C or a stop signal), counted with their signal by the console
// runner's signal handlers; WaitForProgram ends the running simulator once there are two.
void RequestStop(int signal); // async-signal-safe
int StopRequests();           // async-signal-safe
// The signal of the latest request; 0 before any.
int LastStopSignal();
void ClearStopRequests();

// The operator's requests to end the race in progress (SIGUSR1) while the schedule goes on; only those
// that come during WaitForProgram count.
void RequestRaceEnd(); // async-signal-safe

// Told on the waiting thread of each stop request not told yet, with the signal and how many requests
// there are now, so that the console runner can log it at once, during a race too. A race end request
// is told when it takes effect, as SIGUSR1 with 0 requests. WaitForProgram tells
// it (duringRace true); NoticeStopRequests tells it from anywhere else.
using StopNotice = void (*)(int signal, int requests, bool duringRace);
void SetStopNotice(StopNotice notice);
void NoticeStopRequests(bool duringRace);
