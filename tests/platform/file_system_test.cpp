#include "platform/file_system.h"

#include "support/temp_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

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
        // Refused at once instead of waiting for a writer.
        {"FIFO", temp.File("fifo.ini"), CauseAccessDenied},
    };
    mkfifo(temp.File("fifo.ini").c_str(), 0644);
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

TEST(FileSystem, OnlyNoSuchFileMeansAbsent) {
    TempFolder temp;
    temp.Write("data.ini", "x");
    std::filesystem::create_symlink("loop.ini", temp.File("loop.ini"));
    const PathCase cases[] = {
        {"file", temp.File("data.ini"), CauseNone},
        {"missing file", temp.File("none.ini"), CauseFileNotFound},
        {"under a regular file", temp.File("data.ini/x.ini"), CauseFileNotFound},
        {"empty path", "", CauseFileNotFound},
        // A look that fails may hide a stored file.
        {"link loop", temp.File("loop.ini"), CauseGeneric},
        {"name too long", temp.File(std::string(300, 'n')), CauseBadPath},
    };
    for (const PathCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindFile(c.path), c.cause);
        EXPECT_EQ(PathExists(c.path), c.cause != CauseFileNotFound);
    }
    // Nothing is written over a file that could not be looked at.
    EXPECT_EQ(WriteFileAtomically(temp.File("loop.ini"), "new"), CauseGeneric);
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("loop.ini")));
    EXPECT_EQ(Names(temp.Path()), (std::set<std::string>{"data.ini", "loop.ini"}));
}

TEST(FileSystem, ReplacingKeepsOwnerAndGroupAndANewFileTakesTheFolders) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file away";
    TempFolder temp;
    const uid_t user = 65534;
    const gid_t group = 65534;
    temp.Write("Quorvadata.ini", "old");
    chown(temp.File("Quorvadata.ini").c_str(), user, group);
    EXPECT_EQ(WriteFileAtomically(temp.File("Quorvadata.ini"), "new"), CauseNone);
    struct stat replaced {};
    stat(temp.File("Quorvadata.ini").c_str(), &replaced);
    EXPECT_EQ(replaced.st_uid, user);
    EXPECT_EQ(replaced.st_gid, group);

    std::filesystem::create_directory(temp.File("results"));
    chown(temp.File("results").c_str(), user, group);
    EXPECT_EQ(WriteFileAtomically(temp.File("results/page.html"), "page"), CauseNone);
    struct stat made {};
    stat(temp.File("results/page.html").c_str(), &made);
    EXPECT_EQ(made.st_uid, user);
    EXPECT_EQ(made.st_gid, group);
}

TEST(FileSystem, StaleTemporaryFilesOfOursAreRemovedAndNothingElse) {
    TempFolder temp;
    // Two minutes untouched: a crashed replacement. Fresh ones may belong to a write in progress.
    const std::string stale[] = {".quorva-a1B2c3", ".quorva-XXXXXX"};
    const std::string kept[] = {".quorva-fresh1", ".quorva-long123", ".quorva-short",
                                "quorva-a1B2c3",  "Quorvadata.ini",  ".quorva-folder"};
    for (const std::string& name : stale)
        temp.Write(name, "partial");
    for (const std::string& name : kept)
        if (name != ".quorva-folder")
            temp.Write(name, "keep");
    std::filesystem::create_directory(temp.File(".quorva-folder"));
    timespec twoMinutesAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    for (const std::string& name : kept)
        if (name != ".quorva-fresh1")
            utimensat(AT_FDCWD, temp.File(name).c_str(), twoMinutesAgo, 0);
    for (const std::string& name : stale)
        utimensat(AT_FDCWD, temp.File(name).c_str(), twoMinutesAgo, 0);
    RemoveStaleTemporaryFiles(temp.Path());
    EXPECT_EQ(Names(temp.Path()), std::set<std::string>(std::begin(kept), std::end(kept)));
    RemoveStaleTemporaryFiles(temp.File("missing"));
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
