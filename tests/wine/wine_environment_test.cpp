#include "wine_prefix.h"

#include "platform/registry.h"
#include "support/scoped_env.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

// The variables a program in the prefix sees, read from the hives without starting Wine.
TEST(WineEnvironment, ExpandsAsRealWineDoes) {
    ScopedEnv wine("WINEPREFIX", TestWinePrefix::Path().c_str());
    ScopedEnv quiet("WINEDEBUG", "-all");
    const std::string text =
        "%ProgramFiles%#%ProgramFiles(x86)%#%ProgramW6432%#%CommonProgramFiles%#%windir%#"
        "%ComSpec%#%TEMP%#%ALLUSERSPROFILE%#%PUBLIC%#%USERPROFILE%#%APPDATA%";
    FILE* cmd = popen(("wine cmd /c 'echo " + text + "' 2>/dev/null").c_str(), "r");
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
