#pragma once

#include "schedule/clock.h"
#include "schedule/countdown_log_pace.h"
#include "schedule/schedule_view.h"

#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

// The running schedule as lines of text, each with its local time stamp, for a server without a display;
// under systemd it keeps the service's one-line status current as well.
// On a terminal the countdown is rewritten in place; elsewhere (a log) it is written at the moments of
// CountdownLogPace.
class ConsoleView : public ScheduleView {
public:
    ConsoleView(std::FILE* out, const Clock& clock);

    // Writes one line with its time stamp, after ending a countdown that stands in place.
    void Line(const std::string& text);
    // Writes the lines at once, each with the same time stamp.
    void Lines(const std::vector<std::string>& texts);

    void SetCaption(const std::string& caption) override;
    void SetEventItems(const std::vector<std::string>& items) override;
    void ReplaceEventItem(int index, const std::string& text) override;
    void SelectEventItem(int) override {}
    void ShowNextEvent(const NextEventTexts& texts, const RACE& event) override;
    void ShowCountdown(const std::string& text, int seconds) override;
    void ShowRunText(const std::string& text) override;
    void SetStopAtEnd(bool checked, bool enabled) override;
    bool StopAtEndChecked() const override { return m_stopAtEnd; }
    // main says how the run ended, with the reason the view is not told.
    void EndRun(int) override {}
    void RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) override;
    void RaceNotStarted(const std::string& why) override;
    void RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) override;
    void ResultsPublished(const std::string& pagePath) override;
    void BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) override;
    bool StopRequestedDuringRace() override;

private:
    void PrintList();

    std::FILE* m_out;
    const Clock& m_clock;
    bool m_terminal;
    bool m_countdownInPlace = false;
    CountdownLogPace m_pace;
    // The next event's track, and whether the service status still has to say that its countdown began.
    std::string m_trackName;
    bool m_countdownStatusDue = false;
    bool m_stopAtEnd = false;
    std::vector<std::string> m_items;
};

// The local time stamp that begins each line: "2026-12-07 18:30:00".
std::string TimeStamp(std::time_t moment);
