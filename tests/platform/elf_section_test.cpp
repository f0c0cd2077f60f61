#include "platform/elf_section.h"

#include "support/temp_folder.h"
#include "support/tiny_elf.h"

#include <gtest/gtest.h>

TEST(ElfSection, ASectionIsFoundByItsWholeName) {
    TempFolder folder;
    folder.Write("prog", TinyElf({{".text", "code"}, {".quorva_version", "block"}, {".quorva", "other"}}));
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_version", 100), "block");
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva", 100), "other");
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_", 100), std::nullopt);
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_version", 4), std::nullopt);
}

TEST(ElfSection, FilesThatAreNotWholeElfFilesHoldNoSection) {
    TempFolder folder;
    std::string elf = TinyElf({{".quorva_version", "block"}});
    folder.Write("script", "#!/bin/sh\necho hello\n");
    folder.Write("empty", "");
    folder.Write("cut", elf.substr(0, elf.size() - 10));
    std::string bigEndian = elf;
    bigEndian[5] = 2;
    folder.Write("big-endian", bigEndian);
    for (const char* name : {"script", "empty", "cut", "big-endian", "missing"})
        EXPECT_EQ(ReadElfSection(folder.File(name), ".quorva_version", 100), std::nullopt) << name;
    EXPECT_EQ(ReadElfSection(folder.Path(), ".quorva_version", 100), std::nullopt);
}
