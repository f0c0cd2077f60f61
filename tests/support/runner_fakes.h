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
#include <vector>

// The clock, launcher, view and timers that a running schedule is handed in tests.

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

class FakeClock : public Clock {
public:
    std::time_t Now() const override { return now; }
    std::time_t now = 0;
};

class FakeLauncher : public SimulatorLauncher {
public:
    Start StartSimulator(const std::string& commandLine, const std::string&) override {
        commandLines.push_back(commandLine);
        folders.push_back(CurrentFolder());
        if (refuse)
            return {false, "", "it was not found"};
        return {true, "", ""};
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

class FakeView : public ScheduleView {
public:
    void SetCaption(const std::string&) override {}
    void SetEventItems(const std::vector<std::string>& list) override { items = list; }
    void ReplaceEventItem(int index, const std::string& text) override {
        items.at(static_cast<size_t>(index)) = text;
    }
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
    void RaceStarted(int launchNumber, const std::string&, const std::string&) override {
        launches.push_back(launchNumber);
    }
    void RaceNotStarted(const std::string& why) override { notStarted.push_back(why); }
    void RaceEnded(const RaceOutcome& outcome, const std::string&) override { outcomes.push_back(outcome); }
    void ResultsPublished(const std::string& pagePath) override { pages.push_back(pagePath); }
    void BackingOff(int, int pauseMinutes, std::time_t until) override {
        backOffs.push_back(pauseMinutes);
        backOffUntil = until;
    }
    bool StopRequestedDuringRace() override { return stopRequested; }

    std::vector<std::string> items;
    std::vector<std::string> countdowns;
    std::vector<std::string> runTexts;
    bool stopAtEnd = false;
    bool stopAtEndEnabled = true;
    std::vector<int> results;
    std::vector<int> launches;
    std::vector<std::string> notStarted;
    std::vector<RaceOutcome> outcomes;
    std::vector<std::string> pages;
    std::vector<int> backOffs;
    std::time_t backOffUntil = 0;
    bool stopRequested = false;
};

// Timers that never tick by themselves: the test ticks the runner. They count how many tick at once.
class FakeTimers {
public:
    ScheduleRunner::TimerFactory Factory() {
        return [this]() -> std::unique_ptr<ScheduleTimer> {
            if (refuse)
                return nullptr;
            return std::make_unique<Timer>(*this);
        };
    }

    int running = 0;
    bool refuse = false;

private:
    class Timer : public ScheduleTimer {
    public:
        explicit Timer(FakeTimers& timers) : m_timers(timers) {}
        ~Timer() override { Stop(); }
        void SetPeriod(int) override {}
        void Start() override {
            if (!m_running)
                ++m_timers.running;
            m_running = true;
        }
        void Stop() override {
            if (m_running)
                --m_timers.running;
            m_running = false;
        }

    private:
        FakeTimers& m_timers;
        bool m_running = false;
    };
};

// A schedule runner on the fakes above, in a program folder of the test's own with the simulators of
// UseNewServerWithSimulatorsIn, at 20:00 UTC on 15 June 2026. The test adds the events, then starts it.
class RunnerTest : public ::testing::Test {
protected:
    RunnerTest() {
        UseNewServerWithSimulatorsIn(program);
        clock.now = At(15, 20, 0);
    }

    // A moment of 15 June 2026 or the days around it.
    static std::time_t At(int day, int hour, int minute) {
        return LocalClockTime({2026, 6, day}, hour, minute);
    }

    RACE& AddEvent(int sim, const std::string& track, int runs = 1) {
        auto event = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*event, sim == 1);
        event->Sim = sim;
        event->SimExe = sim == 0 ? "C:\\Sims\\N3\\Nascar Racing 3.exe" : "C:\\Sims\\NL\\Nascar Legends.exe";
        event->TrackName = track;
        event->TrackId = track.substr(0, 4);
        event->Runs = runs;
        event->SaveResults = 0;
        EventList.push_back(std::move(event));
        return *EventList.back();
    }

    void Tick(int count) {
        for (int k = 0; k < count; ++k)
            runner.OnCountdownTick();
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
