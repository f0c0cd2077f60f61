#pragma once

#include "calendar.h"
#include "event_file.h"

#include <cstdint>
#include <string>
#include <vector>

// One driver's race, in the units the standings files use.
struct RaceDriver {
    std::string name;
    int car = 0;
    int start = 0;
    int finish = 0;
    int lapsCompleted = 0;
    int lapsLed = 0;
    int points = 0;
    double qualifyingSeconds = 0; // 0: no qualifying time (started from a provisional)
    double averageSeconds = 0;
    double bestSeconds = 0;
    int incidents = 0;
    bool retired = false;
    bool accident = false;
    std::string reasonOut; // why a retired driver is out
};

struct Race {
    std::string trackName;
    std::string trackId;
    double trackMiles = 1;
    int laps = 1;
    int cautions = 0;
    int cautionLaps = 0;
    int leadChanges = 0;
    double raceSeconds = 0;
    double averageMph = 0;
    double marginSeconds = 0;
    int temperature = 70;
    int windSpeed = 0;
    int windDirection = 0;
    std::vector<RaceDriver> drivers; // in finishing order
};

// The largest field both simulators race.
constexpr int largestField = 43;

// A whole race for the event, the same for the same seed, on the track its calendar gives; without one,
// on a track of the stand-in's own.
Race RunRace(const StandInEvent& event, std::uint64_t seed,
             const std::optional<CalendarTrack>& calendarTrack = std::nullopt);

double MilesPerHour(double trackMiles, double lapSeconds);
