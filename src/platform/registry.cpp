#include "platform/registry.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/letter_case.h"
#include "platform/wine_environment.h"

#include <cstring>

namespace {

std::string HiveFile(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::LocalMachine:
        return WinePrefix() + "/system.reg";
    case RegistryRoot::CurrentUser:
        return WinePrefix() + "/user.reg";
    default:
        return "";
    }
}

bool ContainsKey(const RegistryHive& hive, const std::string& path) {
    if (path.empty() || hive.count(path))
        return true;
    // A key that only holds other keys is not listed by itself.
    auto below = hive.lower_bound(path + "\\");
    return below != hive.end() && below->first.compare(0, path.size() + 1, path + "\\") == 0;
}

std::string KeyPath(const std::string& path) {
    std::string folded;
    for (char c : LowerCase(path)) {
        if (c == '\\' && (folded.empty() || folded.back() == '\\'))
            continue;
        folded += c;
    }
    if (!folded.empty() && folded.back() == '\\')
        folded.pop_back();
    return folded;
}

} // namespace

long RegistryOpenKey(RegistryRoot root, const std::string& keyPath, unsigned long access,
                     RegistryKeyHandle& key) {
    key.reset();
    std::string file = HiveFile(root);
    if (file.empty())
        return RegistryNotFound;
    FileReadResult read = ReadFileBytes(file);
    if (read.cause == CauseAccessDenied)
        return RegistryAccessDenied;
    if (read.cause != CauseNone)
        return RegistryNotFound;
    RegistryHive hive = ReadWineRegistry(read.bytes);
    std::string path = KeyPath(keyPath);
    if (!ContainsKey(hive, path))
        return RegistryNotFound;
    if ((access & ~KeyQueryValue) != 0 && IsReadOnly(file))
        return RegistryAccessDenied;
    key = std::make_unique<RegistryKey>();
    auto found = hive.find(path);
    if (found != hive.end())
        key->values = found->second;
    return RegistrySuccess;
}

long RegistryQueryValue(const RegistryKey& key, const std::string& name, unsigned long* type, char* buffer,
                        size_t* size) {
    auto found = key.values.find(LowerCase(name));
    if (found == key.values.end())
        return RegistryNotFound;
    const RegistryValue& value = found->second;
    if (type != nullptr)
        *type = value.type;
    size_t room = size != nullptr ? *size : 0;
    if (size != nullptr)
        *size = value.data.size();
    if (buffer == nullptr)
        return RegistrySuccess;
    if (room < value.data.size())
        return RegistryMoreData;
    std::memcpy(buffer, value.data.data(), value.data.size());
    return RegistrySuccess;
}

size_t ExpandEnvironmentStrings(const std::string& source, char* destination, size_t size) {
    std::string result = ExpandVariables(source, WinePrefixEnvironment());
    if (destination != nullptr && result.size() < size)
        std::memcpy(destination, result.c_str(), result.size() + 1);
    return result.size() + 1;
}
