#include "platform/host_path.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// A Wine prefix of the test's own: drive C: without a dosdevices link, drive D: with one.
class HostPathTest : public ::testing::Test {
protected:
    HostPathTest() {
        std::filesystem::create_directories(m_temp.File("prefix/dosdevices"));
        std::filesystem::create_directories(m_temp.File("games/Racing"));
        std::filesystem::create_directory_symlink(m_temp.File("games"), m_prefix + "/dosdevices/d:");
        m_temp.Write("prefix/drive_c/Sims/Legends/All.Cal", "");
    }

    TempFolder m_temp;
    std::string m_prefix = m_temp.File("prefix");
    ScopedEnv m_wine{"WINEPREFIX", m_prefix.c_str()};
};

} // namespace

TEST_F(HostPathTest, PathsBecomeHostPathsOnTheDrivesMatchingExistingComponentsWithoutCase) {
    std::string temp = m_temp.Path();
    std::string windowsTemp = temp;
    std::replace(windowsTemp.begin(), windowsTemp.end(), '/', '\\');
    const struct {
        const char* name;
        std::string path, host;
    } cases[] = {{"leading separator is on drive C", "\\SIMS\\Legends", m_prefix + "/drive_c/Sims/Legends"},
                 {"dosdevices link", "D:\\RACING\\N3.exe", m_prefix + "/dosdevices/d:/Racing/N3.exe"},
                 {"Z: is the root", "Z:" + windowsTemp + "PREFIX\\Drive_C\\", temp + "prefix/drive_c/"},
                 {"POSIX path as it is", temp + "PREFIX\\drive_c", temp + "PREFIX\\drive_c"},
                 {"Windows-1252 names in UTF-8", "C:\\Sims\\Caf\xE9", m_prefix + "/drive_c/Sims/Caf\u00E9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HostPath(c.path), c.host);
    }
    EXPECT_EQ(DriveRoot('D'), m_prefix + "/dosdevices/d:");
    EXPECT_EQ(DriveRoot('Q'), "");
    std::filesystem::create_directory_symlink(m_temp.File("games"), m_prefix + "/dosdevices/c:");
    EXPECT_EQ(DriveRoot('c'), m_prefix + "/dosdevices/c:");
    ScopedEnv home("HOME", "/home/racer");
    ScopedEnv none("WINEPREFIX", "");
    EXPECT_EQ(DriveRoot('C'), "/home/racer/.wine/drive_c");
}

TEST(WinePrefix, ARelativePrefixIsMadeAbsoluteAgainstTheCurrentFolder) {
    TempFolder temp;
    std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(temp.Path());
    const std::string rows[][2] = {{"wine/prefix", std::filesystem::current_path().string() + "/wine/prefix"},
                                   {"/srv/wine", "/srv/wine"},
                                   {"", ""}};
    for (const auto& [prefix, absolute] : rows) {
        ScopedEnv wine("WINEPREFIX", prefix.c_str());
        MakeWinePrefixAbsolute();
        EXPECT_EQ(std::getenv("WINEPREFIX"), absolute) << prefix;
    }
    std::filesystem::current_path(before);
}
