#include "demo_installation.h"
#include "schedule/countdown.h"

#include <csignal>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sys/socket.h>
#include <sys/un.h>

// The decisions of a running schedule are the runner's, tested with fakes; these tests prove that
// quorva-run wires the runner to the real clock, processes, signals, console and systemd.

namespace {

using namespace std::chrono_literals;

// The demo's schedule changed to two events, the first run twice.
class QuorvaRunTest : public DemoTest {
protected:
    QuorvaRunTest() : DemoTest(SIMSTANDIN_PATH) {
        Change([] {
            EventList.front()->Runs = 2;
            EventList.pop_back();
        });
    }
};

} // namespace

// --check reports on the stored schedule (what it finds is the installation check's), gives the verdict
// as its status and runs nothing; a request for help prints the usage, and any other option gives it as
// an error. Then two runs of the continuous loop,
// the first under systemd (NOTIFY_SOCKET), which it tells that it is ready and what it does; the second
// into an output closed early. Every race is published.
TEST_F(QuorvaRunTest, CheckAndUsageRunNothingAndTheStoredScheduleRunsToItsEndAndKeepsEveryRace) {
    EXPECT_EQ(RunQuorva("--check"), 0);
    std::string out = root.Read("out.txt");
    EXPECT_NE(out.find("\n  ok    Schedule: 2 events\n"), std::string::npos) << out;
    EXPECT_TRUE(out.ends_with("\nReady: everything a schedule needs is in place (1 warning).\n")) << out;
    const struct {
        const char *options, *printedTo;
        int status;
    } usages[] = {{"--bogus", "err.txt", 2},
                  {"--check --check", "err.txt", 2},
                  {"--help", "out.txt", 0},
                  {"-h", "out.txt", 0}};
    for (const auto& usage : usages) {
        SCOPED_TRACE(usage.options);
        EXPECT_EQ(RunQuorva(usage.options), usage.status);
        EXPECT_EQ(root.Read(usage.printedTo),
                  "usage: quorva-run          runs the schedule stored in " + Settings() +
                      "\n       quorva-run --check  checks the simulators, Wine and the "
                      "schedule, and runs nothing\n       quorva-run --help   prints this\nWhile it "
                      "runs, SIGINT, SIGTERM, SIGHUP or SIGQUIT stops the schedule after the race in "
                      "progress\n(a second one ends the race now), and SIGUSR1 ends the race in progress "
                      "while the schedule goes on.\n");
    }
    EXPECT_FALSE(root.Exists(Sims("N3/evt00001.dmn")));
    std::string path = root.File("notify");
    int receiver = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{.sun_family = AF_UNIX, .sun_path = {}};
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
    EXPECT_TRUE(said[6].starts_with("STATUS=Race in progress: Oak Ridge Mile since ")) << said[6];
    EXPECT_EQ(said[7], "STOPPING=1");
    EXPECT_TRUE(OutHolds("Launch 3: \"Nascar Legends.exe\" \"arena:Invisible\" \"serv: file evt00003.dmn\""));
    EXPECT_TRUE(OutHolds("Consecutive run: 2 of 2"));
    EXPECT_TRUE(
        Out().ends_with("\nSchedule ended: the schedule reached its end. 3 races run, 0 launches that "
                        "did not race, 0 races ended by the time limit or SIGUSR1.\n"));
    EXPECT_EQ(root.Read("err.txt"), "");

    EXPECT_EQ(RunQuorva("", "bash -c '\"$0\" | head -c 1 >/dev/null; exit ${PIPESTATUS[0]}'"), 0);
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root.File("program/results")))
        pages += entry.path().extension() == ".html" && entry.path().filename() != "status.html" &&
                 entry.path().filename() != "standings.html";
    EXPECT_EQ(pages, 7); // six races and the index
    EXPECT_NE(root.Read("program/results/status.json").find("\"state\": \"stopped-at-end\""),
              std::string::npos);
}

// The daily and the dated timing modes start their race at its clock time, by the real clock.
TEST_F(QuorvaRunTest, TheDailyAndTheDatedModesStartAtTheirClockTime) {
    for (int timing : {TimingDaily, TimingSpecific}) {
        SCOPED_TRACE(timing);
        // A time zone whose clock reads 9:59:56 now, so that a start at 10:00 comes within seconds.
        std::time_t now = std::time(nullptr);
        long east = ((10 * 3600 - 4 - now % 86400) % 86400 + 86400) % 86400;
        east -= east >= 43200 ? 86400 : 0;
        std::time_t local = now + east;
        char today[16], zone[32];
        std::strftime(today, sizeof today, "%m/%d/%Y", std::gmtime(&local));
        long offset = std::labs(east);
        std::snprintf(zone, sizeof zone, "QRV%c%02ld:%02ld:%02ld", east > 0 ? '-' : '+', offset / 3600,
                      offset / 60 % 60, offset % 60);
        environment = std::string("TZ=") + zone;
        Change([&] {
            Server->Timing = timing;
            Server->DailyTime = "10:00";
            Server->Pm = 0;
            Server->StopAtEnd = 1;
            EventList.resize(1);
            EventList.front()->Runs = 1;
            EventList.front()->Date = today;
            EventList.front()->Time = "10:00";
            EventList.front()->TimePM = 0;
        });
        auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(RunQuorva("", "timeout 60"), 0);
        EXPECT_GE(std::chrono::steady_clock::now() - started, 2s);
        EXPECT_TRUE(OutHolds("\nSchedule ended: the schedule reached its end. 1 race run, "));
    }
}

// A race past its limit is ended, gently first and for good after the grace time, with what it left
// running; a simulator that cannot be started ends the run, and fails the check, with status 1. (A run
// in which none raced, status 3, meets real Wine in the Wine tests.)
TEST_F(QuorvaRunTest, TheWatchdogEndsARaceAndASimulatorThatCannotStartGivesStatus1) {
    Change([] { EventList.front()->Runs = 1; });
    root.Write(Sims("N3/Nascar Racing 3.exe"), "#!/bin/sh\ntrap '' TERM\nsleep 60 &\necho $! > '" +
                                                   root.File("left.pid") +
                                                   "'\nwhile :; do sleep 0.1; done\n");
    environment = "QUORVA_TEST_RACE_SECONDS=1 SIMSTANDIN_DELAY_MS=60000";
    EXPECT_EQ(RunQuorva(), 0);
    EXPECT_TRUE(OutHolds("Race over: the race ran past its time limit and was ended: the simulator was ended "
                         "by signal 9 (Killed) (the race ran from "))
        << Out();
    EXPECT_TRUE(Out().ends_with(" 2 races ended by the time limit or SIGUSR1.\n"));
    std::ifstream stat("/proc/" + std::to_string(std::stoi(root.Read("left.pid"))) + "/stat");
    std::string state((std::istreambuf_iterator<char>(stat)), {});
    // A zombie has ended, though no parent may be left to collect it.
    EXPECT_TRUE(state.empty() || state[state.rfind(')') + 2] == 'Z') << state;

    environment = "";
    std::filesystem::remove(root.File(Sims("N3/Nascar Racing 3.exe")));
    EXPECT_EQ(RunQuorva("--check"), 1);
    EXPECT_EQ(RunQuorva(), 1);
    EXPECT_TRUE(Err().starts_with("Quorva: Could not start simulator\n"));
    EXPECT_TRUE(OutHolds("\nSchedule ended on an error: the simulator could not be started. "));
}

// A stop signal during a countdown stops the schedule at once; during a race, after it. Every signal of
// the stop family is caught alike.
TEST_F(QuorvaRunTest, AStopSignalEndsTheCountdownOrWaitsForTheRace) {
    Change([] { Server->RaceDelay = 1; });
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        std::string name = std::string("SIG") + sigabbrev_np(signal);
        SCOPED_TRACE(name);
        pid_t quorva = StartQuorva(0);
        Await([&] { return root.Read("out.txt").find("Time to next event") != std::string::npos; });
        auto signalled = std::chrono::steady_clock::now();
        kill(quorva, signal);
        EXPECT_EQ(ExitStatusOf(quorva), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - signalled, 2s);
        EXPECT_TRUE(OutHolds("\n" + name + " received: the schedule stops.\nSchedule ended: stopped by " +
                             name + ". 0 races run, "));
    }

    Change([] { Server->RaceDelay = 0; });
    pid_t quorva = StartQuorva(1000);
    Await([&] { return root.Exists(Sims("N3/evt00001.seen")); });
    kill(quorva, SIGTERM);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    EXPECT_TRUE(root.Exists(Sims("N3/evt00001.WON")));
    EXPECT_TRUE(
        OutHolds("\nSIGTERM received: the schedule stops when this race is over; send it again to end "
                 "the race now.\n"));
    EXPECT_TRUE(OutHolds("\nSchedule ended: stopped by SIGTERM. 1 race run, "));
}

// While a race runs, a second runner of the folder refuses to start, SIGUSR1 ends the race and the
// schedule goes on, and a second SIGTERM ends the race now.
TEST_F(QuorvaRunTest, DuringARaceASecondRunnerRefusesAndSignalsEndTheRace) {
    pid_t quorva = StartQuorva(60000);
    Await([&] { return root.Exists(Sims("N3/evt00001.seen")); });
    EXPECT_EQ(RunQuorva(), 4);
    EXPECT_TRUE(ErrHolds("(quorva-run, process " + std::to_string(quorva) + ")"));
    kill(quorva, SIGUSR1);
    Await([&] { return root.Exists(Sims("N3/evt00002.seen")); });
    auto signalled = std::chrono::steady_clock::now();
    kill(quorva, SIGTERM);
    std::this_thread::sleep_for(100ms);
    kill(quorva, SIGTERM);
    EXPECT_EQ(ExitStatusOf(quorva), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - signalled, 5s);
    EXPECT_TRUE(
        OutHolds("SIGUSR1 received: the race in progress is ended; the schedule goes on.\nRace over: "
                 "the race was ended on the operator's request: the simulator was ended by signal 15"))
        << Out();
    EXPECT_TRUE(OutHolds("\nSIGTERM received again: the race is ended now.\n"));
}
