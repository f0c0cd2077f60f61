#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// Running a helper program to hear what it says (Wine's version, whether Wine can run a Windows program
// of ours), where a program that hangs must not hang Quorva.

struct ProgramOutput {
    // False when the program could not be started; failure says why.
    bool started = false;
    std::string failure;
    int exitStatus = -1; // when it exited
    int signal = 0;      // the signal that ended it, when one did
    // It was still running when the time limit was over, and its process group was killed.
    bool timedOut = false;
    // What it wrote to its standard output and error, in the order written; only the last
    // outputLimit bytes of a program that writes more.
    std::string output;
};

inline constexpr std::size_t outputLimit = 64 * 1024;

// Runs arguments[0] (a path) with the rest as its arguments, in a process group of its own, reading from
// /dev/null, with this program's environment less the variables named in unsetVariables. Returns once
// it has exited, or once the time limit is over, when its whole process group is killed. Whatever it
// left running that still holds its output open (a Wine server) is not waited for.
ProgramOutput RunProgramForOutput(const std::vector<std::string>& arguments, std::chrono::milliseconds limit,
                                  const std::vector<std::string>& unsetVariables = {});
