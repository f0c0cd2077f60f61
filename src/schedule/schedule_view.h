#pragma once

#include "schedule/race_outcome.h"
#include "schedule/run_texts.h"

#include <ctime>
#include <string>
#include <vector>

// What a running schedule shows and asks of its window: the running dialog, or the console runner's
// text. Messages go through the message sink (platform/messages.h) like every other message.
class ScheduleView {
public:
    virtual ~ScheduleView() = default;

    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetEventItems(const std::vector<std::string>& items) = 0;
    virtual void ReplaceEventItem(int index, const std::string& text) = 0;
    virtual void SelectEventItem(int index) = 0;
    virtual void ShowNextEvent(const NextEventTexts& texts, const RACE& event) = 0;
    virtual void ShowCountdown(const std::string& text, int seconds) = 0;
    virtual void ShowRunText(const std::string& text) = 0;

    // The "Stop at end of schedule" switch: loaded when the run starts, read at the end of the schedule.
    virtual void SetStopAtEnd(bool checked, bool enabled) = 0;
    virtual bool StopAtEndChecked() const = 0;

    // The run has ended with its result; the window closes.
    virtual void EndRun(int result) = 0;

    // The course of each race, for a view that logs it.
    virtual void RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) = 0;
    virtual void RaceNotStarted(const std::string& why) = 0;
    // The race is over, or the simulator did not race; its output is in outputFile, unless that is empty
    // (none was kept, or the simulator was not started).
    virtual void RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) = 0;
    virtual void ResultsPublished(const std::string& pagePath) = 0;
    // Launches in a row that did not race hold the next launch back until the given moment; a view that
    // does not show it ignores it.
    virtual void BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) {
        (void)failuresInARow;
        (void)pauseMinutes;
        (void)until;
    }

    // True when the operator asked to stop while the race made the window deaf; the run then stops as
    // soon as the race is over.
    virtual bool StopRequestedDuringRace() = 0;
};
