#include "platform/file_system.h"

#include "support/temp_folder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FileSystemTest : public ::testing::Test {
protected:
    // Everything in the folder, so a test sees a temporary file left behind.
    std::set<std::string> Names(const std::string& folder = "") const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(temp.File(folder)))
            names.insert(entry.path().filename().string());
        return names;
    }

    struct stat Stat(const std::string& name) const {
        struct stat info {};
        stat(temp.File(name).c_str(), &info);
        return info;
    }

    TempFolder temp;
};

} // namespace

TEST_F(FileSystemTest, ReadGivesEveryByteOrTheCauseAndOnlyNoSuchFileMeansAbsent) {
    // Longer than one read, with NUL bytes and both line ends.
    std::string bytes = std::string("[S]\r\nA=\0\xff\n", 11) + std::string(2 * 65536 + 1, 'x');
    temp.Write("data.ini", bytes);
    mkfifo(temp.File("fifo.ini").c_str(), 0644);
    std::filesystem::create_symlink("loop.ini", temp.File("loop.ini"));
    for (const char* name : {"largest.ini", "larger.ini"})
        temp.Write(name, "");
    std::filesystem::resize_file(temp.File("largest.ini"), largestReadFile);
    std::filesystem::resize_file(temp.File("larger.ini"), largestReadFile + 1);
    EXPECT_EQ(ReadFileBytes(temp.File("largest.ini")).bytes.size(), largestReadFile);
    const struct {
        const char* name;
        std::string path;
        FileCause readCause, findCause;
    } rows[] = {{"file", temp.File("data.ini"), CauseNone, CauseNone},
                {"missing file", temp.File("none.ini"), CauseFileNotFound, CauseFileNotFound},
                {"under a regular file", temp.File("data.ini/x.ini"), CauseBadPath, CauseFileNotFound},
                {"empty path", "", CauseFileNotFound, CauseFileNotFound},
                {"folder", temp.Path(), CauseAccessDenied, CauseNone},
                // Refused at once instead of waiting for a writer.
                {"FIFO", temp.File("fifo.ini"), CauseAccessDenied, CauseNone},
                // A look that fails may hide a stored file.
                {"link loop", temp.File("loop.ini"), CauseGeneric, CauseGeneric},
                // Refused before a byte of it is read.
                {"beyond the largest file", temp.File("larger.ini"), CauseTooLarge, CauseNone}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        FileReadResult read = ReadFileBytes(row.path);
        EXPECT_EQ(read.cause, row.readCause);
        EXPECT_TRUE(read.bytes == (row.readCause == CauseNone ? bytes : ""));
        EXPECT_EQ(FindFile(row.path), row.findCause);
        EXPECT_EQ(PathExists(row.path), row.findCause != CauseFileNotFound);
    }
}

TEST_F(FileSystemTest, ReplacingKeepsOwnerAndGroupAndANewFileTakesTheFolders) {
    if (geteuid() != 0)
        GTEST_SKIP() << "only root may give a file away";
    const uid_t nobody = 65534;
    temp.Write("Quorvadata.ini", "old");
    std::filesystem::create_directory(temp.File("results"));
    for (const char* name : {"Quorvadata.ini", "results"})
        chown(temp.File(name).c_str(), nobody, nobody);
    EXPECT_EQ(WriteFileAtomically(temp.File("Quorvadata.ini"), "new").cause, CauseNone);
    EXPECT_EQ(WriteFileAtomically(temp.File("results/page.html"), "page").cause, CauseNone);
    for (const char* name : {"Quorvadata.ini", "results/page.html"})
        EXPECT_EQ(std::pair(Stat(name).st_uid, Stat(name).st_gid), std::pair(nobody, nobody)) << name;
}

TEST_F(FileSystemTest, StaleTemporaryFilesOfOursAreRemovedAndNothingElse) {
    // Two minutes untouched: a crashed replacement. Fresh ones may belong to a write in progress.
    timespec twoMinutesAgo[2] = {{time(nullptr) - 120, 0}, {time(nullptr) - 120, 0}};
    std::filesystem::create_directory(temp.File(".quorva-folder"));
    for (const char* name : {".quorva-a1B2c3", ".quorva-XXXXXX", ".quorva-long123", ".quorva-short",
                             "quorva-a1B2c3", "Quorvadata.ini", ".quorva-folder"}) {
        if (std::string(name) != ".quorva-folder")
            temp.Write(name, "partial");
        utimensat(AT_FDCWD, temp.File(name).c_str(), twoMinutesAgo, 0);
    }
    temp.Write(".quorva-fresh1", "partial");
    RemoveStaleTemporaryFiles(temp.Path());
    EXPECT_EQ(Names(), (std::set<std::string>{".quorva-folder", ".quorva-fresh1", ".quorva-long123",
                                              ".quorva-short", "quorva-a1B2c3", "Quorvadata.ini"}));
}

// An operator's permissions and a settings file kept elsewhere through a link survive every replace.
TEST_F(FileSystemTest, ReplacingKeepsTheModeAndWritesThroughALinkAndARefusedWriteLeavesEverythingAsItWas) {
    mode_t mask = umask(027);
    EXPECT_EQ(WriteFileAtomically(temp.File("new.ini"), "a").cause, CauseNone);
    umask(mask);
    EXPECT_EQ(Stat("new.ini").st_mode & 07777, 0640u);
    chmod(temp.File("new.ini").c_str(), 0604);
    EXPECT_EQ(WriteFileAtomically(temp.File("new.ini"), "b").cause, CauseNone);
    EXPECT_EQ(Stat("new.ini").st_mode & 07777, 0604u);
    temp.Write("real/Quorvadata.ini", "old");
    std::filesystem::create_symlink("real/Quorvadata.ini", temp.File("link.ini"));
    EXPECT_EQ(WriteFileAtomically(temp.File("link.ini"), "new").cause, CauseNone);
    EXPECT_TRUE(std::filesystem::is_symlink(temp.File("link.ini")));
    EXPECT_EQ(temp.Read("real/Quorvadata.ini"), "new");
    EXPECT_EQ(Names("real"), std::set<std::string>{"Quorvadata.ini"});

    temp.Write("readonly.ini", "old");
    temp.Write("plain", "x");
    chmod(temp.File("readonly.ini").c_str(), 0444);
    std::filesystem::create_directory(temp.File("folder"));
    const struct {
        std::string name;
        FileCause cause;
        FileStep step;
    } rows[] = {{"readonly.ini", CauseAccessDenied, FileStep::Open},
                {"folder", CauseAccessDenied, FileStep::Open},
                {"plain/x.ini", CauseBadPath, FileStep::Open},
                {std::string(300, 'n'), CauseBadPath, FileStep::Open}};
    for (const auto& row : rows) {
        FileFailure failure = WriteFileAtomically(temp.File(row.name), "new");
        EXPECT_EQ(std::pair(failure.cause, failure.step), std::pair(row.cause, row.step)) << row.name;
    }
    EXPECT_EQ(temp.Read("readonly.ini"), "old");
    EXPECT_EQ(Stat("readonly.ini").st_mode & 07777, 0444u);
    EXPECT_EQ(Names(),
              (std::set<std::string>{"folder", "link.ini", "new.ini", "plain", "readonly.ini", "real"}));
    EXPECT_TRUE(Names("folder").empty());
}
