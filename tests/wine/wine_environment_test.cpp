#include "wine_prefix.h"

#include "platform/registry.h"
#include "support/scoped_env.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

// The variables a 32-bit program in the prefix sees, as the simulators are, read from the hives without
// starting Wine. Where Wine runs no 32-bit program, a 64-bit one shows those the two have in common.
TEST(WineEnvironment, ExpandsAsRealWineDoes) {
    ScopedEnv wine("WINEPREFIX", TestWinePrefix::Path().c_str());
    ScopedEnv quiet("WINEDEBUG", "-all");
    const bool runs32Bit = TestWinePrefix::Width() == 32;
    const std::string text = std::string(runs32Bit ? "%ProgramFiles%#%CommonProgramFiles%#" : "") +
                             "%ProgramFiles(x86)%#%ProgramW6432%#%CommonProgramW6432%#%windir%#%ComSpec%#"
                             "%TEMP%#%ALLUSERSPROFILE%#%PUBLIC%#%USERPROFILE%#%APPDATA%";
    const std::string program = runs32Bit ? "'C:\\windows\\syswow64\\cmd.exe'" : "cmd";
    FILE* cmd = popen(("wine " + program + " /c 'echo " + text + "' 2>/dev/null").c_str(), "r");
    ASSERT_NE(cmd, nullptr);
    std::string shown(4096, '\0');
    shown.resize(fread(shown.data(), 1, shown.size(), cmd));
    pclose(cmd);
    // The hives are complete once Wine's server has ended.
    std::system("wineserver -w");
    std::string expanded(ExpandEnvironmentStrings(text, nullptr, 0), '\0');
    ExpandEnvironmentStrings(text, expanded.data(), expanded.size());
    expanded.pop_back();
    EXPECT_EQ(shown, expanded + "\r\n");
}
