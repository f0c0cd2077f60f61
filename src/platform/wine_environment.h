#pragma once

#include <map>
#include <string>

// A Windows program started in the Wine prefix finds variables that Linux does not have (ProgramFiles,
// SystemRoot, ...): Wine builds them from the prefix's hives. Registry values of type REG_EXPAND_SZ are
// written for those variables, so they are expanded with them.

// Variables by their names in lower case, as Windows finds names without regard to case.
using WindowsEnvironment = std::map<std::string, std::string>;

// The variables Wine gives a program in the prefix ($WINEPREFIX, else ~/.wine): the system folders
// from "system.reg", the Session Manager's environment, then the user's environment from "user.reg".
// What the prefix lacks takes Wine's defaults; a missing prefix gives the defaults alone.
WindowsEnvironment WinePrefixEnvironment();

// The text with each %name% that names a variable of the environment, else of the process, replaced by
// its value. Other text stays as written: a "%" that opens no known name is kept, and the next "%" may
// open one.
std::string ExpandVariables(const std::string& text, const WindowsEnvironment& environment);
