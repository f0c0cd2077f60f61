#pragma once

#include <string>

// The full path of the running program file, read from /proc/self/exe once, at the first call.
std::string ProgramFilePath();

// Makes ProgramFilePath() answer path instead, so tests keep the program's files in a folder of their
// own; an empty path restores the real answer.
void OverrideProgramFilePath(const std::string& path);
