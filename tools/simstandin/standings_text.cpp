#include "standings_text.h"

#include <array>
#include <cstdio>

namespace {

template <typename... Values>
std::string Format(const char* pattern, Values... values) {
    char text[256];
    int length = std::snprintf(text, sizeof text, pattern, values...);
    return std::string(text, static_cast<size_t>(std::max(length, 0)));
}

// "h:mm:ss.mmm" for NASCAR Racing 3, "h:mm:ss" for the race time of NASCAR Legends.
std::string Clock(double seconds, bool withMilliseconds) {
    long milliseconds = static_cast<long>(seconds * 1000 + 0.5);
    long whole = milliseconds / 1000;
    std::string text = Format("%ld:%02ld:%02ld", whole / 3600, whole / 60 % 60, whole % 60);
    return withMilliseconds ? text + Format(".%03ld", milliseconds % 1000) : text;
}

std::string Value(const char* key, const std::string& value) {
    return std::string(key) + " '" + value + "' ";
}

std::string Value(const char* key, int value) {
    return Value(key, std::to_string(value));
}

std::string Speed(double mph) {
    return Format("%.3f", mph);
}

const std::array<const char*, 8> compass = {"N", "NE", "E", "SE", "S", "SW", "W", "NW"};

const char* Compass(int direction) {
    return compass[static_cast<size_t>(direction) % compass.size()];
}

} // namespace

std::string WonText(const Race& race) {
    std::string text =
        Value("trackname", race.trackName) + Value("trackid", race.trackId) + Value("laps", race.laps) +
        Value("miles", Format("%.1f", race.trackMiles * race.laps)) +
        Value("length", Format("%.3f", race.trackMiles)) + Value("cautions", race.cautions) +
        Value("cautionlaps", race.cautionLaps) + Value("winddir", race.windDirection % 8 * 45) +
        Value("windspeed", race.windSpeed) + Value("temperature", race.temperature);
    text.back() = '\r';
    text += "\n";
    for (const RaceDriver& d : race.drivers) {
        // NASCAR Racing 3 records its status codes: 0 running, 21 an accident, others a failure.
        int status = !d.retired ? 0 : d.accident ? 21 : 3 + d.car % 5;
        std::string line = Value("driver", d.name) + Value("car", d.car) + Value("start", d.start) +
                           Value("finish", d.finish) + Value("laps", d.lapsCompleted) +
                           Value("led", d.lapsLed) + Value("qualtime", Clock(d.qualifyingSeconds, true)) +
                           Value("qualspeed", Speed(MilesPerHour(race.trackMiles, d.qualifyingSeconds))) +
                           Value("avgtime", Clock(d.averageSeconds, true)) +
                           Value("avgspeed", Speed(MilesPerHour(race.trackMiles, d.averageSeconds))) +
                           Value("besttime", Clock(d.bestSeconds, true)) +
                           Value("bestspeed", Speed(MilesPerHour(race.trackMiles, d.bestSeconds))) +
                           Value("incidents", d.incidents) + Value("status", status);
        line.back() = '\r';
        text += line + "\n";
    }
    return text;
}

std::string StnText(const Race& race) {
    std::string text =
        "Race Final " + race.trackName + "\r\n" +
        Format("%s: %.1f miles, %d laps\r\n\r\n", race.trackName.c_str(), race.trackMiles * race.laps,
               race.laps) +
        "Fin St  Car  Driver                      Laps Led   Pts  Qualifying   Out\r\n"
        "-- --  ---  --------------------------- ---  ---   ---  ------------ ------------\r\n";
    for (const RaceDriver& d : race.drivers) {
        std::string qualifying = d.qualifyingSeconds > 0 ? Format("%.3f", d.qualifyingSeconds) : "";
        std::string out = d.retired ? d.reasonOut : "Running";
        text += Format("%2d  %2d  %3d  %-27.27s %3d  %3d   %3d  %-12s %-12s\r\n", d.finish, d.start, d.car,
                       d.name.c_str(), d.lapsCompleted, d.lapsLed, d.points, qualifying.c_str(), out.c_str());
    }
    text += "\r\n" + Format("  Race time: %s\r\n", Clock(race.raceSeconds, false).c_str()) +
            Format("  Average speed: %.3f mph\r\n", race.averageMph) +
            Format("  Margin of victory: %.3f sec\r\n", race.marginSeconds) +
            Format("  Caution flags: %d for %d laps\r\n", race.cautions, race.cautionLaps) +
            Format("  # of lead changes: %d\r\n", race.leadChanges) +
            Format("  Weather - %d^F, clear, wind %d mph from the %s\r\n", race.temperature, race.windSpeed,
                   Compass(race.windDirection));
    return text;
}
