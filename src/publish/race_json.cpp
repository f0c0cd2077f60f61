#include "publish/race_json.h"

#include "platform/local_time.h"
#include "publish/archive_name.h"
#include "publish/json.h"

#include <cmath>

namespace {

constexpr const char* raceFormat = "quorva-race";
constexpr int raceFormatVersion = 1;

// One object's members in order, written on one line.
class JsonObject {
public:
    JsonObject& Text(const char* name, const std::string& value) { return Raw(name, JsonQuoted(value)); }
    JsonObject& Number(const char* name, long long value) { return Raw(name, std::to_string(value)); }
    JsonObject& Raw(const char* name, const std::string& value) {
        m_text += (m_text.empty() ? "{" : ", ") + JsonQuoted(name) + ": " + value;
        return *this;
    }
    std::string Done() const { return m_text.empty() ? "{}" : m_text + "}"; }

private:
    std::string m_text;
};

template <typename Driver>
void CommonDriverValues(JsonObject& object, const Driver& driver) {
    object.Number("finish", driver.Finish)
        .Number("start", driver.Start)
        .Number("car", driver.Car)
        .Text("name", driver.Name)
        .Number("lapsCompleted", driver.LapsCompleted)
        .Number("lapsLed", driver.LapsLed)
        .Number("points", driver.Points);
}

std::string DriverJson(const STNDRIVER& driver, CStnFile&) {
    JsonObject object;
    CommonDriverValues(object, driver);
    return object.Text("qualifying", driver.Qualifying).Text("out", driver.Out).Done();
}

std::string DriverJson(const WONDRIVER& driver, CWonFile& standings) {
    JsonObject object;
    CommonDriverValues(object, driver);
    return object.Text("qualifyingTime", driver.QualifyingTime)
        .Text("qualifyingSpeed", driver.QualifyingSpeed)
        .Text("averageTime", driver.AverageTime)
        .Text("averageSpeed", driver.AverageSpeed)
        .Text("bestTime", driver.BestTime)
        .Text("bestSpeed", driver.BestSpeed)
        .Number("incidents", driver.Incidents)
        .Number("statusCode", driver.StatusCode)
        .Text("status", standings.GetStatusText())
        .Done();
}

// The race texts lose the blanks and line end that some keep in the standings file.
template <typename Reader>
std::string Json(const RaceFacts& facts, Reader& standings, const std::string& standingsExtension) {
    std::string text = "{\n";
    auto line = [&text](const char* name, const std::string& value) {
        text += "  " + JsonQuoted(name) + ": " + value + ",\n";
    };
    line("format", JsonQuoted(raceFormat));
    line("version", std::to_string(raceFormatVersion));
    line("simulator", JsonQuoted(SimulatorId(facts.simulator)));
    line("ended", JsonQuoted(FormatLocalTime(facts.ended, "%Y-%m-%d %H:%M:%S")));
    line("endedUnix", std::to_string(static_cast<long long>(facts.ended)));
    line("page", JsonQuoted(facts.baseName + ".html"));
    line("standings", JsonQuoted(facts.baseName + standingsExtension));
    line("track", JsonQuoted(Trimmed(standings.GetTrack())));
    line("laps", JsonQuoted(Trimmed(standings.GetLaps())));
    line("raceTime", JsonQuoted(Trimmed(standings.GetRaceTime())));
    line("averageSpeed", JsonQuoted(Trimmed(standings.GetAverageSpeed())));
    line("margin", JsonQuoted(Trimmed(standings.GetMargin())));
    line("cautions", JsonQuoted(Trimmed(standings.GetCautions())));
    line("leadChanges", JsonQuoted(Trimmed(standings.GetLeadChanges())));
    line("weather", JsonQuoted(Trimmed(standings.GetWeather())));
    text += "  \"drivers\": [";
    const char* separator = "\n    ";
    for (int n = 1; n <= standings.GetDriverCount(); ++n) {
        if (const auto* driver = standings.GetDriver(n)) {
            text += separator + DriverJson(*driver, standings);
            separator = ",\n    ";
        }
    }
    return text + (standings.GetDriverCount() > 0 ? "\n  ]\n}\n" : "]\n}\n");
}

long long WholeNumber(const JsonValue* value) {
    if (value == nullptr || value->kind != JsonValue::Kind::Number || !std::isfinite(value->number) ||
        std::fabs(value->number) > 1e15)
        return 0;
    return static_cast<long long>(value->number);
}

} // namespace

std::string RaceJson(const RaceFacts& facts, CStnFile& standings) {
    return Json(facts, standings, ".stn");
}

std::string RaceJson(const RaceFacts& facts, CWonFile& standings) {
    return Json(facts, standings, ".won");
}

std::optional<KeptRace> KeptRaceFromJson(std::string_view text, std::string& why) {
    std::optional<JsonValue> json = ParseJson(text);
    if (!json) {
        why = "not well-formed JSON";
        return std::nullopt;
    }
    if (json->kind != JsonValue::Kind::Object || json->TextOf("format") != raceFormat) {
        why = "not a race file of Quorva";
        return std::nullopt;
    }
    const JsonValue* drivers = json->Find("drivers");
    const JsonValue* ended = json->Find("endedUnix");
    KeptRace race;
    race.page = json->TextOf("page");
    // The page is linked from the index: only a page of the folder itself, never another address.
    bool plainPage = race.page.size() > 5 && race.page.ends_with(".html") &&
                     race.page.find_first_of(":/\\") == std::string::npos;
    if (ended == nullptr || ended->kind != JsonValue::Kind::Number || !plainPage || drivers == nullptr ||
        drivers->kind != JsonValue::Kind::Array) {
        why = "a race file without its end, page or drivers";
        return std::nullopt;
    }
    race.ended = WholeNumber(ended);
    race.endedText = json->TextOf("ended");
    race.simulator = json->TextOf("simulator");
    race.track = json->TextOf("track");
    // The winner is the driver who finished first, else the first listed.
    const JsonValue* winner = nullptr;
    bool foundFirst = false;
    race.drivers.reserve(drivers->items.size());
    for (const JsonValue& driver : drivers->items) {
        race.drivers.push_back({driver.TextOf("name"), WholeNumber(driver.Find("finish")),
                                WholeNumber(driver.Find("points")), WholeNumber(driver.Find("lapsLed"))});
        bool first = race.drivers.back().finish == 1;
        if (winner == nullptr || (first && !foundFirst))
            winner = &driver;
        foundFirst = foundFirst || first;
    }
    if (winner != nullptr) {
        race.winner = winner->TextOf("name");
        race.laps = WholeNumber(winner->Find("lapsCompleted"));
    }
    return race;
}
