#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// "cmake --install" makes a program folder with the unit beside it, which systemd accepts as it is
// written, with only quorva-run told to stop and no restart for what a restart cannot cure.
TEST(ServiceUnitTest, TheInstalledUnitPointsAtTheInstalledRunnerAndVerifies) {
    TempFolder temp;
    std::string prefix = temp.File("opt/quorva");
    std::string install =
        "'" CMAKE_COMMAND_PATH "' --install '" QUORVA_BINARY_DIR "' --prefix '" + prefix + "' >/dev/null";
    ASSERT_EQ(std::system(install.c_str()), 0);
    for (const char* file : {"quorva", "quorva-run", "quorva-launch32.exe", "Quorvahtml.html", "README.md"})
        EXPECT_TRUE(temp.Exists(std::string("opt/quorva/") + file)) << file;
    EXPECT_FALSE(temp.Exists("opt/quorva/Quorvadata.ini"));
    std::string unit = temp.Read("opt/quorva/quorva-run.service");
    for (const std::string& line : std::vector<std::string>{
             "\nType=notify\n", "\nExecStart=" + prefix + "/quorva-run\n", "\nKillMode=mixed\n",
             "\nRestartPreventExitStatus=1 2 3\n", "\nEnvironment=WINEPREFIX=/home/racer/.wine\n"})
        EXPECT_NE(unit.find(line), std::string::npos) << line;
    std::string verify =
        "systemd-analyze verify '" + prefix + "/quorva-run.service' >'" + temp.File("verify.txt") + "' 2>&1";
    EXPECT_EQ(std::system(verify.c_str()), 0);
    EXPECT_EQ(temp.Read("verify.txt"), "");
}
