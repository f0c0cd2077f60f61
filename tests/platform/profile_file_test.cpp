#include "platform/profile_file.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

using namespace std::string_literals;

namespace {

const std::string longValue(100 * 1024, 'v');

// What hand edits and damage leave in a settings file: every kind of line, CR LF and LF line ends,
// binary garbage and a last line without a line end.
const std::string badInput =
    "Top=outside\r\n[Server]\r\n  HostName =  Speedway \t\r\nhostname=second\r\n"
    "; Comment=not a key\r\nQuoted=\"  spaced  \"\r\nEmpty=\r\n\r\n"
    "[ SERVER ]\r\nLate=hidden\r\n[Other]\nKey=LF line\nBin=a\0b\x01\xff\n\x02\0\xfe\n"s
    "Long=" +
    longValue + "\nLast=no end";

} // namespace

TEST(ProfileFile, ReadsGiveTheValueOrTheDefaultAndFailedWritesLeaveTheFileAsItWas) {
    TempFolder temp;
    temp.Write("bad.ini", badInput);
    ProfileFile file(temp.File("bad.ini"));
    const struct {
        const char *section, *key;
        std::string value;
    } cases[] = {{"server", "HOSTNAME", "Speedway"},
                 {"Server", "Quoted", "  spaced  "},
                 {"Server", "Late", "(default)"},
                 {"Server", "; Comment", "(default)"},
                 {"Other", "Bin", "a"},
                 {"Other", "Long", longValue},
                 {"Other", "Last", "no end"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(file.GetString(c.section, c.key, "(default)", 200000), c.value);
    }
    EXPECT_EQ(file.GetString("Server", "HostName", "", 5), "Spee");
    EXPECT_EQ(file.GetString("Server", "HostName", "", 1), "");
    // A limit counts characters and never cuts inside one; a Windows-1252 value's bytes are its characters.
    temp.Write("texts.ini", "[T]\nUtf8=Caf\xC3\xA9s\nAnsi=Caf\xE9s\n");
    ProfileFile texts(temp.File("texts.ini"));
    EXPECT_EQ(texts.GetString("T", "Utf8", "", 5) + "|" + texts.GetString("T", "Utf8", "", 4) + "|" +
                  texts.GetString("T", "Ansi", "", 5),
              "Caf\xC3\xA9|Caf|Caf\xE9");
    EXPECT_EQ(file.GetInt("Server", "Empty", 7), 7);
    EXPECT_EQ(GetPrivateProfileInt("S", "K", -3, temp.File("none.ini")), -3);
    EXPECT_FALSE(temp.Exists("none.ini"));

    std::string readOnly = temp.File("readonly.ini");
    temp.Write("readonly.ini", "[S]\nA=1\n");
    chmod(readOnly.c_str(), 0444);
    EXPECT_EQ(WritePrivateProfileString("S", "A", "2", readOnly).cause, CauseAccessDenied);
    EXPECT_EQ(RemovePrivateProfileSection("S", readOnly).cause, CauseAccessDenied);
    EXPECT_EQ(temp.Read("readonly.ini"), "[S]\nA=1\n");
    EXPECT_EQ(WritePrivateProfileString("S", "A", "2", temp.File("none/x.ini")).cause, CauseFileNotFound);
    // A file that exists but cannot be read is not replaced by the little that was seen of it.
    std::filesystem::create_symlink("loop.ini", temp.File("loop.ini"));
    EXPECT_EQ(WritePrivateProfileString("S", "A", "2", temp.File("loop.ini")).cause, CauseGeneric);
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("loop.ini")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(temp.Path()), {}), 4);
}

TEST(ProfileFile, WritesChangeOnlyWhatTheyAreAskedTo) {
    using Edit = std::function<void(ProfileFile&)>;
    auto set = [](std::string section, std::string key, std::string value) -> Edit {
        return [=](ProfileFile& file) { file.SetString(section, key, value); };
    };
    auto replace = [](std::string section, ProfileFile::Entries entries) -> Edit {
        return [=](ProfileFile& file) { file.ReplaceSection(section, entries); };
    };
    const struct {
        const char* name;
        std::optional<std::string> before;
        Edit edit;
        std::string after;
    } cases[] = {
        {"key added after no line end", "[S]\r\nA=1", set("S", "B", "2"), "[S]\r\nA=1\r\nB=2\r\n"},
        {"section after no line end", "[S]\nA=1", set("T", "X", "1"), "[S]\nA=1\n\n[T]\nX=1\n"},
        {"value set, spelling and no line end kept", "[S]\n  Host = old", set("s", "HOST", "new"),
         "[S]\n  Host =new"},
        {"first of duplicate keys set", "[S]\nA=1\na=2\n", set("S", "A", "3"), "[S]\nA=3\na=2\n"},
        {"line ends become spaces", std::nullopt, set("S\n", "K\r\ney", "1\n[Evil]"),
         "[S ]\r\nK  ey=1 [Evil]\r\n"},
        {"section removed with its duplicates", "[A]\r\nx=1\r\n; note\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n",
         [](ProfileFile& file) { file.RemoveSection("A"); }, "[B]\r\ny=2\r\n"},
        {"section replaced where it stood", "[A]\r\nx=1\r\n\r\n; about B\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n",
         replace("A", {{"p", "1"}, {"q", "2"}}), "[A]\r\np=1\r\nq=2\r\n\r\n; about B\r\n[B]\r\ny=2\r\n"},
        {"last section replaced", "[A]\r\nx=1", replace("a", {{"p", "1"}}), "[a]\r\np=1"},
        {"missing section replaced", "[B]\ny=2", replace("A", {{"p", "1"}}), "[B]\ny=2\n\n[A]\np=1\n"},
        {"byte order mark kept, first section found", "\xEF\xBB\xBF[S]\r\nA=1\r\n", set("S", "A", "2"),
         "\xEF\xBB\xBF[S]\r\nA=2\r\n"},
        {"bad input, value set", badInput, set("other", "KEY", "new"),
         badInput.substr(0, badInput.find("Key=")) + "Key=new\n" + badInput.substr(badInput.find("Bin="))}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder temp;
        if (c.before)
            temp.Write("test.ini", *c.before);
        ProfileFile file(temp.File("test.ini"));
        c.edit(file);
        EXPECT_EQ(file.Save().cause, CauseNone);
        EXPECT_TRUE(temp.Read("test.ini") == c.after) << temp.Read("test.ini").substr(0, 200);
    }
}
