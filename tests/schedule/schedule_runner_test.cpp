#include "schedule/schedule_runner.h"

#include "support/runner_fakes.h"

#include <climits>
#include <filesystem>

// Runs follow each other in their simulator's folder. With RememberRace set, each race that is over stores
// what "Stop" would store then, so a crash during the next race loses no place.
TEST_F(RunnerTest, RunsFollowEachOtherAndARememberedPlaceIsStoredAfterEveryRace) {
    Server->RaceDelay = 0;
    Server->StopAtEnd = 1;
    AddEvent(0, "Ashford", 2);
    AddEvent(1, "Oak Ridge");
    AddEvent(0, "Bayview");
    using Stored = std::vector<std::optional<std::string>>;
    for (int remember : {1, 0}) {
        SCOPED_TRACE(remember);
        std::filesystem::remove(program.SettingsFile());
        Server->RememberRace = remember;
        Server->AutoTerminate = remember == 0;
        Server->LastRace = -1;
        Stored stored;
        launcher.duringRace = [&] { stored.push_back(StoredLastRace()); };
        ScheduleRunner run(clock, launcher, view, timers.Factory());
        run.OnInitDialog();
        EXPECT_EQ(stored, (remember != 0 ? Stored{std::nullopt, "-1", "0", "1"} : Stored(4)));
        EXPECT_EQ(StoredLastRace(), remember != 0 ? "2" : "0");
        EXPECT_EQ(run.EndReason(), RunEnd::ScheduleOver);
    }
    EXPECT_EQ(view.runTexts, (std::vector<std::string>{"2 of 2", "2 of 2"}));
    EXPECT_EQ(launcher.folders[2], program.File("nl/"));
    EXPECT_EQ(view.results, (std::vector<int>{RunResultStop, RunResultShutDown}));
    EXPECT_EQ(timers.running, 0);
}

TEST_F(RunnerTest, ThePreviewWritesNothingAndARaceCutShortByTheStoredLimitPublishesNothing) {
    Server->ResultsToHTML = 1;
    AddEvent(0, "Ashford").SaveResults = 1;
    program.Write("Quorvadata.ini", "[WATCHDOG]\nMaxRaceMinutes=90\n");
    launcher.end.endedByWatchdog = true;
    runner.OnInitDialog();
    EXPECT_NE(runner.PreviewOptionsText().find("stn 'evt00000.WON' "), std::string::npos);
    EXPECT_FALSE(program.Exists("n3/evt00000.dmn"));
    runner.OnStartNow();
    EXPECT_EQ(launcher.limits, std::vector<long long>{5400});
    EXPECT_TRUE(view.outcomes.at(0).ends_with(" (the race ran from 20:00:00 to 20:00:00)"));
    EXPECT_TRUE(view.pages.empty());
}

// Failures in a row: the first waits the race delay, then pauses double from 1 to 60 minutes until a race.
TEST_F(RunnerTest, LaunchesThatKeepFailingBackOffAndARaceResetsIt) {
    EXPECT_EQ(ScheduleRunner::BackOffMinutes(INT_MAX), 60);
    Server->RaceDelay = 1;
    AddEvent(0, "Ashford", 100);
    launcher.end = {3, 0, 0.5};
    runner.OnInitDialog();
    for (int minutes : {0, 1, 2, 4, 8, 16, 32, 60, 60}) {
        SCOPED_TRACE(minutes);
        clock.now += 30;
        runner.OnStartNow();
        EXPECT_EQ(view.countdowns.back(), CountdownText(std::max(minutes, 1) * 60LL));
    }
    EXPECT_EQ(view.backOffs, (std::vector<int>{1, 2, 4, 8, 16, 32, 60, 60}));
    launcher.end = {0, 0, 600};
    runner.OnStartNow();
    launcher.end = {3, 0, 0.5};
    runner.OnStartNow();
    EXPECT_EQ(view.backOffs.size(), 8u);
    EXPECT_EQ(runner.Launches().races, 1);
    EXPECT_EQ(runner.Launches().failedLaunches, 10);

    // An event file that cannot be written starts nothing, counts alike, and the schedule goes on.
    std::filesystem::remove_all(program.File("n3"));
    runner.OnStartNow();
    runner.OnStartNow();
    EXPECT_EQ(launcher.commandLines.size(), 11u);
    EXPECT_EQ(view.outcomes.back(), "The event file " + program.File("n3/evt00013.dmn") +
                                        " could not be written: the simulator was not started.");
    EXPECT_EQ(view.backOffs, (std::vector<int>{1, 2, 4, 8, 16, 32, 60, 60, 1, 2}));
    EXPECT_EQ(runner.Launches().failedLaunches, 12);
    EXPECT_FALSE(runner.Ended());
}

TEST_F(RunnerTest, SkipAndDoubleClickMoveTheMarkBetweenRacesAndDuringOneAllButAStopAreDiscarded) {
    Server->RememberRace = 1;
    AddEvent(0, "Ashford");
    AddEvent(1, "Oak Ridge", 3);
    runner.OnInitDialog();
    for (int k = 0; k < 10; ++k)
        runner.OnCountdownTick();
    runner.OnSkipEvent();
    runner.OnSkipEvent();
    EXPECT_EQ(Server->LastRace, 1);
    EXPECT_EQ(view.items, (std::vector<std::string>{">>\tAshford", "\tOak Ridge"}));
    runner.OnCountdownTick();
    EXPECT_EQ(view.countdowns.back(), "000 : 04 : 49");

    runner.OnSelectEvent(1);
    runner.OnStartNow();
    EXPECT_EQ(view.runTexts, std::vector<std::string>{"2 of 3"});
    runner.OnSelectEvent(1);
    EXPECT_EQ(runner.RunNumber(), 1);
    runner.OnSelectEvent(2);
    runner.OnSelectEvent(-1);
    EXPECT_EQ(runner.CurrentIndex(), 1);

    launcher.duringRace = [&] {
        EXPECT_TRUE(runner.Racing());
        runner.OnCancel();
        runner.OnOK();
        runner.OnStartNow();
        runner.OnSkipEvent();
        runner.OnSelectEvent(0);
        runner.OnCountdownTick();
        EXPECT_EQ(runner.PreviewOptionsText(), "");
        view.stopRequested = true;
    };
    runner.OnStartNow();
    EXPECT_EQ(view.launches, (std::vector<int>{1, 2}));
    EXPECT_EQ(view.results, std::vector<int>{RunResultStop});
    EXPECT_EQ(StoredLastRace(), "1");
}

TEST_F(RunnerTest, SpecificDatesPassOverExpiredEventsAndEndWhenAllHaveExpired) {
    Server->Timing = TimingSpecific;
    Server->RememberRace = 1;
    clock.now = LocalClockTime({2000, 1, 1}, 20, 0); // a new race's date, 01/01/2000
    for (const char* time : {"6:30", "7:00", "8:30"})
        AddEvent(0, std::string("At ") + time).Time = time;
    runner.OnInitDialog();
    EXPECT_EQ(Server->LastRace, 1);
    EXPECT_EQ(view.items.at(1), "\tAt 7:00 ( 01/01/00, 19:00 ) - past");
    EXPECT_EQ(view.items.at(2), ">>\tAt 8:30 ( 01/01/00, 20:30 )");
    EXPECT_FALSE(view.stopAtEndEnabled);
    EXPECT_EQ(view.countdowns.front(), "000 : 30 : 00");

    clock.now += 2 * 3600;
    ScheduleRunner expired(clock, launcher, view, timers.Factory());
    expired.OnInitDialog();
    EXPECT_TRUE(expired.EndedOnError());
    EXPECT_EQ(recorder.Texts().at(0), "All scheduled races have expired.  Terminating schedule.");
}

// The ticks fall behind the clock: every ClockAdjust minutes (never for 0) a daily countdown is taken from
// the clock again. What the dialogs would refuse is told once for the run, not at each tick.
TEST_F(RunnerTest, TheCountdownIsSetRightAtTheVerifyIntervalAndHandEditedValuesNeverWrapAround) {
    struct Row {
        const char *name, *shown;
        int timing, delay, adjust;
        size_t told;
    };
    const Row rows[] = {
        {"daily, verified every 5 minutes", "000 : 53 : 20", TimingDaily, 5, 5, 1},
        {"daily, never verified", "000 : 55 : 01", TimingDaily, 5, 0, 1},
        {"hand-edited delay and verify interval", "666666 : 35 : 01", TimingContinuous, 40000000, INT_MAX, 2},
    };
    Server->DailyTime = "9:00";
    Server->Pm = 1;
    Server->RememberRace = 1;
    Server->LastRace = INT_MAX;
    Server->HostName = "Joe's";
    AddEvent(0, "Ashford");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Server->Timing = row.timing;
        Server->RaceDelay = row.delay;
        Server->ClockAdjust = row.adjust;
        recorder.messages.clear();
        FakeClock rowClock = clock;
        ScheduleRunner run(rowClock, launcher, view, timers.Factory());
        run.OnInitDialog();
        rowClock.now += 400;
        for (int k = 0; k < 299; ++k)
            run.OnCountdownTick();
        EXPECT_EQ(view.countdowns.back(), row.shown);
        EXPECT_EQ(CountdownText(run.Countdown() + 1), row.shown);
        EXPECT_EQ(recorder.messages.size(), row.told);
    }
}

TEST_F(RunnerTest, AStartThatFailsEndsTheRunWithTheMessage) {
    RACE& event = AddEvent(0, "Ashford");
    launcher.refuse = true;
    runner.OnInitDialog();
    runner.OnStartNow();
    EXPECT_EQ(recorder.Texts().at(0), "Could not start simulator\n(C:\\Sims\\N3\\Nascar Racing 3.exe)\nwith "
                                      "the following commandline parameters:\n\"Nascar Racing 3.exe\" "
                                      "\"arena:Alpha\" \"serv: file evt00001.dmn\"\n\nTerminating schedule.");
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(runner.EndedOnError());
    EXPECT_EQ(StoredLastRace(), "-1");
    EXPECT_EQ(view.notStarted, std::vector<std::string>{"it was not found"});

    // A command line longer than the simulator takes is refused, not cut.
    launcher.refuse = false;
    event.SimExe = "C:\\" + std::string(480, 'x') + ".exe";
    ScheduleRunner tooLong(clock, launcher, view, timers.Factory());
    tooLong.OnInitDialog();
    tooLong.OnStartNow();
    EXPECT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_EQ(view.notStarted.back(), "the command line is longer than 511 characters");
}

TEST_F(RunnerTest, NoEventsOrNoTimerEndTheRunAtOnce) {
    runner.OnInitDialog();
    EXPECT_EQ(view.results, std::vector<int>{RunResultStop});
    runner.OnStartNow();
    runner.OnSkipEvent();
    runner.OnCountdownTick();
    EXPECT_TRUE(launcher.commandLines.empty());

    AddEvent(0, "Ashford");
    timers.refuse = true;
    ScheduleRunner noTimer(clock, launcher, view, timers.Factory());
    noTimer.OnInitDialog();
    EXPECT_TRUE(noTimer.Ended());
    EXPECT_EQ(recorder.Texts().at(0), "The schedule holds no events.  Terminating schedule.");
    EXPECT_TRUE(recorder.Texts().at(1).starts_with("Unable to allocate memory for countdown timer."));
}
