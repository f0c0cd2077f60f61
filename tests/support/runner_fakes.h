#pragma once

#include "core/app_state.h"
#include "platform/current_folder.h"
#include "platform/profile_file.h"
#include "schedule/clock_time.h"
#include "schedule/schedule_runner.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Server as a new record whose simulators live in the folder's "n3/" and "nl/", with five minutes
// between races.
inline void UseNewServerWithSimulatorsIn(const TempFolder& folder) {
    std::filesystem::create_directories(folder.File("n3"));
    std::filesystem::create_directories(folder.File("nl"));
    Server = std::make_unique<SERVER>();
    SetNewServerValues(*Server);
    Server->PathN3 = folder.File("n3/");
    Server->PathNL = folder.File("nl/");
    Server->RaceDelay = 5;
}

struct FakeClock : Clock {
    std::time_t Now() const override { return now; }
    std::time_t now = 0;
};

struct FakeLauncher : SimulatorLauncher {
    Start StartSimulator(const std::string& commandLine, const std::string&) override {
        commandLines.push_back(commandLine);
        folders.push_back(CurrentFolder());
        return {!refuse, "", refuse ? "it was not found" : ""};
    }
    End WaitForSimulator(const RaceLimit& limit) override {
        limits.push_back(limit.limit.count());
        if (duringRace)
            duringRace();
        return end;
    }

    std::vector<std::string> commandLines;
    std::vector<std::string> folders; // the current folder at each start
    std::vector<long long> limits;    // each race's time limit, in seconds
    End end{0, 0, 600};               // how each simulator ends: a race of ten minutes
    bool refuse = false;
    std::function<void()> duringRace;
};

struct FakeView : ScheduleView {
    void SetCaption(const std::string&) override {}
    void SetEventItems(const std::vector<std::string>& list) override { items = list; }
    void ReplaceEventItem(int index, const std::string& text) override { items.at(index) = text; }
    void SelectEventItem(int) override {}
    void ShowNextEvent(const NextEventTexts&, const RACE&) override {}
    void ShowCountdown(const std::string& text, int) override { countdowns.push_back(text); }
    void ShowRunText(const std::string& text) override { runTexts.push_back(text); }
    void SetStopAtEnd(bool checked, bool enabled) override {
        stopAtEnd = checked;
        stopAtEndEnabled = enabled;
    }
    bool StopAtEndChecked() const override { return stopAtEnd; }
    void EndRun(int result) override { results.push_back(result); }
    void RaceStarted(int n, const std::string&, const std::string&) override { launches.push_back(n); }
    void RaceNotStarted(const std::string& why) override { notStarted.push_back(why); }
    void RaceEnded(const RaceOutcome& o, const std::string&) override { outcomes.push_back(o.text); }
    void ResultsPublished(const std::string& pagePath) override { pages.push_back(pagePath); }
    void BackingOff(int, int pauseMinutes, std::time_t) override { backOffs.push_back(pauseMinutes); }
    bool StopRequestedDuringRace() override { return stopRequested; }

    std::vector<std::string> items, countdowns, runTexts, notStarted, pages, outcomes;
    std::vector<int> results, launches, backOffs;
    bool stopAtEnd = false, stopAtEndEnabled = true, stopRequested = false;
};

// Timers that never tick by themselves: the test ticks the runner. They count how many tick at once.
struct FakeTimers {
    ScheduleRunner::TimerFactory Factory() {
        return [this]() -> std::unique_ptr<ScheduleTimer> {
            return refuse ? nullptr : std::make_unique<Timer>(running);
        };
    }

    struct Timer : ScheduleTimer {
        explicit Timer(int& running) : running(running) {}
        ~Timer() override { Stop(); }
        void SetPeriod(int) override {}
        void Start() override { running += std::exchange(on, true) ? 0 : 1; }
        void Stop() override { running -= std::exchange(on, false) ? 1 : 0; }
        int& running;
        bool on = false;
    };
    int running = 0;
    bool refuse = false;
};

// A runner on the fakes, in a program folder of its own, at 20:00 UTC on 15 June 2026; tests add events.
class RunnerTest : public ::testing::Test {
protected:
    RunnerTest() {
        UseNewServerWithSimulatorsIn(program);
        clock.now = LocalClockTime({2026, 6, 15}, 20, 0);
    }

    RACE& AddEvent(int sim, const std::string& track, int runs = 1) {
        RACE& event = *EventList.emplace_back(std::make_unique<RACE>());
        SetNewDefaultRaceValues(event, sim == 1);
        event.SimExe = sim == 0 ? "C:\\Sims\\N3\\Nascar Racing 3.exe" : "C:\\Sims\\NL\\Nascar Legends.exe";
        event.TrackName = track;
        event.Runs = runs;
        return event;
    }

    std::optional<std::string> StoredLastRace() const {
        return ProfileFile(program.SettingsFile()).Find("SERVER", "LastRace");
    }

    ScopedTimeZone zone{"UTC"};
    ScopedProgramFolder program;
    MessageRecorder recorder;
    FakeClock clock;
    FakeLauncher launcher;
    FakeView view;
    FakeTimers timers;
    ScheduleRunner runner{clock, launcher, view, timers.Factory()};
};
