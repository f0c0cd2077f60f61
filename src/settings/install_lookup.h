#pragma once

#include <string>

// Where each simulator's installer registers the folder it installed into.
inline constexpr const char* InstallItemN3 =
    "LocalMachine\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Racing 3.exe\\";
inline constexpr const char* InstallItemNL =
    "LocalMachine\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Legends.exe\\";

// The items by simulator value.
inline constexpr const char* InstallItems[] = {InstallItemN3, InstallItemNL};

// The installation folder that the registry item's "Path" value holds, as it holds it; "Path not found"
// when there is no such value.
std::string LookupInstallPath(const std::string& itemName);
