#include "platform/host_path.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// A Wine prefix of the test's own: drive C: without a dosdevices link, drive D: with one.
TEST(HostPath, PathsBecomeHostPathsOnTheDrivesMatchingExistingComponentsWithoutCase) {
    TempFolder folder;
    const std::string prefix = folder.File("prefix");
    ScopedEnv wine("WINEPREFIX", prefix.c_str());
    std::filesystem::create_directories(folder.File("prefix/dosdevices"));
    std::filesystem::create_directories(folder.File("games/Racing"));
    std::filesystem::create_directory_symlink(folder.File("games"), prefix + "/dosdevices/d:");
    folder.Write("prefix/drive_c/Sims/Legends/All.Cal", "");
    std::string temp = folder.Path(), windowsTemp = temp;
    std::replace(windowsTemp.begin(), windowsTemp.end(), '/', '\\');
    const struct {
        const char* name;
        std::string path, host;
    } cases[] = {{"leading separator is on drive C", "\\SIMS\\Legends", prefix + "/drive_c/Sims/Legends"},
                 {"dosdevices link", "D:\\RACING\\N3.exe", prefix + "/dosdevices/d:/Racing/N3.exe"},
                 {"Z: is the root", "Z:" + windowsTemp + "PREFIX\\Drive_C\\", temp + "prefix/drive_c/"},
                 {"POSIX path as it is", temp + "PREFIX\\drive_c", temp + "PREFIX\\drive_c"},
                 {"Windows-1252 names in UTF-8", "C:\\Sims\\Caf\xE9", prefix + "/drive_c/Sims/Caf\u00E9"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(HostPath(c.path), c.host);
    }
    EXPECT_EQ(DriveRoot('D'), prefix + "/dosdevices/d:");
    EXPECT_EQ(DriveRoot('Q'), "");
    std::filesystem::create_directory_symlink(folder.File("games"), prefix + "/dosdevices/c:");
    EXPECT_EQ(DriveRoot('c'), prefix + "/dosdevices/c:");
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
