#include "platform/wine_environment.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/letter_case.h"
#include "platform/wine_registry.h"

#include <cstdlib>
#include <cstring>
#include <optional>
#include <pwd.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr const char* currentVersion = "software\\microsoft\\windows\\currentversion";
constexpr const char* currentVersionNT = "software\\microsoft\\windows nt\\currentversion";
constexpr const char* profileList = "software\\microsoft\\windows nt\\currentversion\\profilelist";

// The prefixes a variable's row holds for: the simulators are 32-bit programs, and in a 64-bit prefix a
// 32-bit program's own program folders are the "(x86)" ones.
enum class PrefixWidth { Any, Only32, Only64 };

// A variable that Wine takes from a value of "system.reg", and what it is when the value is missing
// (nothing, without a default).
struct FolderVariable {
    const char* name;
    const char* key;
    const char* value;
    const char* fallback;
    PrefixWidth width;
};

constexpr FolderVariable folderVariables[] = {
    {"SystemRoot", currentVersionNT, "SystemRoot", "C:\\windows", PrefixWidth::Any},
    {"windir", currentVersionNT, "SystemRoot", "C:\\windows", PrefixWidth::Any},
    {"ProgramFiles", currentVersion, "ProgramFilesDir", "C:\\Program Files", PrefixWidth::Only32},
    {"ProgramFiles", currentVersion, "ProgramFilesDir (x86)", "C:\\Program Files (x86)", PrefixWidth::Only64},
    {"ProgramFiles(x86)", currentVersion, "ProgramFilesDir (x86)", nullptr, PrefixWidth::Any},
    {"ProgramW6432", currentVersion, "ProgramFilesDir", "C:\\Program Files", PrefixWidth::Only64},
    {"CommonProgramFiles", currentVersion, "CommonFilesDir", "C:\\Program Files\\Common Files",
     PrefixWidth::Only32},
    {"CommonProgramFiles", currentVersion, "CommonFilesDir (x86)", "C:\\Program Files (x86)\\Common Files",
     PrefixWidth::Only64},
    {"CommonProgramFiles(x86)", currentVersion, "CommonFilesDir (x86)", nullptr, PrefixWidth::Any},
    {"CommonProgramW6432", currentVersion, "CommonFilesDir", "C:\\Program Files\\Common Files",
     PrefixWidth::Only64},
    {"ProgramData", profileList, "ProgramData", "C:\\ProgramData", PrefixWidth::Any},
    {"ALLUSERSPROFILE", profileList, "ProgramData", "C:\\ProgramData", PrefixWidth::Any},
    {"PUBLIC", profileList, "Public", nullptr, PrefixWidth::Any},
};

std::string HiveText(const char* file) {
    FileReadResult read = ReadFileBytes(WinePrefix() + "/" + file);
    return read.cause == CauseNone ? read.bytes : "";
}

const RegistryValue* FindValue(const RegistryHive& hive, const std::string& key, const std::string& name) {
    auto values = hive.find(key);
    if (values == hive.end())
        return nullptr;
    auto found = values->second.find(LowerCase(name));
    return found != values->second.end() ? &found->second : nullptr;
}

// The text of a REG_SZ value, or of a REG_EXPAND_SZ value expanded with what is known so far; empty for
// any other kind.
std::string ValueText(const RegistryValue& value, const WindowsEnvironment& known) {
    std::string text = value.data.c_str();
    if (value.type == RegExpandSz)
        return ExpandVariables(text, known);
    return value.type == RegSz ? text : "";
}

// Wine sets a key's plain values first, then those that refer to other variables. An empty value makes
// no variable and removes none.
void AddKeyVariables(WindowsEnvironment& environment, const RegistryHive& hive, const std::string& key) {
    auto values = hive.find(key);
    if (values == hive.end())
        return;
    for (unsigned long type : {RegSz, RegExpandSz}) {
        for (const auto& [name, value] : values->second) {
            std::string text = value.type == type ? ValueText(value, environment) : "";
            if (!name.empty() && !text.empty())
                environment[name] = text;
        }
    }
}

std::string UnixUserName() {
    if (const passwd* entry = getpwuid(getuid()))
        return entry->pw_name;
    const char* user = std::getenv("USER");
    return user != nullptr ? user : "";
}

std::optional<std::string> ProcessVariable(const std::string& name) {
    if (const char* value = std::getenv(name.c_str()))
        return value;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const char* equals = std::strchr(*entry, '=');
        if (equals != nullptr &&
            SameWithoutCase(std::string(*entry, static_cast<size_t>(equals - *entry)), name))
            return equals + 1;
    }
    return std::nullopt;
}

std::optional<std::string> Variable(const std::string& name, const WindowsEnvironment& environment) {
    auto found = environment.find(LowerCase(name));
    if (found != environment.end())
        return found->second;
    return ProcessVariable(name);
}

} // namespace

WindowsEnvironment WinePrefixEnvironment() {
    std::string systemText = HiveText("system.reg");
    RegistryHive system = ReadWineRegistry(systemText);
    bool prefix64Bit = systemText.find("\n#arch=win64") != std::string::npos;

    WindowsEnvironment environment;
    environment["userprofile"] = "C:\\users\\" + UnixUserName();
    for (const FolderVariable& variable : folderVariables) {
        if (variable.width == (prefix64Bit ? PrefixWidth::Only32 : PrefixWidth::Only64))
            continue;
        const RegistryValue* value = FindValue(system, variable.key, variable.value);
        std::string text = value != nullptr ? ValueText(*value, environment) : "";
        if (text.empty() && variable.fallback != nullptr)
            text = variable.fallback;
        if (!text.empty())
            environment[LowerCase(variable.name)] = text;
    }
    AddKeyVariables(environment, system, "system\\currentcontrolset\\control\\session manager\\environment");

    RegistryHive user = ReadWineRegistry(HiveText("user.reg"));
    AddKeyVariables(environment, user, "environment");
    AddKeyVariables(environment, user, "volatile environment");
    return environment;
}

std::string ExpandVariables(const std::string& text, const WindowsEnvironment& environment) {
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        size_t open = text.find('%', at);
        size_t close = open == std::string::npos ? std::string::npos : text.find('%', open + 1);
        if (close == std::string::npos) {
            result += text.substr(at);
            break;
        }
        result += text.substr(at, open - at);
        std::optional<std::string> value =
            close > open + 1 ? Variable(text.substr(open + 1, close - open - 1), environment) : std::nullopt;
        if (value) {
            result += *value;
            at = close + 1;
        } else {
            // Not a variable: the first "%" stays, and the second may open the next name.
            result += text.substr(open, close - open);
            at = close;
        }
    }
    return result;
}
