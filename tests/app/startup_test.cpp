#include "app/startup.h"

#include "core/app_state.h"
#include "demo_installation.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"
#include "support/time_stamps.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

class StartUpTest : public ::testing::Test {
protected:
    void RegisterN3() {
        prefix.Write("system.reg",
                     "WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion"
                     "\\\\App Paths\\\\NASCAR Racing 3.exe]\n\"Path\"=\"C:\\\\Games\\\\Racing\"\n");
    }

    ScopedProgramFolder program;
    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    MessageRecorder recorder;
};

} // namespace

TEST_F(StartUpTest, WithoutAnySimulatorTheProgramEndsAndWritesNothing) {
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"No sims have been installed (correctly) on this computer."});
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
    ShutDown();
    ShutDown();
}

TEST_F(StartUpTest, ASettingsFileThatCannotBeReadIsReportedAndLeftAlone) {
    RegisterN3();
    struct Case {
        const char* name;
        void (*make)(const std::string& path);
        const char* cause;
    };
    const Case cases[] = {
        {"folder", [](const std::string& path) { std::filesystem::create_directory(path); }, "access denied"},
        {"FIFO", [](const std::string& path) { mkfifo(path.c_str(), 0644); }, "access denied"},
        {"link loop",
         [](const std::string& path) { std::filesystem::create_symlink("Quorvadata.ini", path); },
         "unspecified error"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(program.SettingsFile());
        c.make(program.SettingsFile());
        recorder.messages.clear();
        EXPECT_FALSE(StartUp());
        EXPECT_EQ(recorder.Texts(),
                  std::vector<std::string>{"The following error occurred while trying to open " +
                                           program.SettingsFile() + "\n\n" + c.cause});
        EXPECT_FALSE(
            std::filesystem::is_regular_file(std::filesystem::symlink_status(program.SettingsFile())));
        ShutDown();
    }
}

TEST_F(StartUpTest, StaleTemporaryFilesInTheProgramFolderAreRemoved) {
    RegisterN3();
    program.Write(".quorva-k7Qx2z", "[SERVER]\r\nHostName=half");
    timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, program.File(".quorva-k7Qx2z").c_str(), hourAgo, 0);
    ASSERT_TRUE(StartUp());
    EXPECT_FALSE(program.Exists(".quorva-k7Qx2z"));
    ShutDown();
}

namespace {

// quorva-run in a demo installation of its own, run under strace so that system calls on one path fail
// as a failing disk or a network share would make them.
class InjectedFailureTest : public DemoTest {
protected:
    // LeakSanitizer cannot work under ptrace; the sanitizer build's quorva-run runs without it here.
    int RunQuorvaUnderStrace(const std::string& straceOptions, const std::string& option = "") {
        environment = "ASAN_OPTIONS=detect_leaks=0";
        return RunQuorva(option, "strace -qq " + straceOptions);
    }

    int RunQuorvaFailing(const std::string& path, const std::string& calls) {
        return RunQuorvaUnderStrace("-o /dev/null -P '" + path + "' -e trace=" + calls +
                                    " -e inject=" + calls + ":error=EIO");
    }
};

} // namespace

TEST_F(InjectedFailureTest, AnIOErrorOnTheSettingsFileEndsTheRunAndWritesNothing) {
    std::string stored = root.Read("program/Quorvadata.ini");
    ASSERT_NE(stored.find("[SCHEDULE]"), std::string::npos);
    // Looking at it, opening it, reading it.
    for (const char* calls : {"%%stat", "openat", "read"}) {
        SCOPED_TRACE(calls);
        EXPECT_EQ(RunQuorvaFailing(Settings(), calls), 1);
        EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")),
                  "Quorva: The following error occurred while trying to open " + Settings() +
                      "\n\nhardware error\n");
        EXPECT_EQ(root.Read("program/Quorvadata.ini"), stored);
    }
}

TEST_F(InjectedFailureTest, AFolderThatCannotBeFlushedFailsTheWrite) {
    // Start-up makes a new settings file; its replacement is durable only once the folder is flushed.
    std::filesystem::remove(Settings());
    std::string folder = root.File("program");
    EXPECT_EQ(RunQuorvaFailing(folder, "fsync"), 1);
    EXPECT_NE(WithoutTimeStamps(root.Read("err.txt"))
                  .find("Quorva: The following error occurred while trying to open " + Settings() +
                        "\n\nhardware error\n"),
              std::string::npos);
}

TEST_F(InjectedFailureTest, ALockFileThatCannotBeMadeLetsTheRunStartWithAWarning) {
    std::string lock = root.File("program/Quorvadata.lock");
    EXPECT_EQ(
        RunQuorvaUnderStrace("-o /dev/null -P '" + lock + "' -e trace=openat -e inject=openat:error=EROFS"),
        0);
    EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")),
              "Quorva: The lock file " + lock +
                  " cannot be made (Read-only file system): the schedule runs, but a second runner of this "
                  "program folder cannot be kept out.\n");
    EXPECT_TRUE(root.Exists("wine/drive_c/Sims/N3/evt00003.html"));
}

TEST_F(InjectedFailureTest, TheProgramsOwnPathIsReadOnce) {
    // Counted against a run that reads it once, to print the usage: a sanitizer's runtime reads it too.
    auto reads = [&](const std::string& option) {
        RunQuorvaUnderStrace("-o '" + root.File("trace.txt") + "' -e trace=readlink,readlinkat", option);
        std::string trace = root.Read("trace.txt");
        int count = 0;
        for (size_t at = trace.find("\"/proc/self/exe\""); at != std::string::npos;
             at = trace.find("\"/proc/self/exe\"", at + 1))
            ++count;
        return count;
    };
    int once = reads("--usage");
    ASSERT_GE(once, 1);
    EXPECT_EQ(reads(""), once);
    EXPECT_NE(root.Read("out.txt").find("Schedule ended"), std::string::npos);
}
