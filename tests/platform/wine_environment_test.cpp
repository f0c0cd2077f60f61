#include "platform/registry.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <array>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

namespace {

const std::string header = "WINE REGISTRY Version 2\n";

void ExpectExpansions(const std::vector<std::array<std::string, 3>>& rows) {
    for (const auto& [name, text, expanded] : rows) {
        SCOPED_TRACE(name);
        std::string result(ExpandEnvironmentStrings(text, nullptr, 0), '?');
        ExpandEnvironmentStrings(text, result.data(), result.size());
        EXPECT_EQ(result, expanded + '\0');
    }
}

} // namespace

TEST(WineEnvironment, ThePrefixVariablesComeFirstThenTheProcessOnesThenWinesDefaults) {
    TempFolder prefix;
    ScopedEnv wine("WINEPREFIX", prefix.Path().c_str());
    ScopedEnv linuxFiles("ProgramFiles", "/opt/programs");
    ScopedEnv linuxOnly("QUORVA_LINUX_ONLY", "linux");
    prefix.Write(
        "system.reg",
        header +
            "#arch=win64\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion]\n"
            "\"ProgramFilesDir\"=\"D:\\\\Apps\"\n\"ProgramFilesDir (x86)\"=\"D:\\\\Apps32\"\n"
            "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion]\n\"SystemRoot\"=\"C:\\\\win\"\n"
            "[System\\\\CurrentControlSet\\\\Control\\\\Session Manager\\\\Environment]\n"
            "\"ComSpec\"=str(2):\"%SystemRoot%\\\\cmd.exe\"\n\"TEMP\"=\"C:\\\\temp\"\n\"HOMESHARE\"=\"\"\n");
    prefix.Write("user.reg",
                 header + "[Environment]\n\"TEMP\"=\"C:\\\\users\\\\racer\\\\Temp\"\n\"Both\"=\"user\"\n"
                          "[Volatile Environment]\n\"Both\"=\"volatile\"\n");
    ExpectExpansions(
        {{"a 32-bit program's folder of the prefix wins over the process",
          "%ProgramFiles%\\N3|%ProgramW6432%", "D:\\Apps32\\N3|D:\\Apps"},
         {"the user's value wins, the volatile one most", "%temp%|%Both%", "C:\\users\\racer\\Temp|volatile"},
         {"the process has what the prefix lacks", "%Quorva_Linux_Only%", "linux"},
         {"an empty value makes no variable", "%HOMESHARE%", "%HOMESHARE%"}});

    prefix.Write("system.reg",
                 header + "#arch=win32\n[Software\\\\Microsoft\\\\Windows]\n\"ProgramFilesDir\"=\"x\"\n");
    std::string text = "%ProgramFiles%|%SystemRoot%|%windir%|%CommonProgramFiles%|%ALLUSERSPROFILE%|"
                       "%ProgramData%|%USERPROFILE%|%ProgramW6432%|%ProgramFiles(x86)%";
    std::string defaults = "C:\\Program Files|C:\\windows|C:\\windows|C:\\Program Files\\Common Files|"
                           "C:\\ProgramData|C:\\ProgramData|C:\\users\\" +
                           std::string(getpwuid(getuid())->pw_name) + "|%ProgramW6432%|%ProgramFiles(x86)%";
    ExpectExpansions({{"a 32-bit prefix without those values", text, defaults},
                      {"percent signs that name nothing", "100% sure %%", "100% sure %%"}});
    // The size the result needs, its NUL included; a destination too small is left as it was.
    char small[4] = "abc";
    EXPECT_EQ(ExpandEnvironmentStrings("%ProgramFiles%", small, sizeof small), 17u);
    EXPECT_STREQ(small, "abc");
}
