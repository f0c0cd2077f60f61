#pragma once

#include <map>
#include <string>

// Wine keeps each registry hive in a text file of its prefix ("system.reg", "user.reg"):
//
//   WINE REGISTRY Version 2
//   [Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Legends.exe] 1700000000
//   @="C:\\Sims\\NL\\Nascar Legends.exe"
//   "Path"="C:\\Sims\\NL"
//
// This reads such a file the way the registry answers a program that uses the narrow (ANSI) calls.

// The value kinds a program sees.
constexpr unsigned long RegSz = 1;
constexpr unsigned long RegExpandSz = 2;
constexpr unsigned long RegBinary = 3;
constexpr unsigned long RegDword = 4;
constexpr unsigned long RegMultiSz = 7;

struct RegistryValue {
    unsigned long type = RegSz;
    // The bytes a read returns: texts in UTF-8 with their terminating NUL, numbers little-endian.
    std::string data;
};

// A key's values by their names in lower case; the default value ("@") has the empty name.
using RegistryValues = std::map<std::string, RegistryValue>;

// Every key that the file lists, by its path in lower case with single backslashes between the names
// ("software\\microsoft\\windows").
using RegistryHive = std::map<std::string, RegistryValues>;

// Reads the text of a Wine registry file. A file that does not begin with Wine's header gives an empty
// hive, as Wine itself refuses it; lines it cannot make out (a cut-off key, a broken value) are passed
// over, and values after a cut-off key belong to no key.
RegistryHive ReadWineRegistry(const std::string& text);
