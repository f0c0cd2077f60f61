#include "core/app_state.h"
#include "platform/profile_file.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "support/program_folder.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

// A demo installation in a folder of the test's own, its schedule changed to two events, the first run
// twice; quorva-run runs it with the stand-in simulator racing at once.
class QuorvaRunTest : public ::testing::Test {
protected:
    QuorvaRunTest() {
        std::string command = std::string("'" QUORVA_DEMO_PATH "' '") + root.Path() +
                              "' '" QUORVA_PROGRAM_DIR "' '" + SIMSTANDIN_PATH "' >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0);
        OverrideProgramFilePath(root.File("program/quorva-run"));
        ReadEvents();
        EventList.front()->Runs = 2;
        EventList.pop_back();
        WriteEvents();
        ResetApplicationState();
        OverrideProgramFilePath("");
    }

    int RunQuorva() {
        std::string command = "cd / && WINEPREFIX='" + root.File("wine") + "' SIMSTANDIN_DELAY_MS=0 '" +
                              root.File("program/quorva-run") + "' >'" + root.File("out.txt") + "' 2>'" +
                              root.File("err.txt") + "'";
        int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Simulator(const char* sim) const {
        return root.File(std::string("wine/drive_c/Sims/") + sim + "/");
    }

    void ReplaceSimulator(const char* sim, const char* program, const std::string& script) {
        std::string path = Simulator(sim) + program;
        std::filesystem::remove(path);
        if (script.empty())
            return;
        root.Write(std::string("wine/drive_c/Sims/") + sim + "/" + program, script);
        chmod(path.c_str(), 0755);
    }

    TempFolder root;
};

} // namespace

TEST_F(QuorvaRunTest, RunsTheStoredScheduleToItsEnd) {
    EXPECT_EQ(RunQuorva(), 0);
    for (const char* file : {"N3/evt00001.dmn", "N3/evt00002.dmn", "NL/evt00003.dmn", "N3/evt00001.html",
                             "N3/evt00002.html", "NL/evt00003.html"})
        EXPECT_TRUE(root.Exists(std::string("wine/drive_c/Sims/") + file)) << file;
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00004.dmn"));
    EXPECT_NE(root.Read("wine/drive_c/Sims/NL/evt00003.dmn").find("maxp 24 "), std::string::npos);
    EXPECT_NE(root.Read("wine/drive_c/Sims/NL/evt00003.dmn").find("stn 'evt00003.stn' "), std::string::npos);
    EXPECT_EQ(ProfileFile(root.File("program/Quorvadata.ini")).Find("SERVER", "LastRace"), "0");
    std::string out = root.Read("out.txt");
    EXPECT_NE(out.find("Launch 3: \"Nascar Legends.exe\" \"arena:Invisible\" \"serv: file evt00003.dmn\""),
              std::string::npos);
    EXPECT_NE(out.find("Consecutive run: 2 of 2"), std::string::npos);
    EXPECT_NE(out.find("Schedule ended: stopped."), std::string::npos);
    EXPECT_EQ(root.Read("err.txt"), "");
}

TEST_F(QuorvaRunTest, ASimulatorThatFailsOrIsKilledStillFinishesItsRace) {
    ReplaceSimulator("N3", "Nascar Racing 3.exe", "#!/bin/sh\nexit 3\n");
    ReplaceSimulator("NL", "Nascar Legends.exe", "#!/bin/sh\nkill -9 $$\n");
    EXPECT_EQ(RunQuorva(), 0);
    std::string out = root.Read("out.txt");
    EXPECT_NE(out.find("Race over: the simulator exited with status 3."), std::string::npos);
    EXPECT_NE(out.find("Race over: the simulator was ended by signal 9"), std::string::npos);
    EXPECT_NE(out.find("Launch 3:"), std::string::npos);
}

TEST_F(QuorvaRunTest, AMissingSimulatorEndsTheRunWithTheMessage) {
    ReplaceSimulator("N3", "Nascar Racing 3.exe", "");
    EXPECT_EQ(RunQuorva(), 1);
    EXPECT_EQ(root.Read("err.txt"),
              "Quorva: Could not start simulator\n(C:\\Sims\\N3\\Nascar Racing 3.exe)\nwith the "
              "following commandline parameters:\n\"Nascar Racing 3.exe\" \"arena:Invisible\" "
              "\"serv: file evt00001.dmn\"\n\nTerminating schedule.\n");
    EXPECT_EQ(ProfileFile(root.File("program/Quorvadata.ini")).Find("SERVER", "LastRace"), "0");
}
