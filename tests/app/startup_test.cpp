#include "app/startup.h"

#include "demo_installation.h"
#include "support/message_recorder.h"
#include "support/scoped_env.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <vector>

// Start-up ends, telling why and writing nothing, without a simulator or with a settings file it cannot
// read; once it goes on, stale temporary files of the program folder are gone.
TEST(StartUpTest, EndsWithoutASimulatorOrReadableSettingsAndRemovesStaleTemporaryFiles) {
    ScopedProgramFolder program;
    TempFolder prefix;
    ScopedEnv wine("WINEPREFIX", prefix.Path().c_str());
    MessageRecorder recorder;
    EXPECT_FALSE(StartUp());
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"No sims have been installed (correctly) on this computer."});
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
    ShutDown();
    ShutDown();

    prefix.Write("system.reg",
                 "WINE REGISTRY Version 2\n\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion"
                 "\\\\App Paths\\\\NASCAR Racing 3.exe]\n\"Path\"=\"C:\\\\Games\\\\Racing\"\n");
    const std::string path = program.SettingsFile();
    const struct {
        const char* name;
        std::function<void()> make;
        const char* cause;
    } cases[] = {
        {"folder", [&] { std::filesystem::create_directory(path); }, "access denied"},
        {"FIFO", [&] { mkfifo(path.c_str(), 0644); }, "access denied"},
        {"link loop", [&] { std::filesystem::create_symlink("Quorvadata.ini", path); }, "unspecified error"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        c.make();
        recorder.messages.clear();
        EXPECT_FALSE(StartUp());
        EXPECT_EQ(recorder.Texts(),
                  std::vector<std::string>{"The following error occurred while trying to open " + path +
                                           "\n\n" + c.cause});
        EXPECT_FALSE(std::filesystem::is_regular_file(std::filesystem::symlink_status(path)));
        ShutDown();
    }

    std::filesystem::remove(path);
    program.Write(".quorva-k7Qx2z", "[SERVER]\r\nHostName=half");
    timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    utimensat(AT_FDCWD, program.File(".quorva-k7Qx2z").c_str(), hourAgo, 0);
    ASSERT_TRUE(StartUp());
    EXPECT_FALSE(program.Exists(".quorva-k7Qx2z"));
    ShutDown();
}

namespace {

// quorva-run in a demo installation of its own, run under strace so that system calls on one path fail
// as a failing disk or a network share would make them. LeakSanitizer cannot work under ptrace; the
// sanitizer build's quorva-run runs without it here.
class InjectedFailureTest : public DemoTest {
protected:
    InjectedFailureTest() : DemoTest(SIMSTANDIN_PATH) { environment = "ASAN_OPTIONS=detect_leaks=0"; }

    int RunQuorvaFailing(const std::string& path, const std::string& calls,
                         const std::string& error = "EIO") {
        return RunQuorva("", "strace -qq -o /dev/null -P '" + path + "' -e trace=" + calls +
                                 " -e inject=" + calls + ":error=" + error);
    }
};

} // namespace

// A lock file that cannot be made only warns. Looking at the settings file, opening it or reading it
// fails; then start-up makes a new one, whose replacement is durable only once the folder is flushed.
TEST_F(InjectedFailureTest, ALockFileThatCannotBeMadeWarnsAndAnIOErrorOnTheSettingsFileEndsTheRun) {
    std::string lock = root.File("program/Quorvadata.lock");
    EXPECT_EQ(RunQuorvaFailing(lock, "openat", "EROFS"), 0);
    EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")),
              "Quorva: The lock file " + lock +
                  " cannot be made (Read-only file system): the schedule runs, but a second runner of this "
                  "program folder cannot be kept out.\n");
    ASSERT_TRUE(root.Exists("wine/drive_c/Sims/N3/evt00003.html"));
    std::string stored = root.Read("program/Quorvadata.ini");
    const std::string error =
        "Quorva: The following error occurred while trying to open " + Settings() + "\n\nhardware error\n";
    for (const char* calls : {"%%stat", "openat", "read"}) {
        SCOPED_TRACE(calls);
        EXPECT_EQ(RunQuorvaFailing(Settings(), calls), 1);
        EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")), error);
        EXPECT_EQ(root.Read("program/Quorvadata.ini"), stored);
    }
    std::filesystem::remove(Settings());
    EXPECT_EQ(RunQuorvaFailing(root.File("program"), "fsync"), 1);
    EXPECT_NE(WithoutTimeStamps(root.Read("err.txt"))
                  .find("Quorva: The following error occurred while trying to flush " + Settings() +
                        " to the disk\n\nhardware error (Input/output error)\n"),
              std::string::npos);
}

// A template that cannot be read makes no race page, so no race is published; a published folder that
// cannot be listed is told with the step that failed and its cause. Either way the schedule goes on.
TEST_F(InjectedFailureTest, AnUnreadableTemplateMakesNoPageAndAFolderThatCannotBeListedIsToldAsSuch) {
    const std::string page = root.File("program/Quorvahtml.html");
    EXPECT_EQ(RunQuorvaFailing(page, "read"), 0);
    EXPECT_NE(WithoutTimeStamps(root.Read("err.txt"))
                  .find("Quorva: The following error occurred while trying to open " + page +
                        "\n\nhardware error\n"),
              std::string::npos);
    EXPECT_FALSE(root.Exists(Sims("N3/evt00001.html")));
    const std::string results = root.File("program/results");
    for (const auto& entry : std::filesystem::directory_iterator(results))
        EXPECT_TRUE(entry.path().filename() == "index.html" || entry.path().stem() == "status")
            << entry.path();

    EXPECT_EQ(RunQuorvaFailing(results, "getdents64"), 0);
    EXPECT_NE(WithoutTimeStamps(root.Read("err.txt"))
                  .find("\n\nThe following error occurred while trying to list the folder " + results +
                        "/\n\nhardware error (Input/output error)\n"),
              std::string::npos)
        << root.Read("err.txt");
    EXPECT_TRUE(root.Exists(Sims("N3/evt00003.html")));
}

TEST_F(InjectedFailureTest, TheProgramsOwnPathIsReadOnce) {
    // Counted against a run that reads it once, to print the usage: a sanitizer's runtime reads it too.
    auto reads = [&](const std::string& option) {
        RunQuorva(option, "strace -qq -o '" + root.File("trace.txt") + "' -e trace=readlink,readlinkat");
        std::string trace = root.Read("trace.txt");
        std::regex exe("\"/proc/self/exe\"");
        return std::distance(std::sregex_iterator(trace.begin(), trace.end(), exe), std::sregex_iterator());
    };
    int once = reads("--usage");
    ASSERT_GE(once, 1);
    EXPECT_EQ(reads(""), once);
    EXPECT_NE(root.Read("out.txt").find("Schedule ended"), std::string::npos);
}
