#include "platform/process.h"

#include "platform/current_folder.h"
#include "platform/executable_kind.h"
#include "platform/host_path.h"
#include "platform/letter_case.h"
#include "platform/search_path.h"
#include "platform/spawn.h"
#include "platform/wine_launcher.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A signal handler may only touch a lock-free atomic.
std::atomic<int> g_stopRequests{0};
std::atomic<int> g_lastStopSignal{0};
std::atomic<int> g_raceEndRequests{0};
// How often a wait looks at the program, the clock and the requests; signals cut a pause short.
constexpr std::chrono::milliseconds waitStep{50};
int g_noticedRequests = 0;
StopNotice g_stopNotice = nullptr;
static_assert(std::atomic<int>::is_always_lock_free);

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

size_t SkipBlanks(const std::string& text, size_t at) {
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

// One argument after the program name, from at; at is left after it.
std::string NextArgument(const std::string& text, size_t& at) {
    std::string argument;
    bool quoted = false;
    while (at < text.size() && (quoted || !IsBlank(text[at]))) {
        char c = text[at];
        if (c == '\\') {
            size_t backslashes = 0;
            while (at < text.size() && text[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < text.size() && text[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                    ++at;
                }
            } else {
                argument.append(backslashes, '\\');
            }
        } else if (c == '"') {
            if (quoted && at + 1 < text.size() && text[at + 1] == '"') {
                argument += '"';
                at += 2;
            } else {
                quoted = !quoted;
                ++at;
            }
        } else {
            argument += c;
            ++at;
        }
    }
    return argument;
}

bool IsRegularFile(const std::string& hostPath) {
    struct stat info;
    return stat(hostPath.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The entry of the current folder named name without regard to case that is a regular file, as a full
// path; an exact match wins over the others.
std::string FindInCurrentFolder(const std::string& name) {
    std::string folder = CurrentFolder();
    if (folder.empty())
        return "";
    if (IsRegularFile(folder + name))
        return folder + name;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return "";
    std::string found;
    while (dirent* entry = readdir(dir)) {
        if (SameWithoutCase(entry->d_name, name) && IsRegularFile(folder + entry->d_name)) {
            found = folder + entry->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

} // namespace

std::vector<std::string> SplitWindowsCommandLine(const std::string& commandLine) {
    std::vector<std::string> arguments;
    size_t at = SkipBlanks(commandLine, 0);
    if (at == commandLine.size())
        return arguments;
    if (commandLine[at] == '"') {
        size_t close = commandLine.find('"', at + 1);
        if (close == std::string::npos)
            close = commandLine.size();
        arguments.push_back(commandLine.substr(at + 1, close - at - 1));
        at = close + 1;
    } else {
        size_t end = at;
        while (end < commandLine.size() && !IsBlank(commandLine[end]))
            ++end;
        arguments.push_back(commandLine.substr(at, end - at));
        at = end;
    }
    for (at = SkipBlanks(commandLine, at); at < commandLine.size(); at = SkipBlanks(commandLine, at))
        arguments.push_back(NextArgument(commandLine, at));
    return arguments;
}

std::string FindProgram(const std::string& name) {
    if (name.empty())
        return "";
    if (name.find_first_of("/\\") != std::string::npos) {
        std::string host = HostPath(name);
        return IsRegularFile(host) ? host : "";
    }
    std::string found = FindInCurrentFolder(name);
    if (found.empty() && name.find('.') == std::string::npos)
        found = FindInCurrentFolder(name + ".exe");
    if (found.empty())
        found = FindOnPath(name);
    return found;
}

ProcessStart StartProgram(const std::string& commandLine, const std::string& outputFile) {
    std::vector<std::string> arguments = SplitWindowsCommandLine(commandLine);
    if (arguments.empty())
        return {std::nullopt, "the command line names no program"};
    std::string program = FindProgram(arguments[0]);
    if (program.empty())
        return {std::nullopt, arguments[0] + " was not found"};
    arguments[0] = program;
    ExecutableKind kind = ExecutableKindOf(program);
    if (kind != ExecutableKind::Linux && !IsWindowsKind(kind))
        return {std::nullopt, program + " is " + ExecutableKindText(kind)};
    std::vector<std::string> environment = CurrentEnvironment();
    std::string how;
    if (IsWindowsKind(kind)) {
        std::string wine = WineProgram();
        if (wine.empty())
            return {std::nullopt, "Wine is not installed: there is no wine on the search path"};
        std::string launcher = WineLauncherPath(kind);
        if (ExecutableKindOf(launcher) == ExecutableKind::Missing)
            return {std::nullopt, "Quorva's launcher " + launcher + " is missing"};
        // The launcher starts the simulator with the command line as it stands, in the current folder.
        arguments = {wine, launcher};
        SetVariable(environment, LauncherCommandLineVariable, commandLine);
        // A crashing simulator would otherwise wait for a click on Wine's crash dialog, on a display
        // nobody watches: without its debugger, Wine ends it.
        const char* overrides = std::getenv("WINEDLLOVERRIDES");
        SetVariable(environment, "WINEDLLOVERRIDES",
                    (overrides != nullptr && *overrides != '\0' ? std::string(overrides) + ";" : "") +
                        "winedbg.exe=d");
        how = "through wine";
        const char* display = std::getenv("DISPLAY");
        if (display == nullptr || *display == '\0') {
            std::string xvfbRun = FindOnPath("xvfb-run");
            if (xvfbRun.empty())
                return {std::nullopt, "xvfb-run was not found"};
            arguments.insert(arguments.begin(), {xvfbRun, "-a"});
            how += ", on a virtual display (xvfb-run -a)";
        }
    }
    FileCause outputCause = CauseNone;
    int output = -1;
    if (!outputFile.empty()) {
        output = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (output < 0) {
            outputCause = CauseFromErrno(errno);
            output = open("/dev/null", O_WRONLY | O_CLOEXEC);
        }
    }
    StartedProcess started;
    started.how = how;
    started.raceEndRequestsBefore = g_raceEndRequests.load();
    int error = SpawnProgram(arguments, environment, output, started.pid);
    if (output >= 0)
        close(output);
    if (error != 0)
        return {std::nullopt, arguments[0] + " could not be started: " + std::strerror(error)};
    return {started, "", outputCause};
}

RaceWatch::RaceWatch(const StartedProcess& process, const RaceLimit& limit)
    : m_pid(process.pid), m_limit(limit), m_start(SteadyClock::now()),
      m_raceEnds(process.raceEndRequestsBefore) {}

void RaceWatch::Check() {
    SteadyClock::time_point now = SteadyClock::now();
    if (m_endForGoodAt) {
        if (now >= *m_endForGoodAt) {
            kill(-m_pid, SIGKILL);
            m_endForGoodAt = SteadyClock::time_point::max();
        }
        return;
    }
    m_byLimit = m_limit.limit.count() > 0 && now - m_start >= m_limit.limit;
    m_onAbort = !m_byLimit && g_raceEndRequests.load() != m_raceEnds;
    if (m_onAbort && g_stopNotice != nullptr)
        g_stopNotice(SIGUSR1, 0, true);
    if (m_byLimit || m_onAbort) {
        kill(-m_pid, SIGTERM);
        m_endForGoodAt = now + m_limit.grace;
    }
}

void RaceWatch::Finish(ProcessEnd& end) const {
    end.endedByWatchdog = m_byLimit;
    end.endedOnAbort = m_onAbort;
    // The group outlives its leader while a member is left, so its id is still none but its own.
    if (m_endForGoodAt)
        kill(-m_pid, SIGKILL);
}

ProcessEnd WaitForProgram(const StartedProcess& process, const RaceLimit& limit) {
    if (process.pid <= 0)
        return {-1, 0};
    RaceWatch watch(process, limit);
    bool stopSent = false;
    int status = 0;
    while (true) {
        NoticeStopRequests(true);
        // Checked before every wait as well, so stops requested before it began are not missed.
        if (!stopSent && StopRequests() >= 2) {
            kill(-process.pid, SIGTERM);
            stopSent = true;
        }
        pid_t ended = waitpid(process.pid, &status, WNOHANG);
        if (ended == process.pid)
            break;
        if (ended == -1 && errno != EINTR)
            return {-1, 0};
        watch.Check();
        timespec pause{0, std::chrono::nanoseconds(waitStep).count()};
        nanosleep(&pause, nullptr);
    }
    ProcessEnd end;
    end.endedOnRequest = stopSent;
    if (WIFSIGNALED(status))
        end.signal = WTERMSIG(status);
    else
        end.exitStatus = WEXITSTATUS(status);
    watch.Finish(end);
    return end;
}

std::optional<ProcessEnd> PollProgram(const StartedProcess& process) {
    if (process.pid <= 0)
        return ProcessEnd{-1, 0};
    int status = 0;
    pid_t ended = waitpid(process.pid, &status, WNOHANG);
    if (ended == 0 || (ended == -1 && errno == EINTR))
        return std::nullopt;
    if (ended != process.pid)
        return ProcessEnd{-1, 0};
    if (WIFSIGNALED(status))
        return ProcessEnd{0, WTERMSIG(status)};
    return ProcessEnd{WEXITSTATUS(status), 0};
}

void RequestRaceEnd() {
    g_raceEndRequests.fetch_add(1);
}

void RequestStop(int signal) {
    g_lastStopSignal.store(signal);
    g_stopRequests.fetch_add(1);
}

int StopRequests() {
    return g_stopRequests.load();
}

int LastStopSignal() {
    return g_lastStopSignal.load();
}

void ClearStopRequests() {
    g_stopRequests.store(0);
    g_lastStopSignal.store(0);
    g_noticedRequests = 0;
}

void SetStopNotice(StopNotice notice) {
    g_stopNotice = notice;
}

void NoticeStopRequests(bool duringRace) {
    for (int requests = StopRequests(); g_noticedRequests < requests;) {
        ++g_noticedRequests;
        if (g_stopNotice != nullptr)
            g_stopNotice(LastStopSignal(), g_noticedRequests, duringRace);
    }
}
