#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

// Starting a program of this machine the way Quorva starts every program: in a process group of its own
// (so that a Ctrl-C at the terminal reaches Quorva and not the program, and ending the group ends
// whatever the program started), with no signals blocked and the signals Quorva handles at their
// defaults, reading from /dev/null. A guard process of Quorva's stands between: it leads the group and
// ends as the program ends (its exit status, or its signal), and when Quorva dies first it ends the
// whole group, so that no program of a dead Quorva runs on. It shares Quorva's run lock (run_lock.h)
// while it lives, so no other runner starts before the group has ended.

// This program's environment, one "name=value" an entry.
std::vector<std::string> CurrentEnvironment();

// Sets name=value in an environment list, replacing any entry of that name.
void SetVariable(std::vector<std::string>& environment, const std::string& name, const std::string& value);

// Starts arguments[0] (a path) with the rest as its arguments and the environment given, its standard
// output and error going to the open descriptor output (-1: to Quorva's own); pid is the guard's, whose
// end is the program's. Gives 0, or the errno value of the failure when it could not start (a failed
// exec included).
int SpawnProgram(std::vector<std::string> arguments, std::vector<std::string> environment, int output,
                 pid_t& pid);
