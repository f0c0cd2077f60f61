#include "schedule/countdown.h"

#include "schedule/clock_time.h"
#include "schedule/run_texts.h"
#include "support/scoped_env.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

SERVER WithTiming(int timing, int delay = 5) {
    SERVER server;
    server.Timing = timing;
    server.RaceDelay = delay;
    return server;
}

SERVER Frame(const char* start, int startPm, const char* stop, int stopPm) {
    SERVER server = WithTiming(TimingContinuous);
    server.LimitTime = 1;
    server.StartTime = start;
    server.StartTimePM = startPm;
    server.StopTime = stop;
    server.StopTimePM = stopPm;
    return server;
}

RACE Dated(const char* date, const char* time, int pm) {
    RACE event;
    event.Date = date;
    event.Time = time;
    event.TimePM = pm;
    return event;
}

std::time_t At(int month, int day, int hour, int minute) {
    return LocalClockTime({2026, month, day}, hour, minute);
}

} // namespace

// The continuous loop waits the race delay inside its time-frame; the daily time is today, or the same
// time tomorrow less one second; clock times on the next day stay right when the clocks change.
TEST(Countdown, WaitsForTheNextStartOfEachTimingMode) {
    const SERVER evening = Frame("6:00", 1, "11:00", 1);
    const SERVER night = Frame("10:00", 1, "2:00", 0);
    const SERVER daily = WithTiming(TimingDaily);
    const DailyTime nine = ParseDailyTime("9:00", 1);
    struct Case {
        const char* name;
        const char* zone;
        SERVER server;
        DailyTime daily;
        int at[4]; // month, day, hour, minute
        int expected;
    };
    // The night before the clocks go forward (8 March 2026) has 23 hours; the night before they go back
    // (1 November 2026) has 25.
    const Case cases[] = {
        {"loop of 5 minutes", "UTC", WithTiming(TimingContinuous), {}, {6, 15, 23, 30}, 300},
        {"after an evening frame", "UTC", evening, {}, {6, 15, 23, 30}, 66600},
        {"at the evening frame's end", "UTC", evening, {}, {6, 15, 23, 0}, 68400},
        {"before the evening frame", "UTC", evening, {}, {6, 15, 17, 0}, 3600},
        {"inside the evening frame", "UTC", evening, {}, {6, 15, 20, 0}, 300},
        {"inside a frame across midnight", "UTC", night, {}, {6, 15, 1, 0}, 300},
        {"after a frame across midnight", "UTC", night, {}, {6, 15, 3, 0}, 68400},
        {"a timing value the dialog does not offer", "UTC", WithTiming(7, 2), {}, {6, 15, 12, 0}, 120},
        {"daily, later today", "UTC", daily, nine, {6, 15, 20, 0}, 3600},
        {"daily, at the time itself", "UTC", daily, nine, {6, 15, 21, 0}, 86399},
        {"daily 12:30 PM: after midnight", "UTC", daily, ParseDailyTime("12:30", 1), {6, 15, 23, 0}, 5400},
        {"frame, clocks go forward", "America/New_York", evening, {}, {3, 7, 23, 30}, 66600 - 3600},
        {"daily, clocks go back", "America/New_York", daily, nine, {10, 31, 21, 30}, 84599 + 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(ComputeCountdownSeconds(c.server, c.daily, RACE{}, At(c.at[0], c.at[1], c.at[2], c.at[3])),
                  c.expected);
    }
    DailyTime typo = ParseDailyTime("7x:5", 0);
    EXPECT_EQ(typo.hour * 60 + typo.minute, 7 * 60 + 5);
    EXPECT_EQ(ParseDailyTime("", 0).hour, 0);
}

TEST(Countdown, HandEditedNumbersNearTheLimitsNeverWrapAround) {
    ScopedTimeZone zone("UTC");
    const std::time_t now = At(6, 15, 20, 0);
    const long long midnight = now - 20 * 3600;
    const SERVER specific = WithTiming(TimingSpecific);
    // 1 January 2100, 18:00 UTC.
    EXPECT_EQ(ComputeCountdownSeconds(specific, {}, Dated("01/01/2100", "6:00", 1), now), 4102509600LL - now);
    EXPECT_EQ(ComputeCountdownSeconds(specific, {}, Dated("06/15/2026", "2147483647:00", 1), now),
              midnight + 2147483647LL * 3600 - now);
    EXPECT_EQ(ComputeCountdownSeconds(WithTiming(TimingContinuous, INT_MAX), {}, {}, now), 2147483647LL * 60);
    // A year or month beyond the smallest number reads as a moment long past: launched at once.
    EXPECT_LT(ComputeCountdownSeconds(specific, {}, Dated("-2147483648/01/-2147483648", "1:00", 0), now), 0);
}

// The running dialog's test shows the panel of an ordinary event; a wind direction beyond the list names
// none.
TEST(RunTexts, AWindDirectionBeyondTheListNamesNone) {
    RACE event;
    event.Temperature = 85;
    event.WindDirection = 8;
    event.WindSpeed = 12;
    event.FixedWeather = 1;
    EXPECT_EQ(NextEventPanel(event, 1).weather, "85 deg, wind from the  at 12 mph (Fixed)");
}
