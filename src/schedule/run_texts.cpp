#include "schedule/run_texts.h"

#include "core/server.h"
#include "core/simulator.h"
#include "platform/local_time.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int windDirectionCount = 8;
constexpr int damageModelCount = 3;

template <typename... Values>
std::string Format(const char* pattern, Values... values) {
    char text[256];
    int length = std::snprintf(text, sizeof text, pattern, values...);
    return std::string(text, static_cast<size_t>(length < 0 ? 0 : std::min<int>(length, sizeof text - 1)));
}

std::string Minutes(int minutes) {
    return Format("%d minute%c", minutes, minutes == 1 ? ' ' : 's');
}

// A string-table entry of a list, or empty text for a stored value outside it.
std::string ListEntry(int first, int count, int index) {
    return index >= 0 && index < count ? LoadString(first + index) : "";
}

} // namespace

std::string RunCaption(const std::string& programVersion, int timing) {
    static const char* const modes[] = {" (continuous loop)", " (daily)", " (specific date/time)"};
    return "Schedule Is Running, v" + programVersion +
           (timing >= TimingContinuous && timing <= TimingSpecific ? modes[timing] : "");
}

std::string EventItemText(bool marked, const std::string& trackName, const std::string& dateLabel) {
    return std::string(marked ? ">>" : "") + "\t" + trackName + dateLabel;
}

std::string EventDateLabel(std::time_t clockTime, std::time_t now) {
    return FormatLocalTime(clockTime, " ( %m/%d/%y, %H:%M )") + (clockTime < now ? " - past" : "");
}

std::string CountdownText(long long seconds) {
    long long hours = seconds / 3600;
    long long minutes = seconds / 60 - hours * 60;
    return Format("%03lld : %02lld : %02lld", hours, minutes, seconds - (seconds / 60) * 60);
}

std::string NextStartText(std::time_t start) {
    // To the nearest minute: a daily countdown to tomorrow ends one second before the clock time.
    std::time_t minute = (start + 30) / 60 * 60;
    return FormatLocalTime(minute, "Next start: %a %d %b %Y, %H:%M");
}

std::string BackOffText(int failuresInARow, int pauseMinutes, std::time_t until) {
    return std::to_string(failuresInARow) +
           " launches in a row did not race: the next launch waits at least " + std::to_string(pauseMinutes) +
           (pauseMinutes == 1 ? " minute" : " minutes") + ", until " + FormatLocalTime(until, "%H:%M:%S") +
           ".";
}

std::string RunText(int runNumber, int runs) {
    return Format("%d of %d", runNumber, runs);
}

std::string RaceInProgressText(std::time_t started) {
    return FormatLocalTime(started, "Race in progress since %H:%M - Quorva waits for the simulator to exit");
}

NextEventTexts NextEventPanel(const RACE& event, int runNumber) {
    NextEventTexts texts;
    texts.simulator = SimulatorOf(event.Sim).label;
    texts.track = event.TrackId + " / " + event.TrackName;
    texts.weather =
        Format("%d deg, wind from the %s at %d mph (%s)", event.Temperature,
               ListEntry(IDS_WIND_DIRECTION_FIRST, windDirectionCount, event.WindDirection).c_str(),
               event.WindSpeed, event.FixedWeather != 0 ? "Fixed" : "Variable");
    texts.raceLength = Format("%d%%", event.RaceLength);
    texts.practiceTime = Minutes(event.PracticeTime);
    texts.warmupTime = Minutes(event.WarmupTime);
    texts.postRaceTime = Minutes(event.PostRaceTime);
    texts.damageModel = ListEntry(IDS_DAMAGE_FIRST, damageModelCount, event.Damage);
    texts.consecutiveRun = RunText(runNumber, event.Runs);
    return texts;
}
