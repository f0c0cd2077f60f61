#pragma once

#include "core/race.h"

#include <ctime>
#include <string>

// What the window of a running schedule shows, as texts.

// "Schedule Is Running, v1.0 (daily)".
std::string RunCaption(const std::string& programVersion, int timing);

// ">>", a tab, the track name and the date label; no mark for the events that are not next.
std::string EventItemText(bool marked, const std::string& trackName, const std::string& dateLabel);

// " ( 07/04/00, 19:30 )" for a specific date and time, with " - past" after it once now has passed it,
// so an event that will not run again stands out in every list of the run.
std::string EventDateLabel(std::time_t clockTime, std::time_t now);

// "001 : 02 : 05" for 3,725 seconds; the hours take as many digits as they need.
std::string CountdownText(long long seconds);

// When the next event starts, in the operator's local time, to the nearest minute: "Next start: Tue 08
// Dec 2026, 00:26".
std::string NextStartText(std::time_t start);

// Why the next launch waits longer than the schedule asks: "3 launches in a row did not race: the next
// launch waits at least 2 minutes, until 21:08:00."
std::string BackOffText(int failuresInARow, int pauseMinutes, std::time_t until);

// "2 of 3".
std::string RunText(int runNumber, int runs);

// What the window says while a race runs and it takes no input: "Race in progress since 21:04 - Quorva
// waits for the simulator to exit".
std::string RaceInProgressText(std::time_t started);

// The next-event panel.
struct NextEventTexts {
    std::string simulator;
    std::string track;
    std::string weather;
    std::string raceLength;
    std::string practiceTime;
    std::string warmupTime;
    std::string postRaceTime;
    std::string damageModel;
    std::string consecutiveRun;
};

NextEventTexts NextEventPanel(const RACE& event, int runNumber);
