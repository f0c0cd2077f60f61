#pragma once

#include "platform/executable_kind.h"

#include <string>

// Windows programs are started through Wine by a small launcher of ours that sits in the program folder,
// one for each width ("quorva-launch32.exe", "quorva-launch64.exe"): it runs in the simulator's folder and
// starts the simulator with the command line, verbatim, that it finds in this variable. Started without
// it, the launcher prints a line and exits 0, which tells whether Wine can run programs of its width.
inline constexpr const char* LauncherCommandLineVariable = "QUORVA_COMMAND_LINE";

// The host path of the launcher for a Windows program of this kind (the 32-bit one for every kind but
// Windows64).
std::string WineLauncherPath(ExecutableKind kind);

// The wine program on the search path; empty when Wine is not installed.
std::string WineProgram();
