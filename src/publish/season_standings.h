#pragma once

#include "publish/race_json.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

// The championship of the kept races: one table per simulator, summed from the points each race page
// shows. A driver is one row whatever the case or surrounding blanks of the name in each race.

// One race of a driver, for the row that lists them.
struct DriverRace {
    const KeptRace* race = nullptr;
    long long finish = 0;
    long long points = 0;
};

struct StandingsRow {
    // As the newest race spells it, without surrounding blanks.
    std::string name;
    // Sums hold at the largest or smallest number rather than wrap round.
    long long points = 0;
    long long started = 0;
    long long wins = 0;
    long long top5 = 0;
    long long top10 = 0;
    long long lapsLed = 0;
    // 0 while no race gave the driver a finish of 1 or more; the average counts those races only.
    long long bestFinish = 0;
    long long finishSum = 0;
    long long finishes = 0;
    // Newest first.
    std::vector<DriverRace> races;
};

struct SimulatorStandings {
    std::string simulator;
    long long races = 0;
    // By points, then wins, then best finish, then name; the position is the place in this order.
    std::vector<StandingsRow> rows;
};

// The local midnight that starts the day "mm/dd/yyyy"; none for a text that is no such date.
std::optional<std::time_t> SeasonStartTime(const std::string& text);

// The standings of the races (newest first) that ended at or after from, by simulator id.
std::vector<SimulatorStandings> SeasonStandings(const std::vector<const KeptRace*>& races, std::time_t from);
