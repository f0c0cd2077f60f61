#include "settings/install_lookup.h"

#include "settings/registry_item.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string appPaths = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\";

class InstallLookupTest : public ::testing::Test {
protected:
    void WriteSystemHive(const std::string& keys) {
        prefix.Write("system.reg",
                     "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n" + keys);
    }

    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
};

struct Split {
    std::string machine;
    RegistryRoot root;
    std::string keyPath;
    std::string valueName;
};

Split SplitOf(const std::string& name) {
    COXRegistryItem item;
    item.SetItemName(name);
    return {item.GetMachineName(), item.GetRoot(), item.GetKeyPath(), item.GetValueName()};
}

} // namespace

TEST(RegistryItem, ItemNamesSplitIntoRootKeyPathAndValueName) {
    Split n3 = SplitOf(InstallItemN3);
    EXPECT_EQ(n3.machine, "");
    EXPECT_EQ(n3.root, RegistryRoot::LocalMachine);
    EXPECT_EQ(n3.keyPath, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NASCAR Racing 3.exe\\");
    EXPECT_EQ(n3.valueName, "");

    Split value = SplitOf("\\\\Pits\\CurrentConfig\\System\\Mode");
    EXPECT_EQ(value.machine, "Pits");
    EXPECT_EQ(value.root, RegistryRoot::CurrentConfig);
    EXPECT_EQ(value.keyPath, "\\System\\");
    EXPECT_EQ(value.valueName, "Mode");

    // Without a root name the key is the current user's; a root name must end at a backslash.
    EXPECT_EQ(SplitOf("Software\\Quorva\\").root, RegistryRoot::CurrentUser);
    Split longer = SplitOf("\\LocalMachineX\\Key\\Value");
    EXPECT_EQ(longer.root, RegistryRoot::CurrentUser);
    EXPECT_EQ(longer.keyPath, "\\LocalMachineX\\Key\\");
    EXPECT_EQ(SplitOf("\\Users").root, RegistryRoot::Users);
    EXPECT_EQ(SplitOf("\\Users").keyPath, "");
    EXPECT_EQ(SplitOf("").keyPath, "");
}

TEST_F(InstallLookupTest, FoldersAreReadAsTheRegistryHoldsThem) {
    WriteSystemHive(
        appPaths + "NASCAR Racing 3.exe] 1700000000\r\n\"Path\"=\"C:\\\\Games\\\\Racing\"\r\n\r\n" +
        appPaths + "nascar legends.EXE]\r\n\"PATH\"=str(2):\"%ProgramFiles%\\\\Legends\\\\\"\r\n");
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "C:\\Games\\Racing");
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "C:\\Program Files\\Legends\\");

    // A registry the user may only read still gives the folders.
    chmod(prefix.File("system.reg").c_str(), 0444);
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "C:\\Games\\Racing");
}

TEST_F(InstallLookupTest, WhatIsMissingIsPathNotFoundAndANumberIsAnEmptyFolder) {
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "Path not found");
    WriteSystemHive(appPaths + "NASCAR Racing 3.exe]\n@=\"C:\\\\N3\\\\NASCAR Racing 3.exe\"\n" + appPaths +
                    "NASCAR Legends.exe]\n\"Path\"=dword:00000001\n");
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "Path not found");
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "");
    {
        ScopedEnv none("WINEPREFIX", prefix.File("no such prefix").c_str());
        EXPECT_EQ(LookupInstallPath(InstallItemNL), "Path not found");
    }
    WriteSystemHive("");
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "Path not found");
}
