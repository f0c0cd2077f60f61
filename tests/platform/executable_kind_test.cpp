#include "platform/executable_kind.h"

#include "support/temp_folder.h"
#include "support/tiny_pe.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct KindCase {
    const char* name;
    std::string bytes;
    ExecutableKind kind;
    bool windows;
};

} // namespace

TEST(ExecutableKindTest, TheFirstBytesTellTheKind) {
    std::string peBeyondTheEnd = TinyPe(0x014C).substr(0, 0x40);
    const KindCase cases[] = {
        {"PE32, i386", TinyPe(0x014C), ExecutableKind::Windows32, true},
        {"PE32+, x86-64", TinyPe(0x8664), ExecutableKind::Windows64, true},
        {"PE for ARM", TinyPe(0x01C0), ExecutableKind::WindowsOther, true},
        {"MZ without PE", "MZ" + std::string(100, '\0'), ExecutableKind::WindowsOther, true},
        {"MZ whose PE offset is past the end", peBeyondTheEnd, ExecutableKind::WindowsOther, true},
        {"MZ alone", "MZ", ExecutableKind::WindowsOther, true},
        {"ELF",
         std::string("\x7F"
                     "ELF\x02\x01\x01",
                     7) +
             std::string(57, '\0'),
         ExecutableKind::Linux, false},
        {"script", "#!/bin/sh\nexit 0\n", ExecutableKind::Linux, false},
        {"text", "This is not a program.\n", ExecutableKind::NotAProgram, false},
        {"ELF cut short",
         "\x7F"
         "EL",
         ExecutableKind::NotAProgram, false},
        {"one byte", "M", ExecutableKind::NotAProgram, false},
        {"empty", "", ExecutableKind::NotAProgram, false},
    };
    TempFolder folder;
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.name);
        folder.Write("program", c.bytes);
        ExecutableKind kind = ExecutableKindOf(folder.File("program"));
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(IsWindowsKind(kind), c.windows);
    }
}

TEST(ExecutableKindTest, AMissingFileOrAFolderIsMissing) {
    TempFolder folder;
    EXPECT_EQ(ExecutableKindOf(folder.File("nothing.exe")), ExecutableKind::Missing);
    std::filesystem::create_directory(folder.File("folder.exe"));
    EXPECT_EQ(ExecutableKindOf(folder.File("folder.exe")), ExecutableKind::Missing);
    EXPECT_FALSE(IsWindowsKind(ExecutableKind::Missing));
}
