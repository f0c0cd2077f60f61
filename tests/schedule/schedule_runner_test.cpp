#include "schedule/schedule_runner.h"

#include "schedule/clock_time.h"
#include "support/runner_fakes.h"

#include <climits>
#include <filesystem>

// Runs follow each other in their simulator's folder and the schedule stops at its end, or shuts down
// with AutoTerminate. With RememberRace set, each race that is over stores what "Stop" would store then,
// so a crash during the next race loses no place; without it, only the end of the run stores.
TEST_F(RunnerTest, RunsFollowEachOtherAndARememberedPlaceIsStoredAfterEveryRace) {
    Server->RaceDelay = 0;
    Server->StopAtEnd = 1;
    AddEvent(0, "Ashford", 2);
    AddEvent(1, "Oak Ridge");
    AddEvent(0, "Bayview");
    for (int remember : {1, 0}) {
        SCOPED_TRACE(remember);
        std::filesystem::remove(program.SettingsFile());
        Server->RememberRace = remember;
        Server->AutoTerminate = remember == 0;
        Server->LastRace = -1;
        std::vector<std::optional<std::string>> stored;
        launcher.duringRace = [&] { stored.push_back(StoredLastRace()); };
        ScheduleRunner run(clock, launcher, view, timers.Factory());
        run.OnInitDialog();
        if (remember != 0)
            EXPECT_EQ(stored, (std::vector<std::optional<std::string>>{std::nullopt, "-1", "0", "1"}));
        else
            EXPECT_EQ(stored, std::vector<std::optional<std::string>>(4));
        EXPECT_EQ(StoredLastRace(), remember != 0 ? "2" : "0");
        EXPECT_EQ(run.EndReason(), RunEnd::ScheduleOver);
    }
    EXPECT_EQ(view.runTexts, (std::vector<std::string>{"2 of 2", "2 of 2"}));
    EXPECT_EQ(launcher.folders[2], program.File("nl/"));
    EXPECT_EQ(view.results, (std::vector<int>{RunResultStop, RunResultShutDown}));
    EXPECT_EQ(timers.running, 0);
}

// Each race is waited for with the stored limit; one cut short by it counts as run and publishes nothing.
TEST_F(RunnerTest, RacesRunUnderTheStoredLimitAndOneCutShortPublishesNothing) {
    Server->ResultsToHTML = 1;
    AddEvent(0, "Ashford").SaveResults = 1;
    ProfileFile file(program.SettingsFile());
    file.SetString("WATCHDOG", "MaxRaceMinutes", "90");
    ASSERT_EQ(file.Save(), CauseNone);
    launcher.end.endedByWatchdog = true;
    runner.OnInitDialog();
    runner.OnStartNow();
    EXPECT_EQ(launcher.limits, std::vector<long long>{5400});
    EXPECT_TRUE(view.outcomes.at(0).text.ends_with(" (the race ran from 20:00:00 to 20:00:00)"));
    EXPECT_TRUE(view.pages.empty());
}

// A simulator that keeps failing at once: the first failure is retried after the race delay, each
// further one in a row doubles a pause from 1 to 60 minutes, and a real race ends the pauses.
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
    EXPECT_EQ(view.backOffUntil, clock.now + 3600);
    launcher.end = {0, 0, 600};
    runner.OnStartNow();
    launcher.end = {3, 0, 0.5};
    runner.OnStartNow();
    EXPECT_EQ(view.backOffs.size(), 8u);
    EXPECT_EQ(runner.Launches().races, 1);
    EXPECT_EQ(runner.Launches().failedLaunches, 10);
}

TEST_F(RunnerTest, HandEditedValuesTheDialogsRefuseRunWithoutWrappingAroundAndAreToldOnce) {
    Server->RaceDelay = 40000000;
    Server->RememberRace = 1;
    Server->LastRace = INT_MAX;
    Server->ClockAdjust = INT_MAX;
    Server->HostName = "Joe's";
    AddEvent(0, "Ashford");
    runner.OnInitDialog();
    EXPECT_EQ(runner.Countdown(), 2400000000LL - 1);
    Tick(2);
    // What the dialogs would refuse is told once for the run, not once for each tick.
    EXPECT_EQ(view.countdowns,
              (std::vector<std::string>{"666666 : 40 : 00", "666666 : 39 : 59", "666666 : 39 : 58"}));
    EXPECT_EQ(recorder.messages.size(), 2u);
}

TEST_F(RunnerTest, SkipAndDoubleClickMoveTheMarkAndKeepTheCountdown) {
    Server->RememberRace = 1;
    AddEvent(0, "Ashford");
    AddEvent(1, "Oak Ridge", 3);
    runner.OnInitDialog();
    Tick(10);
    runner.OnSkipEvent();
    runner.OnSkipEvent();
    EXPECT_EQ(Server->LastRace, 1);
    EXPECT_EQ(view.items, (std::vector<std::string>{">>\tAshford", "\tOak Ridge"}));
    Tick(1);
    EXPECT_EQ(view.countdowns.back(), "000 : 04 : 49");

    runner.OnSelectEvent(1);
    runner.OnStartNow();
    EXPECT_EQ(view.runTexts, std::vector<std::string>{"2 of 3"});
    runner.OnSelectEvent(1);
    EXPECT_EQ(runner.RunNumber(), 1);
    runner.OnSelectEvent(2);
    runner.OnSelectEvent(-1);
    EXPECT_EQ(runner.CurrentIndex(), 1);
}

TEST_F(RunnerTest, SpecificDatesPassOverExpiredEventsAndEndWhenAllHaveExpired) {
    Server->Timing = TimingSpecific;
    Server->RememberRace = 1;
    for (const char* time : {"6:30", "7:00", "8:30"}) {
        RACE& event = AddEvent(0, std::string("At ") + time);
        event.Date = "06/15/2026";
        event.Time = time;
        event.TimePM = 1;
    }
    runner.OnInitDialog();
    EXPECT_EQ(Server->LastRace, 1);
    EXPECT_EQ(view.items, (std::vector<std::string>{"\tAt 6:30 ( 06/15/26, 18:30 ) - past",
                                                    "\tAt 7:00 ( 06/15/26, 19:00 ) - past",
                                                    ">>\tAt 8:30 ( 06/15/26, 20:30 )"}));
    EXPECT_FALSE(view.stopAtEndEnabled);
    EXPECT_EQ(view.countdowns.front(), "000 : 30 : 00");

    clock.now = At(15, 22, 0);
    FakeView late;
    ScheduleRunner expired(clock, launcher, late, timers.Factory());
    expired.OnInitDialog();
    EXPECT_TRUE(expired.EndedOnError());
    EXPECT_EQ(recorder.Texts(),
              std::vector<std::string>{"All scheduled races have expired.  Terminating schedule."});
}

TEST_F(RunnerTest, TheDailyCountdownIsSetRightFromTheClockAtTheVerifyInterval) {
    Server->Timing = TimingDaily;
    Server->DailyTime = "9:00";
    Server->Pm = 1;
    AddEvent(0, "Ashford");
    // The ticks fall behind the clock; after ClockAdjust minutes of them the countdown is taken from the
    // clock again, and never when ClockAdjust is 0.
    for (int adjust : {5, 0}) {
        SCOPED_TRACE(adjust);
        Server->ClockAdjust = adjust;
        clock.now = At(15, 20, 0);
        ScheduleRunner run(clock, launcher, view, timers.Factory());
        run.OnInitDialog();
        clock.now += 400;
        for (int k = 0; k < 299; ++k)
            run.OnCountdownTick();
        EXPECT_EQ(view.countdowns.back(), adjust != 0 ? "000 : 53 : 20" : "000 : 55 : 01");
    }
}

TEST_F(RunnerTest, AStartThatFailsEndsTheRunWithTheMessage) {
    RACE& event = AddEvent(0, "Ashford");
    launcher.refuse = true;
    runner.OnInitDialog();
    runner.OnStartNow();
    EXPECT_EQ(
        recorder.Texts(),
        std::vector<std::string>{"Could not start simulator\n(C:\\Sims\\N3\\Nascar Racing 3.exe)\nwith the "
                                 "following commandline parameters:\n\"Nascar Racing 3.exe\" \"arena:Alpha\" "
                                 "\"serv: file evt00001.dmn\"\n\nTerminating schedule."});
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(runner.EndedOnError());
    EXPECT_EQ(StoredLastRace(), "-1");
    EXPECT_EQ(view.notStarted, std::vector<std::string>{"it was not found"});

    // A command line longer than the simulator takes is refused, not cut.
    launcher.refuse = false;
    event.SimExe = "C:\\" + std::string(480, 'x') + ".exe";
    FakeView longer;
    ScheduleRunner tooLong(clock, launcher, longer, timers.Factory());
    tooLong.OnInitDialog();
    tooLong.OnStartNow();
    EXPECT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_EQ(longer.notStarted, std::vector<std::string>{"the command line is longer than 511 characters"});
}

TEST_F(RunnerTest, NoEventsOrNoTimerEndTheRunAtOnce) {
    runner.OnInitDialog();
    EXPECT_EQ(view.results, std::vector<int>{RunResultStop});
    runner.OnStartNow();
    runner.OnSkipEvent();
    Tick(1);
    EXPECT_TRUE(launcher.commandLines.empty());

    AddEvent(0, "Ashford");
    timers.refuse = true;
    ScheduleRunner noTimer(clock, launcher, view, timers.Factory());
    noTimer.OnInitDialog();
    EXPECT_TRUE(noTimer.Ended());
    EXPECT_EQ(recorder.Texts(),
              (std::vector<std::string>{"The schedule holds no events.  Terminating schedule.",
                                        "Unable to allocate memory for countdown timer. "
                                        "Terminating schedule."}));
}

TEST_F(RunnerTest, AStopAskedForDuringARaceIsCarriedOutAfterIt) {
    AddEvent(0, "Ashford");
    AddEvent(0, "Bayview");
    runner.OnInitDialog();
    launcher.duringRace = [&] { view.stopRequested = true; };
    runner.OnStartNow();
    EXPECT_EQ(view.results, std::vector<int>{RunResultStop});
    EXPECT_EQ(StoredLastRace(), "0");
}

TEST_F(RunnerTest, ThePreviewBuildsTheNextOptionsTextWithoutWritingIt) {
    AddEvent(0, "Ashford").SaveResults = 1;
    Server->ResultsToHTML = 1;
    runner.OnInitDialog();
    EXPECT_NE(runner.PreviewOptionsText().find("stn 'evt00000.WON' "), std::string::npos);
    EXPECT_EQ(runner.HtmlPagePath(), program.File("n3/evt00000.html"));
    EXPECT_FALSE(program.Exists("n3/evt00000.dmn"));
}

TEST_F(RunnerTest, CommandsGivenDuringARaceAreDiscardedAndTheAfterRaceLogicRuns) {
    Server->StopAtEnd = 1;
    Server->RememberRace = 1;
    AddEvent(0, "Ashford");
    AddEvent(0, "Bayview");
    runner.OnInitDialog();
    runner.OnSkipEvent();
    launcher.duringRace = [&] {
        EXPECT_TRUE(runner.Racing());
        runner.OnCancel();
        runner.OnOK();
        runner.OnStartNow();
        runner.OnSkipEvent();
        runner.OnSelectEvent(0);
        runner.OnCountdownTick();
        EXPECT_EQ(runner.PreviewOptionsText(), "");
    };
    runner.OnStartNow();
    EXPECT_EQ(view.launches, std::vector<int>{1});
    EXPECT_EQ(view.results, std::vector<int>{RunResultStop});
    EXPECT_EQ(StoredLastRace(), "1");
}
