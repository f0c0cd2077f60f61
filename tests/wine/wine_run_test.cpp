#include "wine_prefix.h"

#include "core/app_state.h"
#include "platform/profile_file.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"
#include "support/program_folder.h"
#include "support/temp_folder.h"
#include "support/time_stamps.h"

#include <chrono>
#include <csignal>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// What the Windows stand-in records of its start, for a launch in C:\Sims\<sim>.
std::string Seen(const std::string& sim, const std::string& exe, const std::string& arena, int launch) {
    char event[32];
    std::snprintf(event, sizeof event, "serv: file evt%05d.dmn", launch);
    return "command line: \"" + exe + "\" \"arena:" + arena + "\" \"" + event +
           "\"\ncurrent folder: C:\\Sims\\" + sim + "\nargument 0: " + exe + "\nargument 1: arena:" + arena +
           "\nargument 2: " + event + "\n";
}

// The variable that marks the processes of this test's quorva-run, whose environment they inherit.
const std::string testMark = "QUORVA_WINE_TEST=" + std::to_string(getpid());

// True while a process of this test runs whose command line holds the text (Wine names its processes
// by their Windows command line).
bool ProcessRuns(const std::string& text) {
    DIR* proc = opendir("/proc");
    bool found = false;
    while (dirent* entry = readdir(proc)) {
        std::string folder = std::string("/proc/") + entry->d_name;
        if (std::atoi(entry->d_name) > 0 && ReadFile(folder + "/cmdline").find(text) != std::string::npos &&
            ReadFile(folder + "/environ").find(testMark) != std::string::npos)
            found = true;
    }
    closedir(proc);
    return found;
}

// The demo installation in a folder of the test's own, its simulators the Windows stand-in of the width
// this Wine runs, in the test prefix; quorva-run runs its schedule through real Wine.
class WineRunTest : public ::testing::Test {
protected:
    WineRunTest() { UseStandIn(TestWinePrefix::Width()); }

    void UseStandIn(int width) {
        std::string standIn = width == 32 ? SIMSTANDIN32_PATH : SIMSTANDIN64_PATH;
        EXPECT_EQ(RunShell(Quoted(QUORVA_DEMO_PATH) + " " + Quoted(root.Path()) + " " +
                           Quoted(QUORVA_PROGRAM_DIR) + " " + Quoted(standIn) + " >/dev/null"),
                  0);
        sims = TestWinePrefix::UseSimulatorFolders(root.File("wine/drive_c/Sims"));
    }

    // Changes the demo's stored settings and schedule.
    void Change(const std::function<void()>& change) {
        OverrideProgramFilePath(root.File("program/quorva-run"));
        Server = std::make_unique<SERVER>();
        ReadServerSettings();
        ReadEvents();
        change();
        WriteServerSettings();
        WriteEvents();
        ResetApplicationState();
        OverrideProgramFilePath("");
    }

    // Runs quorva-run in the test prefix with the environment given before it; its exit status.
    int RunQuorva(const std::string& environment, const std::string& option = "") const {
        return RunShell("cd / && " + environment + " WINEPREFIX=" + Quoted(TestWinePrefix::Path()) + " " +
                        Quoted(root.File("program/quorva-run")) + option + " >" +
                        Quoted(root.File("out.txt")) + " 2>" + Quoted(root.File("err.txt")));
    }

    std::string Out() const { return root.Read("out.txt"); }
    std::string Sim(const std::string& file) const { return ReadFile(sims + file); }

    TempFolder root;
    std::string sims;
};

} // namespace

TEST_F(WineRunTest, BothSimulatorsReadTheirExactCommandLineOnAVirtualDisplay) {
    Change([] {
        Server->ArenaN3 = 2;
        Server->ArenaNL = 1;
        EventList.resize(2);
    });
    ASSERT_EQ(RunQuorva("env -u DISPLAY SIMSTANDIN_DELAY_MS=0"), 0) << root.Read("err.txt");
    EXPECT_EQ(Sim("N3/evt00001.seen"), Seen("N3", "Nascar Racing 3.exe", "Charlie", 1));
    EXPECT_EQ(Sim("NL/evt00002.seen"), Seen("NL", "Nascar Legends.exe", "Bowman Gray", 2));
    EXPECT_THAT(
        Out(), HasSubstr("\"serv: file evt00002.dmn\" (through wine, on a virtual display (xvfb-run -a))\n"));
    EXPECT_EQ(ProfileFile(root.File("program/Quorvadata.ini")).Find("SERVER", "LastRace"), "0");
}

TEST_F(WineRunTest,
       WithADisplayWineUsesItAndAFailureAtOnceIsToldWithItsLastLinesAndNoLaunchRacedEndsWithStatus3) {
    Change([] { EventList.resize(2); });
    // xvfb-run gives quorva-run a display of its own.
    ASSERT_EQ(RunQuorva("xvfb-run -a env SIMSTANDIN_EXIT_STATUS=53 SIMSTANDIN_ERROR_BYTES=3000000"), 3);
    std::string out = WithoutTimeStamps(Out());
    EXPECT_THAT(out, HasSubstr("\"serv: file evt00001.dmn\" (through wine)\n"));
    EXPECT_THAT(out, HasSubstr(" s after its start with status 53: it did not race.\n"));
    EXPECT_THAT(out, HasSubstr("    | simstandin: ends at once with status 53, without a race\n"
                               "    Everything it wrote is in C:\\Sims\\N3\\evt00001.log ("));
    EXPECT_GT(std::filesystem::file_size(sims + "N3/evt00001.log"), 3000000u);
    EXPECT_EQ(Sim("NL/evt00002.seen"), Seen("NL", "Nascar Legends.exe", "Invisible", 2));
}

TEST_F(WineRunTest, ACrashEndsTheSimulatorInsteadOfWaitingForTheCrashDialog) {
    Change([] { EventList.resize(1); });
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(RunQuorva("env -u DISPLAY SIMSTANDIN_CRASH=1"), 3);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 60s);
    EXPECT_THAT(Out(), HasSubstr(": it did not race.\n"));
    EXPECT_THAT(Sim("N3/evt00001.log"), HasSubstr("Unhandled page fault"));
}

TEST_F(WineRunTest, TheSecondStopEndsTheWindowsProgram) {
    pid_t quorva = fork();
    if (quorva == 0) {
        std::string quorvaRun = root.File("program/quorva-run");
        if (chdir("/") == 0 && freopen(root.File("out.txt").c_str(), "w", stdout) != nullptr) {
            setenv("WINEPREFIX", TestWinePrefix::Path().c_str(), 1);
            setenv("SIMSTANDIN_DELAY_MS", "120000", 1);
            unsetenv("DISPLAY");
            putenv(const_cast<char*>(testMark.c_str()));
            execl(quorvaRun.c_str(), "quorva-run", static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    for (int i = 0; i < 600 && !std::filesystem::exists(sims + "N3/evt00001.seen"); ++i)
        std::this_thread::sleep_for(100ms);
    ASSERT_TRUE(ProcessRuns("evt00001.dmn"));
    auto signalled = std::chrono::steady_clock::now();
    kill(quorva, SIGTERM);
    std::this_thread::sleep_for(200ms);
    kill(quorva, SIGTERM);
    int status = 0;
    waitpid(quorva, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - signalled, 15s);
    EXPECT_THAT(Out(), HasSubstr("Race over: the simulator was ended by signal 15"));
    for (int i = 0; i < 50 && ProcessRuns("evt00001.dmn"); ++i)
        std::this_thread::sleep_for(100ms);
    EXPECT_FALSE(ProcessRuns("evt00001.dmn"));
}

TEST_F(WineRunTest, CheckFindsWineRunningBothSimulatorsOrSaysWhatToDoAndWhatItCannotRunDidNotRace) {
    const std::string width = std::to_string(TestWinePrefix::Width());
    ASSERT_EQ(RunQuorva("env -u DISPLAY", " --check"), 0) << Out();
    EXPECT_THAT(Out(), HasSubstr("  ok    NASCAR Legends: Wine runs " + width +
                                 "-bit Windows programs in the prefix " + TestWinePrefix::Path() + "\n"));
    EXPECT_THAT(Out(),
                HasSubstr("  ok    NASCAR Racing 3: DISPLAY is not set: Wine runs on a virtual display"));

    std::filesystem::remove(sims + "NL/Nascar Legends.exe");
    ASSERT_EQ(RunQuorva("PATH=/nowhere", " --check"), 1);
    EXPECT_THAT(Out(), HasSubstr("  FAIL  NASCAR Racing 3: Wine is not installed (no wine on PATH)"));
    EXPECT_THAT(Out(), HasSubstr("  FAIL  NASCAR Legends: program C:\\Sims\\NL\\Nascar Legends.exe ("));
    // Where this Wine runs only 64-bit programs, a 32-bit simulator fails the check and does not race.
    if (TestWinePrefix::Width() == 32)
        return;
    UseStandIn(32);
    ASSERT_EQ(RunQuorva("env -u DISPLAY", " --check"), 1);
    EXPECT_THAT(Out(),
                HasSubstr("  FAIL  NASCAR Racing 3: Wine cannot run 32-bit Windows programs in the prefix " +
                          TestWinePrefix::Path() + " (it exited with status 1): install wine32"));
    Change([] { EventList.resize(1); });
    ASSERT_EQ(RunQuorva("env -u DISPLAY"), 3);
    EXPECT_THAT(Out(), HasSubstr(": it did not race.\n"));
    EXPECT_THAT(Out(), HasSubstr("load_wow64_ntdll"));
}
