#include "schedule/countdown.h"

#include "core/record_field.h"
#include "platform/leading_integer.h"
#include "schedule/clock_time.h"

#include <climits>

namespace {

constexpr int secondsPerMinute = 60;

int Field(const std::string& text, char separator, int fieldLimit, int n) {
    return LeadingInteger(GetRecordField(text, separator, fieldLimit, n, "0"));
}

constexpr int pmHours = 12;

// A hand-edited hour near the largest number stays the largest rather than wrapping around.
int PmHour(int hour, int pm) {
    if (pm == 0)
        return hour;
    return hour > INT_MAX - pmHours ? INT_MAX : hour + pmHours;
}

// A time of the time-frame, "h:mm" with its PM flag, as hour and minute.
DailyTime FrameTime(const std::string& text, int pm) {
    return {PmHour(Field(text, ':', 2, 1), pm), Field(text, ':', 2, 2)};
}

CountdownSeconds Seconds(std::time_t later, std::time_t earlier) {
    return static_cast<CountdownSeconds>(later) - static_cast<CountdownSeconds>(earlier);
}

CountdownSeconds ContinuousCountdown(const SERVER& server, std::time_t now) {
    CountdownSeconds countdown = static_cast<CountdownSeconds>(server.RaceDelay) * secondsPerMinute;
    if (server.LimitTime == 0)
        return countdown;
    LocalDate today = DateOf(now);
    DailyTime startTime = FrameTime(server.StartTime, server.StartTimePM);
    DailyTime stopTime = FrameTime(server.StopTime, server.StopTimePM);
    std::time_t start = LocalClockTime(today, startTime.hour, startTime.minute);
    std::time_t stop = LocalClockTime(today, stopTime.hour, stopTime.minute);
    if (start < stop) {
        // Tomorrow's start is taken from the calendar, so it is right on the days the clocks change.
        if (now >= stop)
            return Seconds(LocalClockTime(NextDay(today), startTime.hour, startTime.minute), now);
        if (now < start)
            return Seconds(start, now);
        return countdown;
    }
    // A frame across midnight: between its end and its start, wait for today's start.
    return now >= stop ? Seconds(start, now) : countdown;
}

CountdownSeconds DailyCountdown(const DailyTime& daily, std::time_t now) {
    LocalDate today = DateOf(now);
    std::time_t time = LocalClockTime(today, daily.hour, daily.minute);
    if (time > now)
        return Seconds(time, now);
    // The same clock time tomorrow, less one second.
    return Seconds(LocalClockTime(NextDay(today), daily.hour, daily.minute), now) - 1;
}

} // namespace

DailyTime ParseDailyTime(const std::string& text, int pm) {
    size_t colon = text.find(':');
    int hour = LeadingInteger(text.substr(0, colon));
    int minute = colon == std::string::npos ? 0 : LeadingInteger(text.substr(colon + 1));
    return {PmHour(hour, pm), minute};
}

std::time_t EventClockTime(const RACE& event) {
    LocalDate date{Field(event.Date, '/', 3, 3), Field(event.Date, '/', 3, 1), Field(event.Date, '/', 3, 2)};
    return LocalClockTime(date, PmHour(Field(event.Time, ':', 2, 1), event.TimePM),
                          Field(event.Time, ':', 2, 2));
}

CountdownSeconds ComputeCountdownSeconds(const SERVER& server, const DailyTime& daily, const RACE& event,
                                         std::time_t now) {
    switch (server.Timing) {
    case TimingDaily:
        return DailyCountdown(daily, now);
    case TimingSpecific:
        return Seconds(EventClockTime(event), now);
    default:
        // A hand-edited value the timing dialog does not offer runs as the continuous loop.
        return ContinuousCountdown(server, now);
    }
}
