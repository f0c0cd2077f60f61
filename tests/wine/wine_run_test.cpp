#include "wine_prefix.h"

#include "app/demo_installation.h"
#include "platform/profile_file.h"
#include "support/scoped_env.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>

namespace {

using namespace std::chrono_literals;
using ::testing::HasSubstr;

std::string ReadFile(const std::string& path) {
    return {std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {}};
}

// What the Windows stand-in records of its start, for a launch in C:\Sims\<sim>.
std::string Seen(const std::string& sim, const std::string& exe, const std::string& arena, int launch) {
    char event[32];
    std::snprintf(event, sizeof event, "serv: file evt%05d.dmn", launch);
    return "command line: \"" + exe + "\" \"arena:" + arena + "\" \"" + event +
           "\"\ncurrent folder: C:\\Sims\\" + sim + "\nargument 0: " + exe + "\nargument 1: arena:" + arena +
           "\nargument 2: " + event + "\n";
}

// QUORVA_WINE_TEST=<pid> marks the processes of this test's quorva-run, whose environment they inherit.
const std::string testMark = std::to_string(getpid());

// True while a process of this test runs whose command line holds the text (Wine names its processes
// by their Windows command line).
bool ProcessRuns(const std::string& text) {
    for (const auto& entry : std::filesystem::directory_iterator("/proc"))
        if (ReadFile(entry.path() / "cmdline").find(text) != std::string::npos &&
            ReadFile(entry.path() / "environ").find("QUORVA_WINE_TEST=" + testMark) != std::string::npos)
            return true;
    return false;
}

// The demo installation, its simulators the Windows stand-in of the width this Wine runs, copied into the
// test prefix; quorva-run runs its schedule through real Wine, without a display unless a test gives one.
class WineRunTest : public DemoTest {
protected:
    WineRunTest() : DemoTest(TestWinePrefix::Width() == 32 ? SIMSTANDIN32_PATH : SIMSTANDIN64_PATH) {
        winePrefix = TestWinePrefix::Path();
        CopySims();
    }

    // Copied, not linked: Wine names a current folder reached through a link by its target's path.
    void CopySims() {
        std::filesystem::remove_all(sims);
        std::filesystem::copy(root.File("wine/drive_c/Sims"), sims, std::filesystem::copy_options::recursive);
    }

    std::string Sim(const std::string& file) const { return ReadFile(sims + file); }

    std::string sims = TestWinePrefix::Path() + "/drive_c/Sims/";
    ScopedEnv noDisplay{"DISPLAY", nullptr};
    ScopedEnv mark{"QUORVA_WINE_TEST", testMark.c_str()};
};

} // namespace

TEST_F(WineRunTest, BothSimulatorsReadTheirExactCommandLineWithOrWithoutADisplayAndAFailureAtOnceIsTold) {
    Change([] { EventList.resize(2); });
    // xvfb-run gives quorva-run a display of its own.
    ASSERT_EQ(RunQuorva("", "xvfb-run -a env SIMSTANDIN_EXIT_STATUS=53 SIMSTANDIN_ERROR_BYTES=3000000"), 3);
    EXPECT_THAT(Out(), HasSubstr("\"serv: file evt00001.dmn\" (through wine)\n"));
    EXPECT_THAT(Out(), HasSubstr(" with status 53: it did not race.\n"));
    EXPECT_THAT(Out(), HasSubstr("    | simstandin: ends at once with status 53, without a race\n"
                                 "    Everything it wrote is in C:\\Sims\\N3\\evt00001.log ("));
    EXPECT_GT(std::filesystem::file_size(sims + "N3/evt00001.log"), 3000000u);
    EXPECT_EQ(Sim("NL/evt00002.seen"), Seen("NL", "Nascar Legends.exe", "Invisible", 2));

    Change([] {
        Server->ArenaN3 = 2;
        Server->ArenaNL = 1;
    });
    ASSERT_EQ(RunQuorva(), 0) << root.Read("err.txt");
    EXPECT_EQ(Sim("N3/evt00001.seen"), Seen("N3", "Nascar Racing 3.exe", "Charlie", 1));
    EXPECT_EQ(Sim("NL/evt00002.seen"), Seen("NL", "Nascar Legends.exe", "Bowman Gray", 2));
    EXPECT_THAT(Out(), HasSubstr("evt00002.dmn\" (through wine, on a virtual display (xvfb-run -a))\n"));
    EXPECT_EQ(ProfileFile(Settings()).Find("SERVER", "LastRace"), "0");
}

TEST_F(WineRunTest, ACrashEndsTheSimulatorInsteadOfWaitingForTheCrashDialog) {
    Change([] { EventList.resize(1); });
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(RunQuorva("", "env SIMSTANDIN_CRASH=1"), 3);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 60s);
    EXPECT_THAT(Out(), HasSubstr(": it did not race.\n"));
    EXPECT_THAT(Sim("N3/evt00001.log"), HasSubstr("Unhandled page fault"));
}

TEST_F(WineRunTest, TheSecondStopEndsTheWindowsProgram) {
    pid_t quorva = StartQuorva(120000);
    Await([&] { return std::filesystem::exists(sims + "N3/evt00001.seen"); }, 60s);
    ASSERT_TRUE(ProcessRuns("evt00001.dmn"));
    auto signalled = std::chrono::steady_clock::now();
    kill(quorva, SIGTERM);
    std::this_thread::sleep_for(200ms);
    kill(quorva, SIGTERM);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - signalled, 15s);
    EXPECT_THAT(Out(), HasSubstr("Race over: the simulator was ended by signal 15"));
    Await([] { return !ProcessRuns("evt00001.dmn"); }, 5s);
}

// Where this Wine runs only 64-bit programs, a 32-bit simulator fails the check and does not race.
TEST_F(WineRunTest, CheckFindsWineRunningBothSimulatorsAndWhatItCannotRunDidNotRace) {
    ASSERT_EQ(RunQuorva("--check"), 0) << root.Read("out.txt");
    EXPECT_THAT(root.Read("out.txt"),
                HasSubstr("  ok    NASCAR Legends: Wine runs " + std::to_string(TestWinePrefix::Width()) +
                          "-bit Windows programs in the prefix " + TestWinePrefix::Path()));
    EXPECT_THAT(root.Read("out.txt"),
                HasSubstr("NASCAR Racing 3: DISPLAY is not set: Wine runs on a virtual"));
    if (TestWinePrefix::Width() == 32)
        return;
    MakeDemo(SIMSTANDIN32_PATH);
    CopySims();
    ASSERT_EQ(RunQuorva("--check"), 1);
    EXPECT_THAT(root.Read("out.txt"),
                HasSubstr("  FAIL  NASCAR Racing 3: Wine cannot run 32-bit Windows programs in the prefix " +
                          TestWinePrefix::Path() + " (it exited with status 1): install wine32"));
    Change([] { EventList.resize(1); });
    ASSERT_EQ(RunQuorva(), 3);
    EXPECT_THAT(Out(), HasSubstr(": it did not race.\n"));
    EXPECT_THAT(Out(), HasSubstr("load_wow64_ntdll"));
}
