#include "platform/program_output.h"

#include "platform/spawn.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// How often a program whose output is closed, or quiet, is asked whether it has exited.
constexpr std::chrono::milliseconds exitPollStep(20);

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
    std::vector<std::string> environment = CurrentEnvironment();
    for (const std::string& name : unsetVariables)
        std::erase_if(environment, [&](const std::string& entry) { return entry.starts_with(name + "="); });
    int error = SpawnProgram(arguments, environment, pipeEnds[1], pid);
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
