#include "startup/run_session.h"

#include "platform/host_path.h"
#include "schedule/schedule_lock.h"
#include "schedule/system_launcher.h"
#include "schedule/tick_loop.h"
#include "support/runner_fakes.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Whether a process other than this one sees the program folder's lock taken.
bool LockTakenSeenFromOutside() {
    pid_t probe = fork();
    if (probe == 0)
        _exit(RunLock(HostPath(ScheduleLockFile())).GetState() == RunLock::State::HeldElsewhere ? 0 : 1);
    int status = 0;
    waitpid(probe, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// At its end, tells whether the runner's timer had gone and the lock was still held.
struct EndWatcher : RunObserver {
    EndWatcher(FakeTimers& timers, std::vector<std::string>& said) : timers(timers), said(said) {}
    ~EndWatcher() override {
        said.push_back("timers running " + std::to_string(timers.running) +
                       (LockTakenSeenFromOutside() ? ", lock held" : ", lock free"));
    }
    void CountingDown(const RACE&, int, std::time_t, std::time_t) override {}
    void RaceStarted(const RACE&, int, std::time_t) override {}
    void ResultsMade(const RACE&, const RaceResults&, std::time_t) override {}
    void RunEnded(RunEnd, const std::string&, std::time_t) override {}
    FakeTimers& timers;
    std::vector<std::string>& said;
};

class RunSessionTest : public RunnerTest {
protected:
    std::unique_ptr<RunSession> Open(SimulatorLauncher& with, std::function<void()> wake = nullptr) {
        return RunSession::Open({clock, with, view, timers.Factory(), std::move(wake), [this] {
                                     said.push_back("publisher built");
                                     return std::make_unique<EndWatcher>(timers, said);
                                 }});
    }
    std::vector<std::string> said;
};

} // namespace

// While another process runs the folder's schedule nothing is built; a session ends its runner (and so
// the countdown's timer) before its publisher, and the lock last.
TEST_F(RunSessionTest, AnotherRunnerKeepsItFromBuildingAnythingAndItsLockGoesLast) {
    AddEvent(0, "Ashford");
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t holder = fork();
    if (holder == 0) {
        RunLock lock(HostPath(ScheduleLockFile()));
        if (write(ready[1], "y", 1) == 1)
            pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    EXPECT_EQ(Open(launcher), nullptr);
    kill(holder, SIGKILL);
    waitpid(holder, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"The schedule of this program folder is already running "
                                       "(session_tests, process " +
                                       std::to_string(holder) + ")."});
    EXPECT_TRUE(said.empty());

    std::unique_ptr<RunSession> session = Open(launcher);
    session->Start();
    EXPECT_EQ(timers.running, 1);
    session.reset();
    EXPECT_EQ(said, (std::vector<std::string>{"publisher built", "timers running 0, lock held"}));
    EXPECT_FALSE(LockTakenSeenFromOutside());
}

// Other threads post commands and read snapshots while the run's thread turns with the timer's ticks:
// the commands are carried out there in their order, every snapshot is the whole state of one turn, and
// during a race only a stop (after it) and an end of the race are taken, which reaches the race's wait.
TEST_F(RunSessionTest, CommandsFromOtherThreadsAreCarriedOutOnTheRunsThreadAndSnapshotsAreWhole) {
    for (const char* track : {"Ashford", "Brook", "Cedar"})
        AddEvent(0, track);
    program.Write("n3/Nascar Racing 3.exe", "#!/bin/sh\nexec sleep 30\n");
    chmod(program.File("n3/Nascar Racing 3.exe").c_str(), 0755);
    SystemLauncher real;
    TickLoop loop;
    std::unique_ptr<RunSession> session = Open(real, [&] { loop.Wake(); });
    EXPECT_FALSE(session->Post({RunCommand::Skip}));
    session->Start();

    std::atomic<bool> over{false};
    std::atomic<int> torn{0};
    std::thread ticker([&] {
        for (int n = 0; n < 100 && !over; ++n) {
            loop.DeliverTick();
            std::this_thread::sleep_for(1ms);
        }
    });
    std::thread reader([&] {
        while (!over) {
            RunSnapshot shown = session->Snapshot();
            auto marks = std::count_if(shown.items.begin(), shown.items.end(),
                                       [](const std::string& item) { return item.starts_with(">>"); });
            torn += marks != 1 || !shown.items.at(static_cast<size_t>(shown.marked)).starts_with(">>");
        }
    });
    std::thread poster([&] {
        for (int n = 0; n < 7; ++n)
            EXPECT_TRUE(session->Post({RunCommand::Skip}));
        EXPECT_TRUE(session->Post({RunCommand::Choose, 0}) && session->Post({RunCommand::Choose, 1}));
        EXPECT_TRUE(session->Post({RunCommand::StopAtEnd, 0, true}));
        EXPECT_TRUE(session->Post({RunCommand::StartNow}));
        for (auto until = std::chrono::steady_clock::now() + 10s;
             session->Snapshot().racingSince == 0 && std::chrono::steady_clock::now() < until;)
            std::this_thread::sleep_for(1ms);
        EXPECT_FALSE(session->Post({RunCommand::Skip}));
        EXPECT_TRUE(session->Post({RunCommand::Stop}));
        EXPECT_TRUE(session->Snapshot().stopping);
        EXPECT_TRUE(session->Post({RunCommand::EndRace}));
    });
    loop.Run([&] { session->Tick(); }, [&] { session->RunPosted(); },
             [&] { return session->Runner().Ended(); });
    over = true;
    for (std::thread* thread : {&ticker, &reader, &poster})
        thread->join();

    EXPECT_EQ(torn, 0);
    // Seven skips and two choices: the second event raced, ended at once by the request (the simulator
    // would sleep 30 s), and the mark moved on after it.
    EXPECT_EQ(view.outcomes,
              std::vector<std::string>{"the race was ended on the operator's request: the "
                                       "simulator was ended by signal 15 (Terminated) (the race "
                                       "ran from 20:00:00 to 20:00:00)"});
    RunSnapshot shown = session->Snapshot();
    EXPECT_EQ(shown.items, (std::vector<std::string>{"\tAshford", "\tBrook", ">>\tCedar"}));
    EXPECT_FALSE(shown.running || shown.stopping || shown.racingSince != 0);
    EXPECT_TRUE(view.stopAtEnd && shown.stopAtEnd);
    EXPECT_FALSE(session->Post({RunCommand::StartNow}));
}
