#include "platform/executable_kind.h"

#include "support/temp_folder.h"
#include "support/tiny_elf.h"
#include "support/tiny_pe.h"

#include <gtest/gtest.h>

TEST(ExecutableKindTest, TheFirstBytesTellTheKind) {
    const struct {
        const char* name;
        std::string bytes;
        ExecutableKind kind;
    } cases[] = {
        {"PE32+, x86-64", TinyPe(0x8664), ExecutableKind::Windows64},
        {"PE for ARM", TinyPe(0x01C0), ExecutableKind::WindowsOther},
        {"MZ whose PE offset is past the end", TinyPe(0x014C).substr(0, 0x40), ExecutableKind::WindowsOther},
        {"ELF", TinyElf({}), ExecutableKind::Linux},
        {"script", "#!/bin/sh\nexit 0\n", ExecutableKind::Linux},
        {"text", "This is not a program.\n", ExecutableKind::NotAProgram}};
    TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("program", c.bytes);
        ExecutableKind kind = ExecutableKindOf(folder.File("program"));
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(IsWindowsKind(kind), c.bytes.starts_with("MZ"));
    }
    // The empty name is the folder itself.
    for (const char* missing : {"nothing.exe", ""})
        EXPECT_EQ(ExecutableKindOf(folder.File(missing)), ExecutableKind::Missing) << missing;
}
