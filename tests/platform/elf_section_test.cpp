#include "platform/elf_section.h"

#include "support/temp_folder.h"
#include "support/tiny_elf.h"

#include <gtest/gtest.h>

TEST(ElfSection, ASectionIsFoundByItsWholeNameInAWholeElfFile) {
    TempFolder folder;
    std::string elf = TinyElf({{".text", "code"}, {".quorva_version", "block"}, {".quorva", "other"}});
    folder.Write("prog", elf);
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_version", 100), "block");
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva", 100), "other");
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_", 100), std::nullopt);
    EXPECT_EQ(ReadElfSection(folder.File("prog"), ".quorva_version", 4), std::nullopt);
    folder.Write("script", "#!/bin/sh\necho hello\n");
    folder.Write("cut", elf.substr(0, elf.size() - 10));
    elf[5] = 2;
    folder.Write("big-endian", elf);
    // The empty name is the folder itself.
    for (const char* name : {"script", "cut", "big-endian", "missing", ""})
        EXPECT_EQ(ReadElfSection(folder.File(name), ".quorva", 100), std::nullopt) << name;
}
