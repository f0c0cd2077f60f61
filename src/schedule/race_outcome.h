#pragma once

#include "schedule/simulator_launcher.h"

#include <string>
#include <vector>

// Whether a simulator that was started really raced. One that ends within seconds of its start with a
// failure, or whose Wine says it could not run it, did not: a real race lasts minutes. One that the
// operator ended is not a failure.
struct RaceOutcome {
    bool raced = true;
    // "the simulator exited with status 0" for a race; for one that did not race, "The simulator ended
    // 0.4 s after its start with status 53: it did not race."
    std::string text;
    // The last lines the simulator or Wine wrote, when it did not race.
    std::vector<std::string> lastLines;
    // The race was cut short (time limit, the operator's abort): it counts as run, with no results.
    bool cutShort = false;
};

// A simulator that ends sooner than this after its start, with a failure, did not race.
inline constexpr double shortestRaceSeconds = 10;

// How the simulator ended, in words: "exited with status 3", "was ended by signal 9 (Killed)".
std::string EndingText(const SimulatorLauncher::End& end);

// The outcome of a race from how the simulator ended and what it wrote (its output file's last part).
RaceOutcome JudgeRace(const SimulatorLauncher::End& end, const std::string& output);

// The last part of a file, at most limit bytes: a failing simulator may write megabytes. Empty when the
// file cannot be read.
std::string TailOfFile(const std::string& hostPath, size_t limit);
