#include "core/app_state.h"
#include "platform/profile_file.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"
#include "support/program_folder.h"
#include "support/temp_folder.h"
#include "support/time_stamps.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

    void SetRaceDelay(int minutes) {
        OverrideProgramFilePath(root.File("program/quorva-run"));
        Server = std::make_unique<SERVER>();
        ReadServerSettings();
        Server->RaceDelay = minutes;
        WriteServerSettings();
        ResetApplicationState();
        OverrideProgramFilePath("");
    }

    // Starts quorva-run in the background, the stand-in racing for raceMilliseconds.
    pid_t StartQuorva(int raceMilliseconds) {
        pid_t pid = fork();
        if (pid == 0) {
            setenv("WINEPREFIX", root.File("wine").c_str(), 1);
            setenv("SIMSTANDIN_DELAY_MS", std::to_string(raceMilliseconds).c_str(), 1);
            freopen(root.File("out.txt").c_str(), "w", stdout);
            execl(root.File("program/quorva-run").c_str(), "quorva-run", static_cast<char*>(nullptr));
            _exit(127);
        }
        return pid;
    }

    static int ExitStatusOf(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int RunQuorva(const std::string& options = "") {
        std::string command = "cd / && WINEPREFIX='" + root.File("wine") + "' SIMSTANDIN_DELAY_MS=0 " +
                              environment + " '" + root.File("program/quorva-run") + "' " + options + " >'" +
                              root.File("out.txt") + "' 2>'" + root.File("err.txt") + "'";
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
    // More variables for RunQuorva, "NAME=value ...".
    std::string environment;
};

// Whether the process runs: a zombie has ended, though no parent may be left to collect it.
bool IsRunning(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    std::getline(stat, text);
    size_t close = text.rfind(')');
    return close != std::string::npos && close + 2 < text.size() && text[close + 2] != 'Z';
}

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
    EXPECT_TRUE(WithoutTimeStamps(out).ends_with(
        "\nSchedule ended: the schedule reached its end. 3 races run, 0 launches that did not race, 0 races "
        "ended by the time limit or SIGUSR1.\n"));
    EXPECT_EQ(root.Read("err.txt"), "");
}

TEST_F(QuorvaRunTest, TwoRunsKeepEveryRaceAndTheIndexListsEachOnceNewestFirst) {
    EXPECT_EQ(RunQuorva(), 0);
    EXPECT_EQ(RunQuorva(), 0);
    // Newest first: in the order the JSON copies were written, the last first.
    std::vector<std::pair<std::filesystem::file_time_type, std::string>> copies;
    for (const auto& entry : std::filesystem::directory_iterator(root.File("program/results")))
        if (entry.path().extension() == ".json" && entry.path().filename() != "status.json")
            copies.emplace_back(entry.last_write_time(), entry.path().stem().string());
    std::sort(copies.rbegin(), copies.rend());
    ASSERT_EQ(copies.size(), 6u);
    std::string index = root.Read("program/results/index.html");
    size_t previous = 0;
    for (const auto& [time, name] : copies) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(root.Exists("program/results/" + name + ".html"));
        size_t at = index.find("href=\"" + name + ".html\"");
        EXPECT_GT(at, previous);
        EXPECT_EQ(index.find("href=\"" + name + ".html\"", at + 1), std::string::npos);
        previous = at;
    }
    EXPECT_NE(root.Read("program/results/status.json").find("\"state\": \"stopped-at-end\""),
              std::string::npos);
}

TEST_F(QuorvaRunTest, AClosedOutputDoesNotEndTheRun) {
    std::string command = "cd / && WINEPREFIX='" + root.File("wine") + "' SIMSTANDIN_DELAY_MS=0 '" +
                          root.File("program/quorva-run") +
                          "' | head -c 1 >/dev/null; exit \\${PIPESTATUS[0]}";
    EXPECT_EQ(std::system(("bash -c \"" + command + "\"").c_str()), 0);
    EXPECT_TRUE(root.Exists("wine/drive_c/Sims/NL/evt00003.html"));
}

// Launches that did not race: each told with its last lines; the second in a row holds the next launch
// back; a run in which no launch raced ends with status 3.
TEST_F(QuorvaRunTest, ASimulatorThatFailsAtOnceDidNotRaceAndTheScheduleGoesOn) {
    OverrideProgramFilePath(root.File("program/quorva-run"));
    ReadEvents();
    EventList.front()->Runs = 1;
    WriteEvents();
    ResetApplicationState();
    OverrideProgramFilePath("");
    ReplaceSimulator("N3", "Nascar Racing 3.exe", "#!/bin/sh\necho 'cannot open the track' >&2\nexit 3\n");
    ReplaceSimulator("NL", "Nascar Legends.exe", "#!/bin/sh\nkill -9 $$\n");
    EXPECT_EQ(RunQuorva(), 3);
    std::string out = WithoutTimeStamps(root.Read("out.txt"));
    EXPECT_NE(out.find(" s after its start with status 3: it did not race.\n    | cannot open the track\n"
                       "    Everything it wrote is in C:\\Sims\\N3\\evt00001.log (" +
                       Simulator("N3") + "evt00001.log)\n"),
              std::string::npos);
    EXPECT_NE(out.find(" s after its start by signal 9 (Killed): it did not race.\n"
                       "    Everything it wrote is in C:\\Sims\\NL\\evt00002.log ("),
              std::string::npos);
    EXPECT_NE(out.find("\n2 launches in a row did not race: the next launch waits at least 1 minute, until "),
              std::string::npos);
    EXPECT_TRUE(out.ends_with("\nSchedule ended: the schedule reached its end. 0 races run, 2 launches that "
                              "did not race, 0 races ended by the time limit or SIGUSR1.\n"));
    EXPECT_EQ(root.Read("wine/drive_c/Sims/N3/evt00001.log"), "cannot open the track\n");
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00001.html"));
}

TEST_F(QuorvaRunTest, AMissingSimulatorEndsTheRunWithTheMessage) {
    ReplaceSimulator("N3", "Nascar Racing 3.exe", "");
    EXPECT_EQ(RunQuorva(), 1);
    EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")),
              "Quorva: Could not start simulator\n(C:\\Sims\\N3\\Nascar Racing 3.exe)\nwith the "
              "following commandline parameters:\n\"Nascar Racing 3.exe\" \"arena:Invisible\" "
              "\"serv: file evt00001.dmn\"\n\nTerminating schedule.\n");
    EXPECT_EQ(ProfileFile(root.File("program/Quorvadata.ini")).Find("SERVER", "LastRace"), "0");
    EXPECT_TRUE(root.Read("out.txt").ends_with(
        "] Schedule ended on an error: the simulator could not be started. 0 races run, 0 launches that did "
        "not race, 0 races ended by the time limit or SIGUSR1.\n"));
}

TEST_F(QuorvaRunTest, AStopSignalEndsTheCountdownOrWaitsForTheRace) {
    using namespace std::chrono_literals;
    using Clock = std::chrono::steady_clock;
    SetRaceDelay(1);
    // During the first countdown: the schedule stops at once.
    pid_t quorva = StartQuorva(0);
    std::this_thread::sleep_for(300ms);
    Clock::time_point signalled = Clock::now();
    kill(quorva, SIGINT);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    EXPECT_LT(Clock::now() - signalled, 2s);
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00001.WON"));
    EXPECT_TRUE(
        WithoutTimeStamps(root.Read("out.txt"))
            .ends_with(
                "\nSIGINT received: the schedule stops.\nSchedule ended: stopped by SIGINT. 0 races run, "
                "0 launches that did not race, 0 races ended by the time limit or SIGUSR1.\n"));

    // During a race: the race is run to its end, then the schedule stops; a second signal ends the race.
    // SIGHUP and SIGQUIT stop as SIGTERM does.
    SetRaceDelay(0);
    for (int signal : {SIGTERM, SIGHUP, SIGQUIT}) {
        SCOPED_TRACE(signal);
        std::filesystem::remove(root.File("wine/drive_c/Sims/N3/evt00001.WON"));
        quorva = StartQuorva(1500);
        std::this_thread::sleep_for(300ms);
        kill(quorva, signal);
        EXPECT_EQ(ExitStatusOf(quorva), 0);
        EXPECT_TRUE(root.Exists("wine/drive_c/Sims/N3/evt00001.WON"));
        EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00002.dmn"));
        std::string name = std::string("SIG") + sigabbrev_np(signal);
        EXPECT_NE(root.Read("out.txt").find("] " + name +
                                            " received: the schedule stops when this race is "
                                            "over; send it again to end the race now.\n"),
                  std::string::npos);
        EXPECT_TRUE(
            root.Read("out.txt").ends_with("] Schedule ended: stopped by " + name +
                                           ". 1 race run, 0 launches that did not race, 0 races ended "
                                           "by the time limit or SIGUSR1.\n"));
    }

    quorva = StartQuorva(60000);
    std::this_thread::sleep_for(300ms);
    signalled = Clock::now();
    kill(quorva, SIGTERM);
    std::this_thread::sleep_for(100ms);
    kill(quorva, SIGTERM);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    EXPECT_LT(Clock::now() - signalled, 5s);
    EXPECT_NE(root.Read("out.txt").find("] SIGTERM received again: the race is ended now.\n"),
              std::string::npos);
    EXPECT_NE(root.Read("out.txt").find("Race over: the simulator was ended by signal 15"),
              std::string::npos);
}

// Races that run past their limit are ended, gently first and for good after the grace time, with what
// they left running; each counts as run, publishes nothing, and the schedule goes on.
TEST_F(QuorvaRunTest, TheWatchdogEndsARaceThatRunsPastItsLimit) {
    ReplaceSimulator("N3", "Nascar Racing 3.exe",
                     "#!/bin/sh\ntrap '' TERM\nsleep 60 &\necho $! > '" + root.File("left.pid") +
                         "'\nwhile :; do sleep 0.1; done\n");
    environment = "QUORVA_TEST_RACE_SECONDS=1 SIMSTANDIN_DELAY_MS=60000";
    EXPECT_EQ(RunQuorva(), 0);
    std::string out = WithoutTimeStamps(root.Read("out.txt"));
    EXPECT_NE(
        out.find("Race over: the race ran past its time limit and was ended: the simulator was ended by "
                 "signal 9 (Killed) (the race ran from "),
        std::string::npos)
        << out;
    EXPECT_NE(
        out.find("Race over: the race ran past its time limit and was ended: the simulator was ended by "
                 "signal 15 (Terminated) (the race ran from "),
        std::string::npos);
    EXPECT_TRUE(out.ends_with("\nSchedule ended: the schedule reached its end. 0 races run, 0 launches that "
                              "did not race, 3 races ended by the time limit or SIGUSR1.\n"));
    EXPECT_TRUE(root.Exists("wine/drive_c/Sims/NL/evt00003.dmn"));
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/NL/evt00003.html"));
    EXPECT_FALSE(IsRunning(std::stoi(root.Read("left.pid"))));
}

TEST_F(QuorvaRunTest, SigusrOneEndsTheRaceAndTheScheduleGoesOn) {
    using namespace std::chrono_literals;
    pid_t quorva = StartQuorva(60000);
    while (!root.Exists("wine/drive_c/Sims/N3/evt00001.seen"))
        std::this_thread::sleep_for(20ms);
    kill(quorva, SIGUSR1);
    while (!root.Exists("wine/drive_c/Sims/N3/evt00002.seen"))
        std::this_thread::sleep_for(20ms);
    kill(quorva, SIGTERM);
    std::this_thread::sleep_for(100ms);
    kill(quorva, SIGTERM);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    std::string out = WithoutTimeStamps(root.Read("out.txt"));
    EXPECT_NE(out.find("\nSIGUSR1 received: the race in progress is ended; the schedule goes on.\nRace over: "
                       "the race was ended on the operator's request: the simulator was ended by signal 15"),
              std::string::npos)
        << out;
}

// Under systemd (NOTIFY_SOCKET), quorva-run says it is ready and keeps a status line current.
TEST_F(QuorvaRunTest, ItTellsSystemdItIsReadyAndWhatItDoes) {
    std::string path = root.File("notify");
    int receiver = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    path.copy(address.sun_path, path.size());
    ASSERT_EQ(bind(receiver, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    environment = "NOTIFY_SOCKET='" + path + "'";
    EXPECT_EQ(RunQuorva(), 0);
    std::vector<std::string> said;
    char message[512];
    for (ssize_t got; (got = recv(receiver, message, sizeof message, MSG_DONTWAIT)) > 0;)
        said.emplace_back(message, static_cast<size_t>(got));
    close(receiver);
    ASSERT_EQ(said.size(), 8u);
    EXPECT_EQ(said[0], "READY=1");
    EXPECT_TRUE(said[1].starts_with("STATUS=Counting down to Ashford Motor Speedway, start ")) << said[1];
    EXPECT_TRUE(said[2].starts_with("STATUS=Race in progress: Ashford Motor Speedway since ")) << said[2];
    EXPECT_TRUE(said[6].starts_with("STATUS=Race in progress: Oak Ridge Mile since ")) << said[6];
    EXPECT_EQ(said[7], "STOPPING=1");
}

TEST_F(QuorvaRunTest, ASecondRunnerOfTheFolderRefusesToStart) {
    using namespace std::chrono_literals;
    SetRaceDelay(0);
    pid_t first = StartQuorva(60000);
    while (!root.Exists("wine/drive_c/Sims/N3/evt00001.seen"))
        std::this_thread::sleep_for(20ms);
    EXPECT_EQ(RunQuorva(), 4);
    EXPECT_EQ(WithoutTimeStamps(root.Read("err.txt")),
              "Quorva: The schedule of this program folder is already running (quorva-run, process " +
                  std::to_string(first) + ").\n");
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00002.dmn"));
    kill(first, SIGTERM);
    std::this_thread::sleep_for(100ms);
    kill(first, SIGTERM);
    EXPECT_EQ(ExitStatusOf(first), 0);
}

TEST_F(QuorvaRunTest, CheckReportsTheInstallationAndRunsNothing) {
    EXPECT_EQ(RunQuorva("--check"), 0);
    std::string out = root.Read("out.txt");
    EXPECT_NE(out.find("\n  ok    NASCAR Legends: program C:\\Sims\\NL\\Nascar Legends.exe (" +
                       Simulator("NL") + "Nascar Legends.exe): a Linux program, started directly\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\n  ok    Schedule: 2 events\n"), std::string::npos);
    EXPECT_TRUE(out.ends_with("\nReady: everything a schedule needs is in place (1 warning).\n")) << out;
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00001.dmn"));

    ReplaceSimulator("N3", "Nascar Racing 3.exe", "");
    EXPECT_EQ(RunQuorva("--check"), 1);
    out = root.Read("out.txt");
    EXPECT_NE(out.find("\n  FAIL  NASCAR Racing 3: program C:\\Sims\\N3\\Nascar Racing 3.exe ("),
              std::string::npos);
    EXPECT_TRUE(out.ends_with("\nNot ready: 1 point fails (1 warning); put them right and check again.\n"))
        << out;
}

TEST_F(QuorvaRunTest, AnyOtherOptionGivesTheUsage) {
    for (const char* options : {"--bogus", "--check --check", "check"}) {
        SCOPED_TRACE(options);
        EXPECT_EQ(RunQuorva(options), 2);
        EXPECT_EQ(root.Read("out.txt"), "");
        EXPECT_EQ(root.Read("err.txt"),
                  "usage: quorva-run          runs the schedule stored in " +
                      root.File("program/Quorvadata.ini") +
                      "\n       quorva-run --check  checks the simulators, Wine and "
                      "the schedule, and runs nothing\nWhile it runs, SIGINT, SIGTERM, "
                      "SIGHUP or SIGQUIT stops the schedule after the race in progress\n(a "
                      "second one ends the race now), and SIGUSR1 ends the race in progress "
                      "while the schedule goes on.\n");
    }
    EXPECT_FALSE(root.Exists("wine/drive_c/Sims/N3/evt00001.dmn"));
}
