#pragma once

#include <string>

// Makes the folder (a Windows or POSIX path, through host paths) the current folder, as simulators
// expect to be started in their own folder. False when it is not a folder that can be entered.
bool SetCurrentFolder(const std::string& path);

// The current folder's host path, ending in a slash.
std::string CurrentFolder();
