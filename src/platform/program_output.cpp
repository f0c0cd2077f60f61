#include "platform/program_output.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// How often a program whose output is closed, or quiet, is asked whether it has exited.
constexpr std::chrono::milliseconds exitPollStep(20);

std::vector<std::string> EnvironmentWithout(const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string variable = *entry;
        bool unset = std::any_of(names.begin(), names.end(),
                                 [&](const std::string& name) { return variable.starts_with(name + "="); });
        if (!unset)
            kept.push_back(variable);
    }
    return kept;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Starts the program with its standard output and error on the pipe's write end; gives 0 or an errno.
int Spawn(std::vector<std::string> arguments, std::vector<std::string> environment, int writeEnd,
          pid_t& pid) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int signal : {SIGINT, SIGTERM, SIGPIPE})
        sigaddset(&defaults, signal);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    int error = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return error;
}

void Append(std::string& output, const char* bytes, size_t count) {
    output.append(bytes, count);
    if (output.size() > outputLimit)
        output.erase(0, output.size() - outputLimit);
}

// Reads what the pipe holds after waiting up to timeout for it; false at its end (every writer gone).
bool ReadAvailable(int readEnd, int timeoutMs, std::string& output) {
    pollfd wanted{readEnd, POLLIN, 0};
    int ready = poll(&wanted, 1, timeoutMs);
    if (ready <= 0)
        return true;
    char buffer[4096];
    ssize_t got = read(readEnd, buffer, sizeof buffer);
    if (got < 0)
        return errno == EINTR || errno == EAGAIN;
    if (got == 0)
        return false;
    Append(output, buffer, static_cast<size_t>(got));
    return true;
}

bool Readable(int readEnd) {
    pollfd pending{readEnd, POLLIN, 0};
    return poll(&pending, 1, 0) > 0;
}

void TakeStatus(int status, ProgramOutput& result) {
    if (WIFEXITED(status))
        result.exitStatus = WEXITSTATUS(status);
    else if (WIFSIGNALED(status))
        result.signal = WTERMSIG(status);
}

} // namespace

ProgramOutput RunProgramForOutput(const std::vector<std::string>& arguments, std::chrono::milliseconds limit,
                                  const std::vector<std::string>& unsetVariables) {
    ProgramOutput result;
    if (arguments.empty()) {
        result.failure = "no program was named";
        return result;
    }
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        result.failure = std::strerror(errno);
        return result;
    }
    pid_t pid = -1;
    int error = Spawn(arguments, EnvironmentWithout(unsetVariables), pipeEnds[1], pid);
    close(pipeEnds[1]);
    if (error != 0) {
        close(pipeEnds[0]);
        result.failure = std::strerror(error);
        return result;
    }
    result.started = true;
    fcntl(pipeEnds[0], F_SETFL, O_NONBLOCK);

    Clock::time_point deadline = Clock::now() + limit;
    bool open = true;
    for (;;) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            TakeStatus(status, result);
            // What it wrote before it exited is in the pipe already; anything still writing is not waited
            // for.
            while (open && Readable(pipeEnds[0]) && Clock::now() < deadline)
                open = ReadAvailable(pipeEnds[0], 0, result.output);
            break;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result.timedOut = true;
            kill(-pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            TakeStatus(status, result);
            break;
        }
        int step = static_cast<int>(std::min(left, exitPollStep).count());
        if (open)
            open = ReadAvailable(pipeEnds[0], step, result.output);
        else
            poll(nullptr, 0, step);
    }
    close(pipeEnds[0]);
    return result;
}
