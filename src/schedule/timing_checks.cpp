#include "schedule/timing_checks.h"

#include "platform/leading_integer.h"
#include "schedule/countdown.h"

namespace {

constexpr int maxDelayMinutes = 60;
constexpr int maxClockAdjustMinutes = 60;
constexpr int maxTimeHours = 12;
constexpr int maxTimeMinutes = 59;
const char* const keptAsItStands = "; the schedule runs with it as it stands.";

std::string NumberLine(const char* key, int value, int low, int high) {
    return std::string(key) + "=" + std::to_string(value) + " is beyond the " + std::to_string(low) + " to " +
           std::to_string(high) + " minutes the timing dialog allows" + keptAsItStands;
}

// An "h:mm" time as the dialogs check it: hours 0-12 before the colon, minutes 0-59 after it.
bool TimeInRange(const std::string& text) {
    size_t colon = text.find(':');
    int hours = LeadingInteger(text.substr(0, colon));
    int minutes = colon == std::string::npos ? 0 : LeadingInteger(text.substr(colon + 1));
    return hours >= 0 && hours <= maxTimeHours && minutes >= 0 && minutes <= maxTimeMinutes;
}

std::string TimeLine(const std::string& key, const std::string& value, const char* dialog) {
    return key + "=" + value + " is beyond the 0:00 to " + std::to_string(maxTimeHours) + ":" +
           std::to_string(maxTimeMinutes) + " the " + dialog + " dialog allows" + keptAsItStands;
}

} // namespace

std::vector<std::string> OutOfRangeTimingValues(const SERVER& server, const RaceList& events) {
    std::vector<std::string> lines;
    auto checkTime = [&lines](const char* key, const std::string& value) {
        if (!TimeInRange(value))
            lines.push_back(TimeLine(key, value, "timing"));
    };
    switch (server.Timing) {
    case TimingDaily:
        checkTime("DailyTime", server.DailyTime);
        if (server.ClockAdjust < 0 || server.ClockAdjust > maxClockAdjustMinutes)
            lines.push_back(NumberLine("ClockAdjust", server.ClockAdjust, 0, maxClockAdjustMinutes));
        break;
    case TimingSpecific:
        for (size_t n = 0; n < events.size(); ++n) {
            if (!TimeInRange(events[n]->Time))
                lines.push_back("Event " + std::to_string(n + 1) + " (" + events[n]->TrackName +
                                "): " + TimeLine("Time", events[n]->Time, "event"));
        }
        break;
    default:
        // No delay at all runs the races back to back, as the demo and the tests ask for: not told.
        if (server.RaceDelay < 0 || server.RaceDelay > maxDelayMinutes)
            lines.push_back(NumberLine("RaceDelay", server.RaceDelay, 1, maxDelayMinutes));
        if (server.LimitTime != 0) {
            checkTime("StartTime", server.StartTime);
            checkTime("StopTime", server.StopTime);
        }
    }
    return lines;
}
