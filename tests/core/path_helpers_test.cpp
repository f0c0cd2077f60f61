#include "core/path_helpers.h"

#include "platform/program_file.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

TEST(PathHelpers, AFolderEndsInASeparatorAndNamesExtensionsAndFoldersAreTakenFromTheRightElement) {
    const struct {
        const char *name, *before, *after;
    } rows[] = {{"drive letter", "c", "c:\\"},
                {"lone backslash", "\\", "\\"},
                {"lone other character", "1", "1\\"},
                {"already ends in backslash", "C:\\Games\\", "C:\\Games\\"},
                {"windows folder", "C:\\Sims\\NL", "C:\\Sims\\NL\\"},
                {"empty", "", "\\"},
                {"posix folder", "/srv/sims/nl", "/srv/sims/nl/"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::string folder = row.before;
        AddBackslash(folder);
        EXPECT_EQ(folder, row.after);
    }

    EXPECT_EQ(FileNameOf("C:invite.lst"), "invite.lst");
    EXPECT_EQ(FileNameOf("/srv/sims/nl/all.cal"), "all.cal");
    EXPECT_EQ(ChangeExtension("C:\\Sims.v2\\NL\\evt00003.dmn", ".html"), "C:\\Sims.v2\\NL\\evt00003.html");
    EXPECT_EQ(ChangeExtension("C:\\Sims.v2\\NL\\evt", ".won"), "C:\\Sims.v2\\NL\\evt.won");
    TempFolder folder;
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(FileExists(folder.Path()));
    OverrideProgramFilePath("/opt/quorva/quorva");
    EXPECT_EQ(GetProgramFolder(), "/opt/quorva/");
    OverrideProgramFilePath("");
}
