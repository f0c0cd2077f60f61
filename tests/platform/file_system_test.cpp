#include "platform/file_system.h"

#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace {

// Everything in the folder, so a test sees a temporary file left behind.
std::set<std::string> Names(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

struct PathCase {
    const char* name;
    std::string path;
    FileCause cause;
};

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

} // namespace

TEST(FileSystem, ReadGivesEveryByteOrTheCause) {
    TempFolder temp;
    // Longer than one read, with NUL bytes and both line ends.
    std::string bytes = std::string("[S]\r\nA=\0\xff\n", 11) + std::string(2 * 65536 + 1, 'x');
    temp.Write("data.ini", bytes);
    FileReadResult read = ReadFileBytes(temp.File("data.ini"));
    EXPECT_EQ(read.cause, CauseNone);
    EXPECT_TRUE(read.bytes == bytes);
    const PathCase cases[] = {
        {"missing file", temp.File("none.ini"), CauseFileNotFound},
        {"missing folder", temp.File("none/x.ini"), CauseFileNotFound},
        {"under a regular file", temp.File("data.ini/x.ini"), CauseBadPath},
        {"folder", temp.Path(), CauseAccessDenied},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        FileReadResult failed = ReadFileBytes(c.path);
        EXPECT_EQ(failed.cause, c.cause);
        EXPECT_EQ(failed.bytes, "");
        EXPECT_EQ(PathExists(c.path), c.cause == CauseAccessDenied);
    }
    EXPECT_TRUE(PathExists(temp.File("data.ini")));
    EXPECT_FALSE(PathExists(""));
}

TEST(FileSystem, AtomicWriteCreatesAndReplacesKeepingPermissions) {
    TempFolder temp;
    std::string path = temp.File("Quorvadata.ini");
    mode_t mask = umask(027);
    EXPECT_EQ(WriteFileAtomically(path, "[S]\r\nA=1\r\n"), CauseNone);
    umask(mask);
    EXPECT_EQ(temp.Read("Quorvadata.ini"), "[S]\r\nA=1\r\n");
    EXPECT_EQ(ModeOf(path), 0640u);
    chmod(path.c_str(), 0604);
    EXPECT_EQ(WriteFileAtomically(path, ""), CauseNone);
    EXPECT_EQ(temp.Read("Quorvadata.ini"), "");
    EXPECT_EQ(ModeOf(path), 0604u);
    EXPECT_EQ(Names(temp.Path()), std::set<std::string>{"Quorvadata.ini"});
}

TEST(FileSystem, RefusedWriteLeavesEverythingAsItWas) {
    TempFolder temp;
    temp.Write("readonly.ini", "old");
    temp.Write("plain", "x");
    chmod(temp.File("readonly.ini").c_str(), 0444);
    std::filesystem::create_directory(temp.File("folder"));
    const PathCase cases[] = {
        {"read-only file", temp.File("readonly.ini"), CauseAccessDenied},
        {"folder", temp.File("folder"), CauseAccessDenied},
        {"missing folder", temp.File("none/x.ini"), CauseFileNotFound},
        {"under a regular file", temp.File("plain/x.ini"), CauseBadPath},
        // Fails only at the rename, after the temporary file was written.
        {"name too long", temp.File(std::string(300, 'n')), CauseBadPath},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(WriteFileAtomically(c.path, "new"), c.cause);
    }
    EXPECT_EQ(temp.Read("readonly.ini"), "old");
    EXPECT_EQ(ModeOf(temp.File("readonly.ini")), 0444u);
    EXPECT_EQ(Names(temp.Path()), (std::set<std::string>{"folder", "plain", "readonly.ini"}));
    EXPECT_TRUE(Names(temp.File("folder")).empty());
}

TEST(FileSystem, WriteThroughALinkReplacesItsTargetAndKeepsTheLink) {
    TempFolder temp;
    temp.Write("real/Quorvadata.ini", "old");
    std::filesystem::create_symlink("real/Quorvadata.ini", temp.File("link.ini"));
    EXPECT_EQ(WriteFileAtomically(temp.File("link.ini"), "new"), CauseNone);
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("link.ini")));
    EXPECT_EQ(temp.Read("real/Quorvadata.ini"), "new");
    EXPECT_EQ(Names(temp.Path()), (std::set<std::string>{"link.ini", "real"}));
    EXPECT_EQ(Names(temp.File("real")), std::set<std::string>{"Quorvadata.ini"});
}
