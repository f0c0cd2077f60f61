#include "publish/season_standings.h"

#include "platform/letter_case.h"
#include "schedule/clock_time.h"

#include <algorithm>
#include <climits>
#include <map>
#include <unordered_map>

namespace {

void Add(long long& sum, long long value) {
    if (__builtin_add_overflow(sum, value, &sum))
        sum = value < 0 ? LLONG_MIN : LLONG_MAX;
}

std::string WithoutBlanks(const std::string& name) {
    size_t first = name.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

// The number of one part of the date; -1 unless it has from fewest to most digits.
int DatePart(const std::string& text, size_t& at, size_t fewest, size_t most) {
    size_t end = at;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    if (end - at < fewest || end - at > most)
        return -1;
    int value = std::stoi(text.substr(at, end - at));
    at = end;
    return value;
}

struct Table {
    SimulatorStandings standings;
    std::unordered_map<std::string, size_t> rowOf;
    std::vector<std::string> keys;
};

} // namespace

std::optional<std::time_t> SeasonStartTime(const std::string& text) {
    size_t at = 0;
    int month = DatePart(text, at, 1, 2);
    if (month < 0 || at >= text.size() || text[at++] != '/')
        return std::nullopt;
    int day = DatePart(text, at, 1, 2);
    if (day < 0 || at >= text.size() || text[at++] != '/')
        return std::nullopt;
    int year = DatePart(text, at, 4, 4);
    if (year < 1 || at != text.size())
        return std::nullopt;
    std::time_t midnight = LocalClockTime({year, month, day}, 0, 0);
    // A day the month does not have (02/30) moves into the next month.
    LocalDate date = DateOf(midnight);
    if (date.month != month || date.day != day)
        return std::nullopt;
    return midnight;
}

std::vector<SimulatorStandings> SeasonStandings(const std::vector<const KeptRace*>& races, std::time_t from) {
    std::map<std::string, Table> tables;
    for (const KeptRace* race : races) {
        if (race->ended < from)
            continue;
        Table& table = tables[race->simulator];
        ++table.standings.races;
        for (const KeptDriver& driver : race->drivers) {
            std::string name = WithoutBlanks(driver.name);
            std::string key = LowerCase(name);
            auto [found, added] = table.rowOf.emplace(key, table.standings.rows.size());
            if (added) {
                table.standings.rows.push_back({});
                table.standings.rows.back().name = name;
                table.keys.push_back(std::move(key));
            }
            StandingsRow& row = table.standings.rows[found->second];
            Add(row.points, driver.points);
            ++row.started;
            Add(row.lapsLed, driver.lapsLed);
            if (driver.finish >= 1) {
                row.wins += driver.finish == 1;
                row.top5 += driver.finish <= 5;
                row.top10 += driver.finish <= 10;
                row.bestFinish =
                    row.bestFinish == 0 ? driver.finish : std::min(row.bestFinish, driver.finish);
                Add(row.finishSum, driver.finish);
                ++row.finishes;
            }
            row.races.push_back({race, driver.finish, driver.points});
        }
    }
    std::vector<SimulatorStandings> result;
    for (auto& [simulator, table] : tables) {
        table.standings.simulator = simulator;
        std::vector<size_t> order(table.standings.rows.size());
        for (size_t n = 0; n < order.size(); ++n)
            order[n] = n;
        const auto& rows = table.standings.rows;
        const auto& keys = table.keys;
        // A row without a finish comes after every row with one.
        auto best = [](const StandingsRow& row) { return row.bestFinish == 0 ? LLONG_MAX : row.bestFinish; };
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            if (rows[a].points != rows[b].points)
                return rows[a].points > rows[b].points;
            if (rows[a].wins != rows[b].wins)
                return rows[a].wins > rows[b].wins;
            if (best(rows[a]) != best(rows[b]))
                return best(rows[a]) < best(rows[b]);
            return keys[a] < keys[b];
        });
        SimulatorStandings sorted{simulator, table.standings.races, {}};
        sorted.rows.reserve(order.size());
        for (size_t n : order)
            sorted.rows.push_back(std::move(table.standings.rows[n]));
        result.push_back(std::move(sorted));
    }
    return result;
}
