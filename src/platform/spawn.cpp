#include "platform/spawn.h"

#include "platform/run_lock.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// How long the processes of a program whose starter died get to end after SIGTERM before SIGKILL.
constexpr long graceSeconds = 5;

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Everything below runs in forked children of a program that may have other threads, so it calls
// only what is safe there: system calls, no allocation.

void WriteError(int pipeEnd, int error) {
    while (write(pipeEnd, &error, sizeof error) < 0 && errno == EINTR) {
    }
}

[[noreturn]] void ExecProgram(char** argv, char** envp, int output, int errorPipe) {
    int in = open("/dev/null", O_RDONLY);
    if (in < 0 || dup2(in, STDIN_FILENO) < 0) {
        WriteError(errorPipe, errno);
        _exit(127);
    }
    if (output >= 0 && (dup2(output, STDOUT_FILENO) < 0 || dup2(output, STDERR_FILENO) < 0)) {
        WriteError(errorPipe, errno);
        _exit(127);
    }
    // Whatever Quorva does with these signals, the program gets them at their defaults.
    for (int signal : {SIGINT, SIGTERM, SIGPIPE, SIGHUP, SIGQUIT, SIGUSR1})
        std::signal(signal, SIG_DFL);
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execve(argv[0], argv, envp);
    WriteError(errorPipe, errno);
    _exit(127);
}

// Ends the way the program ended: its exit status, or its signal (without a core of the guard's own).
[[noreturn]] void EndLike(int status) {
    if (WIFEXITED(status))
        _exit(WEXITSTATUS(status));
    int signal = WTERMSIG(status);
    rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    kill(getpid(), signal);
    sigprocmask(SIG_UNBLOCK, &only, nullptr);
    _exit(128 + signal);
}

// The starter died: the program's whole group gets SIGTERM, then SIGKILL after the grace time (which
// ends the guard too).
[[noreturn]] void EndGroup(pid_t program, const sigset_t& childEnded) {
    kill(-getpgrp(), SIGTERM);
    timespec grace{graceSeconds, 0};
    siginfo_t info;
    while (waitpid(program, nullptr, WNOHANG) == 0 && sigtimedwait(&childEnded, &info, &grace) > 0) {
    }
    kill(-getpgrp(), SIGKILL);
    _exit(128 + SIGKILL);
}

// The guard: the process Quorva waits for. It leads the program's process group, starts the program,
// and ends as it ends; when Quorva dies first (the kernel tells it with SIGHUP), it ends the program and
// everything the program started in its group, so nothing of a race outlives the runner.
[[noreturn]] void Guard(pid_t starter, char** argv, char** envp, int output, int errorPipe) {
    setpgid(0, 0);
    sigset_t all;
    sigfillset(&all);
    sigprocmask(SIG_SETMASK, &all, nullptr);
    prctl(PR_SET_PDEATHSIG, SIGHUP);
    if (getppid() != starter)
        _exit(127);
    // While the program runs, another runner of Quorva's folder would start races beside it.
    RunLock::ShareWithChild();
    pid_t program = fork();
    if (program == 0)
        ExecProgram(argv, envp, output, errorPipe);
    if (program < 0) {
        WriteError(errorPipe, errno);
        _exit(127);
    }
    close(errorPipe);
    sigset_t awaited;
    sigemptyset(&awaited);
    sigaddset(&awaited, SIGCHLD);
    sigaddset(&awaited, SIGHUP);
    sigset_t childEnded;
    sigemptyset(&childEnded);
    sigaddset(&childEnded, SIGCHLD);
    for (;;) {
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program)
            EndLike(status);
        siginfo_t info;
        if (sigwaitinfo(&awaited, &info) == SIGHUP && getppid() != starter)
            EndGroup(program, childEnded);
    }
}

} // namespace

std::vector<std::string> CurrentEnvironment() {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry)
        environment.emplace_back(*entry);
    return environment;
}

void SetVariable(std::vector<std::string>& environment, const std::string& name, const std::string& value) {
    std::erase_if(environment, [&](const std::string& entry) { return entry.starts_with(name + "="); });
    environment.push_back(name + "=" + value);
}

int SpawnProgram(std::vector<std::string> arguments, std::vector<std::string> environment, int output,
                 pid_t& pid) {
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    int errorPipe[2];
    if (pipe2(errorPipe, O_CLOEXEC) != 0)
        return errno;
    pid_t starter = getpid();
    pid = fork();
    if (pid == 0)
        Guard(starter, argv.data(), envp.data(), output, errorPipe[1]);
    int error = pid < 0 ? errno : 0;
    close(errorPipe[1]);
    if (pid > 0) {
        // Nothing comes through the pipe once the program runs: exec closed the program's end.
        int reported = 0;
        ssize_t got;
        while ((got = read(errorPipe[0], &reported, sizeof reported)) < 0 && errno == EINTR) {
        }
        if (got == sizeof reported) {
            error = reported;
            waitpid(pid, nullptr, 0);
        }
    }
    close(errorPipe[0]);
    return error;
}
