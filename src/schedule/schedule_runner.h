#pragma once

#include "core/race.h"
#include "schedule/clock.h"
#include "schedule/countdown.h"
#include "schedule/countdown_timer.h"
#include "schedule/event_options.h"
#include "schedule/run_observer.h"
#include "schedule/schedule_view.h"
#include "schedule/simulator_launcher.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Results with which a run ends, for the window that opened it.
constexpr int RunResultStop = 1;
constexpr int RunResultCancel = 2;
constexpr int RunResultShutDown = 1035;

// A running schedule of EventList under the settings of Server: which event runs next and when, the
// countdown to it, the launch, and what follows each race. The running dialog and the console runner
// drive it from one thread, forward the operator's commands and the timer's ticks, and show it through
// their view.
class ScheduleRunner {
public:
    // Makes the timer of a countdown, already bound to deliver its ticks to OnCountdownTick on the
    // runner's thread; none when no timer can be made.
    using TimerFactory = std::function<std::unique_ptr<ScheduleTimer>()>;

    ScheduleRunner(const Clock& clock, SimulatorLauncher& launcher, ScheduleView& view,
                   TimerFactory makeTimer);
    ~ScheduleRunner();
    ScheduleRunner(const ScheduleRunner&) = delete;
    ScheduleRunner& operator=(const ScheduleRunner&) = delete;

    // Tells observer of the run's state changes and results from now on; none by default.
    void SetObserver(RunObserver* observer) { m_observer = observer; }

    // Starts the run: the list, the first event due, its countdown (which may launch it at once).
    void OnInitDialog();

    int OnCountdownTick();
    void OnSkipEvent();
    void OnSelectEvent(int index);
    void OnStartNow();
    // "Stop": stores where the schedule stopped and ends the run.
    void OnOK();
    // The close box or Escape: ends the run without storing anything.
    void OnCancel();

    // The options text of the next launch, for the preview; writes nothing and changes nothing.
    std::string PreviewOptionsText() const;

    // True from the launch until the race is over: the operator's commands meanwhile are discarded.
    bool Racing() const { return m_racing; }
    bool Ended() const { return m_ended; }
    // True when the run ended because something failed rather than as the settings or the operator asked.
    bool EndedOnError() const { return m_endReason == RunEnd::Error; }
    RunEnd EndReason() const { return m_endReason; }
    // What failed, in a few words ("the simulator could not be started"), when the run ended on an error.
    const std::string& ErrorText() const { return m_errorText; }
    int CurrentIndex() const { return m_currentIndex; }
    int RunNumber() const { return m_runNumber; }
    int LaunchNumber() const { return m_launchNumber; }
    CountdownSeconds Countdown() const { return m_countdown; }

    // What the run's launches came to: races run to their end, launches that did not race, and races
    // cut short (the time limit, the operator's abort), which count as run.
    struct Tally {
        int races = 0;
        int failedLaunches = 0;
        int cutShort = 0;
    };
    const Tally& Launches() const { return m_tally; }
    // The least pause before the next launch after failuresInARow launches in a row did not race, in
    // minutes: none after the first (it may have been a passing fault), then 1, 2, 4 ... up to 60.
    static int BackOffMinutes(int failuresInARow);

private:
    void ComputeCountdown();
    bool IsEventExpired(const RACE& event) const;
    // The list's date label of the event: empty unless each event has its own date.
    std::string EventDate(const RACE& event) const;
    void StartCountdown();
    void ResumeCountdown();
    void PauseCountdown();
    void DestroyCountdown();
    void PublishResults(const LaunchFiles& files);
    void ShowNextEvent();
    void MoveMark(int next);
    // The list's text for the event at index: its mark, track and date label as they stand now.
    std::string ItemText(int index, bool marked) const;
    // The event file could not be written (told already): the launch counts as one that did not race,
    // and the schedule goes on.
    void EventFileNotWritten(const std::string& eventFile);
    void AfterRace();
    void CountLaunch(const RaceOutcome& outcome);
    // Stops the countdown, stores where the schedule stands, and ends the run.
    void StopAndStore(int result, RunEnd reason);
    void End(int result, RunEnd reason);
    void EndOnError(const std::string& what);

    const Clock& m_clock;
    SimulatorLauncher& m_launcher;
    ScheduleView& m_view;
    TimerFactory m_makeTimer;
    RunObserver* m_observer = nullptr;

    std::vector<std::string> m_items;
    std::vector<RACE*> m_itemEvents;
    int m_currentIndex = 0;
    RACE* m_currentEvent = nullptr;
    int m_runNumber = 1;
    int m_launchNumber = 0;
    CountdownSeconds m_countdown = 0;
    long long m_tickCount = 0;
    long long m_verifyTicks = 0;
    DailyTime m_daily;
    bool m_stopAtEnd = false;
    RaceLimit m_raceLimit;
    Tally m_tally;
    int m_failuresInARow = 0;
    std::time_t m_backOffUntil = 0;
    std::unique_ptr<ScheduleTimer> m_timer;
    bool m_timerRunning = false;
    bool m_racing = false;

    bool m_ended = false;
    RunEnd m_endReason = RunEnd::Running;
    std::string m_errorText;
};
