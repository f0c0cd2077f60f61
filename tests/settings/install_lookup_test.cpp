#include "settings/install_lookup.h"

#include "settings/registry_item.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

// Without a root name the key is the current user's; a root name must end at a backslash.
TEST(RegistryItem, ItemNamesSplitIntoRootKeyPathAndValueName) {
    const struct {
        const char *name, *item;
        RegistryRoot root;
        const char* parts;
    } rows[] = {{"machine and value", "\\\\Pits\\CurrentConfig\\System\\Mode", RegistryRoot::CurrentConfig,
                 "Pits|\\System\\|Mode"},
                {"a longer root name", "\\LocalMachineX\\Key\\Value", RegistryRoot::CurrentUser,
                 "|\\LocalMachineX\\Key\\|Value"},
                {"only a root", "\\Users", RegistryRoot::Users, "||"},
                {"empty", "", RegistryRoot::CurrentUser, "||"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        COXRegistryItem item;
        item.SetItemName(row.item);
        EXPECT_EQ(item.GetRoot(), row.root);
        EXPECT_EQ(item.GetMachineName() + "|" + item.GetKeyPath() + "|" + item.GetValueName(), row.parts);
    }
}

// What is missing is "Path not found"; a number is an empty folder.
TEST(InstallLookup, FoldersAreReadAsTheRegistryHoldsThemAndWhatIsMissingIsPathNotFound) {
    TempFolder prefix;
    ScopedEnv wine("WINEPREFIX", prefix.Path().c_str());
    const std::string head = "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n",
                      appPaths = "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\";
    prefix.Write(
        "system.reg",
        head + appPaths + "NASCAR Racing 3.exe] 1700000000\r\n\"Path\"=\"C:\\\\Games\\\\Racing\"\r\n\r\n" +
            appPaths + "nascar legends.EXE]\r\n\"PATH\"=str(2):\"%ProgramFiles%\\\\Legends\\\\\"\r\n");
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "C:\\Games\\Racing");
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "C:\\Program Files\\Legends\\");

    // A registry the user may only read still gives the folders.
    chmod(prefix.File("system.reg").c_str(), 0444);
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "C:\\Games\\Racing");

    chmod(prefix.File("system.reg").c_str(), 0644);
    prefix.Write("system.reg", head + appPaths +
                                   "NASCAR Racing 3.exe]\n@=\"C:\\\\N3\\\\NASCAR Racing 3.exe\"\n" +
                                   appPaths + "NASCAR Legends.exe]\n\"Path\"=dword:00000001\n");
    EXPECT_EQ(LookupInstallPath(InstallItemN3), "Path not found");
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "");
    prefix.Write("system.reg", head);
    EXPECT_EQ(LookupInstallPath(InstallItemNL), "Path not found");
}
