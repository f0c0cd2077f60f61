#include "platform/module_version.h"
#include "startup/program_version.h"

#include "core/app_state.h"
#include "platform/program_file.h"
#include "support/sample_version_block.h"
#include "support/temp_folder.h"
#include "support/tiny_elf.h"

#include <gtest/gtest.h>

// Files without a good block give nothing, and the program's version falls back to 0.00.
TEST(ModuleVersion, TheBuiltProgramCarriesItsVersionBlockAndOtherFilesGiveNothing) {
    CModuleVersion version;
    ASSERT_TRUE(version.GetFileVersionInfo(""));
    EXPECT_EQ(version.GetValue("ProductVersion"), QUORVA_VERSION);
    EXPECT_EQ(version.GetValue("LegalCopyright"), "Copyright \xC2\xA9 2026 the Quorva developers");
    EXPECT_EQ(version.GetValue("FileDescription"), "Quorva start-up tests");
    EXPECT_EQ(version.GetValue("Missing"), "");
    EXPECT_EQ(version.GetFixedInfo(), FixedInfoOfVersion(QUORVA_VERSION));
    ReadProgramVersion();
    EXPECT_EQ(ProgramVersion, QUORVA_VERSION);

    TempFolder folder;
    folder.Write("plain", TinyElf({{".text", "code"}}));
    std::string unsigned_ = BuildVersionBlock(SampleVersionBlock(true));
    unsigned_[40] = 0;
    folder.Write("unsigned", TinyElf({{VersionSectionName, unsigned_}}));
    folder.Write("untranslated",
                 TinyElf({{VersionSectionName, BuildVersionBlock(SampleVersionBlock(false))}}));
    CModuleVersion other;
    EXPECT_FALSE(other.GetFileVersionInfo(folder.File("plain")));
    EXPECT_EQ(other.GetValue("ProductVersion"), "");
    EXPECT_FALSE(other.GetFileVersionInfo(folder.File("unsigned")));
    // Without a translation the texts are looked for under 000004e4, where this block has none.
    EXPECT_TRUE(other.GetFileVersionInfo(folder.File("untranslated")));
    EXPECT_EQ(other.GetValue("ProductVersion"), "");

    OverrideProgramFilePath(folder.File("plain"));
    ReadProgramVersion();
    OverrideProgramFilePath("");
    EXPECT_EQ(ProgramVersion, "0.00");
}
