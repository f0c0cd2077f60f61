#pragma once

#include "schedule/schedule_view.h"

#include <cstdio>
#include <string>
#include <vector>

// The running schedule as lines of text with local time stamps, for a server without a display. On a
// terminal the countdown is rewritten in place; elsewhere (a log) it is written once a minute.
class ConsoleView : public ScheduleView {
public:
    explicit ConsoleView(std::FILE* out);

    void SetCaption(const std::string& caption) override;
    void SetEventItems(const std::vector<std::string>& items) override;
    void ReplaceEventItem(int index, const std::string& text) override;
    void SelectEventItem(int) override {}
    void ShowNextEvent(const NextEventTexts& texts, const RACE& event) override;
    void ShowCountdown(const std::string& text, int seconds) override;
    void ShowRunText(const std::string& text) override;
    void SetStopAtEnd(bool checked, bool enabled) override;
    bool StopAtEndChecked() const override { return m_stopAtEnd; }
    void EndRun(int result) override;
    void RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) override;
    void RaceNotStarted(const std::string& why) override;
    void RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) override;
    void ResultsPublished(const std::string& pagePath) override;
    bool StopRequestedDuringRace() override;

private:
    // Writes one line with its time stamp, after ending a countdown that stands in place.
    void Line(const std::string& text);
    void PrintList();

    std::FILE* m_out;
    bool m_terminal;
    bool m_countdownInPlace = false;
    bool m_countdownShown = false;
    bool m_stopAtEnd = false;
    std::vector<std::string> m_items;
};

// The local time stamp that begins each line: "2026-12-07 18:30:00".
std::string TimeStamp();
