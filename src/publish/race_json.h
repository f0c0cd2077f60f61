#pragma once

#include "results/stn_file.h"
#include "results/won_file.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The JSON copy of a kept race: the race's facts and every driver with every value the standings
// reader gives, under field names that stay the same from version to version (README, "The published
// folder"), so league tools read results without scraping the page.

struct RaceFacts {
    std::time_t ended = 0;
    int simulator = 0;
    // The kept race's name without extension; its page and standings file are this name with ".html"
    // and the standings extension.
    std::string baseName;
};

std::string RaceJson(const RaceFacts& facts, CStnFile& standings);
std::string RaceJson(const RaceFacts& facts, CWonFile& standings);

// What the standings count of a driver in a kept race.
struct KeptDriver {
    std::string name;
    long long finish = 0;
    long long points = 0;
    long long lapsLed = 0;

    bool operator==(const KeptDriver&) const = default;
};

// What the index and the standings show of a kept race.
struct KeptRace {
    long long ended = 0;
    std::string endedText;
    std::string simulator;
    std::string track;
    std::string winner;
    long long laps = 0;
    std::string page;
    std::vector<KeptDriver> drivers;

    bool operator==(const KeptRace&) const = default;
};

// The kept race that a JSON copy describes; none, with the reason in why, for a damaged file or one
// that is not a race file of ours.
std::optional<KeptRace> KeptRaceFromJson(std::string_view text, std::string& why);
