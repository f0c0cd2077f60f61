#pragma once

#include "platform/wine_registry.h"

#include <memory>
#include <string>

// The registry calls the system makes, answered from the Wine prefix's hives: HKEY_LOCAL_MACHINE is
// "system.reg", HKEY_CURRENT_USER "user.reg". A missing prefix, file, key or value reads as a missing key.

enum class RegistryRoot {
    ClassesRoot,
    CurrentUser,
    LocalMachine,
    Users,
    PerformanceData,
    CurrentConfig,
    DynData
};

// Results, with the numbers of the Windows error codes.
constexpr long RegistrySuccess = 0;
constexpr long RegistryNotFound = 2;
constexpr long RegistryAccessDenied = 5;
constexpr long RegistryMoreData = 234;

// Access rights asked for when a key is opened.
constexpr unsigned long KeyAllAccess = 0xF003F;
constexpr unsigned long KeyQueryValue = 0x0001;

// An open key: its values as they stood when it was opened.
struct RegistryKey {
    RegistryValues values;
};
using RegistryKeyHandle = std::unique_ptr<RegistryKey>;

// Opens the key below the root. Access beyond reading needs the hive file to be writable.
long RegistryOpenKey(RegistryRoot root, const std::string& keyPath, unsigned long access,
                     RegistryKeyHandle& key);

// The value's type and size in bytes; with a buffer, also its bytes (RegistryMoreData when the
// buffer's size is too small for them).
long RegistryQueryValue(const RegistryKey& key, const std::string& name, unsigned long* type, char* buffer,
                        size_t* size);

// Replaces each %name% that names a variable by its value, as a program in the Wine prefix would: the
// prefix's Windows environment first (ProgramFiles, SystemRoot, ...), then the process environment
// (names without regard to case); other text stays as written. Gives the size the result needs, its NUL
// included, and writes the result when that fits in size.
size_t ExpandEnvironmentStrings(const std::string& source, char* destination, size_t size);
