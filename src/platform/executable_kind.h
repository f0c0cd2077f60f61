#pragma once

#include <string>

// What kind of program a file is, told from its first bytes, so that a simulator is started the way it
// can run (a Windows program through Wine, of its own width) and the operator is told what was found.
enum class ExecutableKind {
    Missing,      // no such file, or not a regular file
    Unreadable,   // there, but it cannot be read
    NotAProgram,  // neither a Windows nor a Linux program (a text file, an empty file)
    Windows32,    // a 32-bit Windows program (PE, i386)
    Windows64,    // a 64-bit Windows program (PE32+, x86-64)
    WindowsOther, // "MZ" without a PE header Wine can run here (DOS, 16-bit, another processor)
    Linux         // an ELF program or a script with "#!"
};

ExecutableKind ExecutableKindOf(const std::string& hostPath);

// True for the kinds that run through Wine.
bool IsWindowsKind(ExecutableKind kind);

// "a 32-bit Windows program", for reports.
std::string ExecutableKindText(ExecutableKind kind);
