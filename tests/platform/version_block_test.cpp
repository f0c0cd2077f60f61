#include "platform/version_block.h"

#include "support/sample_version_block.h"

#include <gtest/gtest.h>

TEST(VersionBlock, IsLaidOutAsAWindowsVersionResourceAndQueriesFindItsParts) {
    std::string block = BuildVersionBlock(SampleVersionBlock(true));
    EXPECT_EQ(static_cast<unsigned char>(block[0]) | static_cast<unsigned char>(block[1]) << 8, block.size());
    EXPECT_EQ(block.substr(2, 10), std::string("\x34\0\0\0V\0S\0_\0", 10));
    // The key and its NUL take 32 bytes after the 6 of the header; the fixed block starts aligned at 40.
    EXPECT_EQ(block.substr(40, 16),
              std::string("\xBD\x04\xEF\xFE\x00\x00\x01\x00\x0A\x00\x02\x00\x00\x00\x03\x00", 16));
    EXPECT_EQ(block.substr(92 + 4, 6), std::string("\1\0S\0t\0", 6));

    EXPECT_EQ(QueryVersionValue(block, "\\")->size(), 52u);
    EXPECT_EQ(QueryVersionValue(block, "\\VarFileInfo\\Translation"), std::string("\x09\x04\xB0\x04", 4));
    EXPECT_EQ(QueryVersionValue(block, "\\stringfileinfo\\040904B0\\LEGALCOPYRIGHT"),
              "\xC2\xA9 Pit Crew \xF0\x9F\x8F\x81");
    EXPECT_EQ(QueryVersionValue(block, "\\StringFileInfo\\000004e4\\ProductVersion"), std::nullopt);
    EXPECT_EQ(QueryVersionValue(BuildVersionBlock(SampleVersionBlock(false)), "\\VarFileInfo\\Translation"),
              std::nullopt);
    // A cut block never answers from beyond its end.
    for (size_t size = 0; size < block.size(); ++size) {
        std::optional<std::string> text =
            QueryVersionValue(block.substr(0, size), "\\StringFileInfo\\040904b0\\LegalCopyright");
        EXPECT_TRUE(!text || text->size() <= size);
    }
}
