#include "race.h"

#include "random.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

struct Track {
    std::string name;
    std::string id;
    double miles;
    int fullLaps;
    double qualifyingMph;
};

// A calendar's track gets a race of about 300 miles, at a pole speed that grows with its length.
Track TrackOf(const CalendarTrack& calendar) {
    constexpr double raceMiles = 300;
    return {calendar.name, calendar.id, calendar.miles,
            std::max(1, static_cast<int>(raceMiles / calendar.miles)),
            std::max(60.0, 200 - 55 / calendar.miles)};
}

const std::array<Track, 6> tracks = {{
    {"Oak Ridge Mile", "oakridge", 1.0, 200, 164},
    {"Harbor Point Speedway", "harbor", 1.5, 267, 178},
    {"Cedar Falls Oval", "cedar", 0.75, 300, 131},
    {"Red Mesa Raceway", "redmesa", 2.0, 200, 186},
    {"Pine Hollow Short Track", "pine", 0.5, 500, 94},
    {"Lakeside International", "lakeside", 2.5, 160, 192},
}};

const std::array<const char*, 20> firstNames = {"Dale", "Quin", "Uma", "Hal", "Ty",  "Ray", "Vic",
                                                "Wes",  "Ned",  "Eve", "Bo",  "Cy",  "Dot", "Flo",
                                                "Gus",  "Ike",  "Jo",  "Kit", "Lou", "Mae"};
const std::array<const char*, 20> lastNames = {"Vance", "Dunn", "Grant", "Ellis", "Crane", "Marsh", "Pike",
                                               "Shaw",  "Tate", "Webb",  "Boone", "Cobb",  "Dyer",  "Frye",
                                               "Hale",  "Kerr", "Lowe",  "Nash",  "Rusk",  "Yates"};
const std::array<const char*, 5> reasonsOut = {"Accident", "Engine", "Transmission", "Brakes", "Overheating"};

template <typename T>
void Shuffle(std::vector<T>& items, Random& random) {
    for (size_t k = items.size(); k > 1; --k)
        std::swap(items[k - 1], items[random.Between(0, static_cast<int>(k) - 1)]);
}

// Splits the race's laps among a few of the front runners and returns the number of lead changes.
int ShareTheLead(Race& race, Random& random) {
    int contenders = std::min<int>(8, static_cast<int>(race.drivers.size()));
    int stints = random.Between(1, std::min(race.laps, 12));
    int lapsLeft = race.laps;
    int leader = -1;
    int changes = -1;
    for (int stint = 0; stint < stints; ++stint) {
        int share = lapsLeft / (stints - stint);
        int laps = stint == stints - 1 ? lapsLeft : random.Between((share + 1) / 2, share);
        lapsLeft -= laps;
        // The winner leads the last stint.
        int next = stint == stints - 1 ? 0 : random.Between(0, contenders - 1);
        if (next != leader)
            ++changes;
        leader = next;
        race.drivers[leader].lapsLed += laps;
    }
    return changes;
}

// Championship points: by finishing position, 5 for leading a lap and 5 more for leading the most laps.
int FinishPoints(int finish) {
    if (finish < 1 || finish > largestField)
        return 0;
    if (finish <= 6)
        return 180 - 5 * finish;
    if (finish <= 11)
        return 174 - 4 * finish;
    return 163 - 3 * finish;
}

void AwardPoints(Race& race) {
    RaceDriver* mostLaps = nullptr;
    for (RaceDriver& driver : race.drivers) {
        driver.points = FinishPoints(driver.finish);
        if (driver.lapsLed > 0)
            driver.points += 5;
        if (driver.lapsLed > 0 && (mostLaps == nullptr || driver.lapsLed > mostLaps->lapsLed))
            mostLaps = &driver;
    }
    if (mostLaps != nullptr)
        mostLaps->points += 5;
}

} // namespace

double MilesPerHour(double trackMiles, double lapSeconds) {
    return lapSeconds > 0 ? trackMiles * 3600 / lapSeconds : 0;
}

Race RunRace(const StandInEvent& event, std::uint64_t seed,
             const std::optional<CalendarTrack>& calendarTrack) {
    Random random(seed);
    const Track track = calendarTrack
                            ? TrackOf(*calendarTrack)
                            : tracks[static_cast<size_t>(std::max(event.race - 1, 0)) % tracks.size()];
    Race race;
    race.trackName = track.name;
    race.trackId = track.id;
    race.trackMiles = track.miles;
    race.laps = std::max(1, track.fullLaps * std::clamp(event.lengthPercent, 1, 100) / 100);
    race.temperature = event.temperature;
    race.windSpeed = event.windSpeed;
    race.windDirection = (event.windDirection % 8 + 8) % 8;

    int fieldSize = std::clamp(event.fieldSize, 1, largestField);
    std::vector<int> nameOrder(firstNames.size() * lastNames.size());
    std::iota(nameOrder.begin(), nameOrder.end(), 0);
    Shuffle(nameOrder, random);
    std::vector<int> cars(99);
    std::iota(cars.begin(), cars.end(), 1);
    Shuffle(cars, random);

    double poleSeconds = track.miles * 3600 / track.qualifyingMph;
    for (int k = 0; k < fieldSize; ++k) {
        RaceDriver driver;
        int name = nameOrder[static_cast<size_t>(k)];
        driver.name = std::string(firstNames[static_cast<size_t>(name) % firstNames.size()]) + " " +
                      lastNames[static_cast<size_t>(name) / firstNames.size()];
        driver.car = cars[static_cast<size_t>(k)];
        // A driver's pace shows in qualifying and in the race, with some luck in both.
        double pace = random.Unit();
        driver.qualifyingSeconds = poleSeconds * (1 + 0.02 * pace + 0.01 * random.Unit());
        driver.bestSeconds = poleSeconds * (1 + 0.015 * pace + 0.005 * random.Unit());
        driver.averageSeconds = driver.bestSeconds * (1.03 + 0.03 * pace + 0.02 * random.Unit());
        driver.incidents = random.Between(0, 6);
        driver.retired = random.Unit() < 0.15;
        driver.lapsCompleted = driver.retired ? random.Between(0, race.laps - 1) : race.laps;
        if (driver.retired) {
            driver.reasonOut = reasonsOut[static_cast<size_t>(random.Between(0, reasonsOut.size() - 1))];
            driver.accident = driver.reasonOut == std::string("Accident");
        }
        race.drivers.push_back(driver);
    }

    // The grid follows qualifying; the slowest of a full field start from provisionals, without a time.
    std::vector<RaceDriver*> grid;
    for (RaceDriver& driver : race.drivers)
        grid.push_back(&driver);
    std::sort(grid.begin(), grid.end(), [](const RaceDriver* a, const RaceDriver* b) {
        return a->qualifyingSeconds < b->qualifyingSeconds;
    });
    for (size_t k = 0; k < grid.size(); ++k) {
        grid[k]->start = static_cast<int>(k) + 1;
        if (k >= 40)
            grid[k]->qualifyingSeconds = 0;
    }

    // Those still running finish by their pace, the retired behind them by the laps they made.
    std::stable_sort(race.drivers.begin(), race.drivers.end(), [](const RaceDriver& a, const RaceDriver& b) {
        if (a.lapsCompleted != b.lapsCompleted)
            return a.lapsCompleted > b.lapsCompleted;
        return a.averageSeconds < b.averageSeconds;
    });
    for (size_t k = 0; k < race.drivers.size(); ++k)
        race.drivers[k].finish = static_cast<int>(k) + 1;

    race.leadChanges = ShareTheLead(race, random);
    AwardPoints(race);
    race.cautions = random.Between(0, std::min(6, race.laps / 10));
    race.cautionLaps = race.cautions * random.Between(3, 6);
    race.raceSeconds = race.drivers[0].averageSeconds * race.laps + race.cautionLaps * poleSeconds;
    race.averageMph = MilesPerHour(track.miles * race.laps, race.raceSeconds);
    race.marginSeconds = race.drivers.size() > 1 ? 0.05 + 2.5 * random.Unit() : 0;
    return race;
}
