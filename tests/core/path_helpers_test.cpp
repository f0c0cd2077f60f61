#include "core/path_helpers.h"

#include "platform/program_file.h"

#include <gtest/gtest.h>

TEST(PathHelpers, AFolderEndsInASeparatorAndNamesExtensionsAndFoldersAreTakenFromTheRightElement) {
    auto added = [](std::string folder) {
        AddBackslash(folder);
        return folder;
    };
    EXPECT_EQ(added("c"), "c:\\");
    EXPECT_EQ(added("\\"), "\\");
    EXPECT_EQ(added("1"), "1\\");
    EXPECT_EQ(added("C:\\Games\\"), "C:\\Games\\");
    EXPECT_EQ(added("C:\\Sims\\NL"), "C:\\Sims\\NL\\");
    EXPECT_EQ(added(""), "\\");
    EXPECT_EQ(added("/srv/sims/nl"), "/srv/sims/nl/");
    EXPECT_EQ(FileNameOf("C:invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("/srv/sims/nl/all.cal"), "all.cal");
    EXPECT_EQ(ChangeExtension("C:\\Sims.v2\\NL\\evt00003.dmn", ".html"), "C:\\Sims.v2\\NL\\evt00003.html");
    EXPECT_EQ(ChangeExtension("C:\\Sims.v2\\NL\\evt", ".won"), "C:\\Sims.v2\\NL\\evt.won");
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(FileExists("/"));
    OverrideProgramFilePath("/opt/quorva/quorva");
    EXPECT_EQ(GetProgramFolder(), "/opt/quorva/");
    OverrideProgramFilePath("");
}
