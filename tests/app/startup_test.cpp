#include "startup/startup.h"

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
// read; once it goes on, stale temporary files of the program folder and the simulators' are gone.
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
        // A look that fails, and a read that fails after a look that did not.
        {"link loop", [&] { std::filesystem::create_symlink("Quorvadata.ini", path); }, "unspecified error"},
        {"folder", [&] { std::filesystem::create_directory(path); }, "access denied"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(path);
        c.make();
        std::filesystem::file_status made = std::filesystem::symlink_status(path);
        recorder.messages.clear();
        EXPECT_FALSE(StartUp());
        EXPECT_EQ(recorder.Texts(),
                  std::vector<std::string>{"The following error occurred while trying to open " + path +
                                           "\n\n" + c.cause});
        EXPECT_EQ(std::filesystem::symlink_status(path).type(), made.type());
        ShutDown();
    }

    std::filesystem::remove(path);
    program.Write(".quorva-k7Qx2z", "[SERVER]\r\nHostName=half");
    prefix.Write("drive_c/Games/Racing/.quorva-Hq3vLm", " race 1 len");
    timespec hourAgo[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const std::string& stale :
         {program.File(".quorva-k7Qx2z"), prefix.File("drive_c/Games/Racing/.quorva-Hq3vLm")})
        utimensat(AT_FDCWD, stale.c_str(), hourAgo, 0);
    ASSERT_TRUE(StartUp());
    EXPECT_FALSE(program.Exists(".quorva-k7Qx2z"));
    EXPECT_FALSE(prefix.Exists("drive_c/Games/Racing/.quorva-Hq3vLm"));
    ShutDown();
}

namespace {

// quorva-run in a demo installation of its own, run under strace so that system calls on one path fail
// as a failing disk or a network share would make them. LeakSanitizer cannot work under ptrace; the
// sanitizer build's quorva-run runs without it here.
class InjectedFailureTest : public DemoTest {
protected:
    InjectedFailureTest() : DemoTest(SIMSTANDIN_PATH) { environment = "ASAN_OPTIONS=detect_leaks=0"; }

    // injection: the error, and when it comes (strace's ":when=").
    int RunQuorvaFailing(const std::string& path, const std::string& calls,
                         const std::string& injection = "EIO") {
        return RunQuorva("", "strace -qq -o /dev/null -P '" + path + "' -e trace=" + calls +
                                 " -e inject=" + calls + ":error=" + injection);
    }
};

} // namespace

// A lock file that cannot be made only warns. Looking at the settings file, opening it or reading it
// fails; then start-up makes a new one, whose replacement is durable only once the folder is flushed.
// Start-up reads the file once: the reads after it that fail are told, and nothing is written over it,
// so the remembered place stays and the run goes on from it.
TEST_F(InjectedFailureTest, ALockFileThatCannotBeMadeWarnsAndAnIOErrorOnTheSettingsFileEndsTheRun) {
    std::string lock = root.File("program/Quorvadata.lock");
    EXPECT_EQ(RunQuorvaFailing(lock, "openat", "EROFS"), 0);
    EXPECT_EQ(Err(),
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
        EXPECT_EQ(Err(), error);
        EXPECT_EQ(root.Read("program/Quorvadata.ini"), stored);
    }
    Change([] { Server->RememberRace = 1; });
    root.Write("program/Quorvadata.ini", root.Read("program/Quorvadata.ini") + "[SERVER]\r\nLastRace=1\r\n");
    stored = root.Read("program/Quorvadata.ini");
    // Start-up opens the file once and reads it in two calls, the second finding its end.
    for (auto [calls, later] : {std::pair{"openat", "EIO:when=2+"}, std::pair{"read", "EIO:when=3+"}}) {
        SCOPED_TRACE(calls);
        EXPECT_EQ(RunQuorvaFailing(Settings(), calls, later), 0);
        EXPECT_TRUE(Err().starts_with(
            "Quorva: The settings file " + Settings() +
            " could not be read (hardware error); races run without a time limit.\n" + error))
            << Err();
        // The remembered place: the third event runs first.
        EXPECT_TRUE(OutHolds("Next event: bayview / Bayview International Raceway"));
        EXPECT_EQ(root.Read("program/Quorvadata.ini"), stored);
    }
    std::filesystem::remove(Settings());
    EXPECT_EQ(RunQuorvaFailing(root.File("program"), "fsync"), 1);
    EXPECT_TRUE(ErrHolds("Quorva: The following error occurred while trying to flush " + Settings() +
                         " to the disk\n\nhardware error (Input/output error)\n"));
}

// An I/O error keeps the first event file from being written: no simulator starts without it, and the
// schedule goes on. An output log that cannot be opened, by Quorva or by any process it starts, keeps
// no simulator from its race.
TEST_F(InjectedFailureTest,
       AnEventFileThatCannotBeWrittenStartsNothingAndALogThatCannotBeOpenedStopsNothing) {
    EXPECT_EQ(RunQuorvaFailing(root.File(Sims("N3/evt00001.dmn")), "%%stat"), 0);
    EXPECT_EQ(Err(),
              "Quorva: The following error occurred while trying to open C:\\Sims\\N3\\evt00001.dmn\n\n"
              "hardware error\n");
    EXPECT_FALSE(root.Exists(Sims("N3/evt00001.seen")));
    EXPECT_TRUE(OutHolds("\nThe event file C:\\Sims\\N3\\evt00001.dmn could not be written: the simulator "
                         "was not started.\nNext event: oakridge / Oak Ridge Mile"))
        << Out();

    std::string log = root.File(Sims("N3/evt00001.log"));
    EXPECT_EQ(RunQuorva("", "strace -f -qq -o /dev/null -P '" + log +
                                "' -e trace=openat -e inject=openat:error=EROFS"),
              0);
    EXPECT_EQ(Err(), "Quorva: The simulator's output log C:\\Sims\\N3\\evt00001.log cannot be opened (access "
                     "denied): the simulator runs without it.\n");
    EXPECT_TRUE(root.Exists(Sims("N3/evt00001.WON")));
}

// A template that cannot be read makes no race page, so no race is published; a published folder that
// cannot be listed is told with the step that failed and its cause, and so is a file whose name could
// not be matched in a folder that could not be listed. Either way the schedule goes on.
TEST_F(InjectedFailureTest, AnUnreadableTemplateMakesNoPageAndAFolderThatCannotBeListedIsToldAsSuch) {
    const std::string page = root.File("program/Quorvahtml.html");
    EXPECT_EQ(RunQuorvaFailing(page, "read"), 0);
    EXPECT_TRUE(ErrHolds("Quorva: The following error occurred while trying to open " + page +
                         "\n\nhardware error\n"));
    EXPECT_FALSE(root.Exists(Sims("N3/evt00001.html")));
    const std::string results = root.File("program/results");
    for (const auto& entry : std::filesystem::directory_iterator(results))
        EXPECT_TRUE(entry.path().filename() == "index.html" || entry.path().stem() == "status" ||
                    entry.path().stem() == "standings" || entry.path().filename() == "schedule.ics")
            << entry.path();

    EXPECT_EQ(RunQuorvaFailing(results, "getdents64"), 0);
    EXPECT_TRUE(ErrHolds("\n\nThe following error occurred while trying to list the folder " + results +
                         "/\n\nhardware error (Input/output error)\n"))
        << Err();
    EXPECT_TRUE(root.Exists(Sims("N3/evt00003.html")));

    // The simulator writes "evt00001.WON", found as "evt00001.won" through the folder's listing.
    EXPECT_EQ(RunQuorvaFailing(root.File(Sims("N3")), "getdents64"), 0);
    EXPECT_TRUE(
        ErrHolds("Quorva: The following error occurred while trying to open C:\\Sims\\N3\\evt00001.won"
                 "\n\nhardware error\n"))
        << Err();
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
    EXPECT_TRUE(OutHolds("Schedule ended"));
}
