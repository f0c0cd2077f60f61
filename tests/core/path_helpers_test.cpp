#include "core/path_helpers.h"

#include "platform/program_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

TEST(AddBackslash, MakesAFolderEndInASeparator) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    } cases[] = {
        {"upper drive letter", "C", "C:\\"},
        {"lower drive letter", "c", "c:\\"},
        {"lone backslash", "\\", "\\"},
        {"lone other character", "1", "1\\"},
        {"two characters", "x1", "x1\\"},
        {"already ends in backslash", "C:\\Games\\", "C:\\Games\\"},
        {"windows folder", "C:\\Sims\\NL", "C:\\Sims\\NL\\"},
        {"empty", "", "\\"},
        {"posix folder", "/srv/sims/nl", "/srv/sims/nl/"},
        {"posix folder with slash", "/srv/sims/nl/", "/srv/sims/nl/"},
        {"posix root", "/", "/"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string folder = c.before;
        AddBackslash(folder);
        EXPECT_EQ(folder, c.after);
    }
}

TEST(PathParts, NameAndExtensionAreTakenFromTheLastElement) {
    EXPECT_EQ(FileNameOf("C:\\Sims\\NL\\invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("C:/Sims/NL/invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("C:invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("/srv/sims/nl/all.cal"), "all.cal");
    EXPECT_EQ(FileNameOf("C:\\Sims\\"), "");

    EXPECT_EQ(ChangeExtension("C:\\Sims\\NL\\evt00003.dmn", ".html"), "C:\\Sims\\NL\\evt00003.html");
    EXPECT_EQ(ChangeExtension("evt00003.dmn", ".stn"), "evt00003.stn");
    EXPECT_EQ(ChangeExtension("C:\\Sims\\NL\\evt00003", ".won"), "C:\\Sims\\NL\\evt00003.won");
    EXPECT_EQ(ChangeExtension("C:\\Sims.v2\\NL\\evt", ".won"), "C:\\Sims.v2\\NL\\evt.won");
    EXPECT_EQ(ChangeExtension("C:\\a\\b.tar.gz", ".x"), "C:\\a\\b.tar.x");
    EXPECT_EQ(ChangeExtension("/srv/sims/nl/evt00003.dmn", ".stn"), "/srv/sims/nl/evt00003.stn");
}

TEST(FileExists, IsFalseForAnEmptyPathAndTrueForFilesAndFolders) {
    TempFolder folder;
    folder.Write("Quorvadata.ini", "");
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(FileExists(folder.File("Quorvadata.ini")));
    EXPECT_TRUE(FileExists(folder.Path()));
    EXPECT_FALSE(FileExists(folder.File("missing.ini")));
}

TEST(GetProgramFolder, IsTheFolderOfTheRunningProgram) {
    std::string folder = GetProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder + "core_tests", ProgramFilePath());

    OverrideProgramFilePath("/opt/quorva/quorva");
    EXPECT_EQ(GetProgramFolder(), "/opt/quorva/");
    OverrideProgramFilePath("");
}
