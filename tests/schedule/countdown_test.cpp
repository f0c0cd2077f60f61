#include "schedule/countdown.h"

#include "schedule/clock_time.h"
#include "schedule/countdown_log_pace.h"
#include "schedule/run_texts.h"
#include "schedule/timing_checks.h"
#include "support/scoped_env.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace {

SERVER WithTiming(int timing, int delay = 5) {
    SERVER server;
    server.Timing = timing;
    server.RaceDelay = delay;
    return server;
}

// A five-minute loop inside a time-frame from an evening hour.
SERVER Frame(const char* start, const char* stop, int stopPm) {
    SERVER server = WithTiming(TimingContinuous);
    server.LimitTime = server.StartTimePM = 1;
    server.StartTime = start;
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

// What the operator is told of a value beyond the range the dialog allows, as one line.
std::string Beyond(const std::string& value, const std::string& range, const char* dialog = "timing") {
    return value + " is beyond the " + range + " the " + dialog +
           " dialog allows; the schedule runs with it as it stands.\n";
}

} // namespace

// A daily time tomorrow counts a second less; clock times tomorrow stay right when the clocks change.
TEST(Countdown, WaitsForTheNextStartOfEachTimingModeAndHandEditedValuesNeverWrapAround) {
    const SERVER evening = Frame("6:00", "11:00", 1), night = Frame("10:00", "2:00", 0);
    const SERVER loop = WithTiming(TimingContinuous), daily = WithTiming(TimingDaily);
    const DailyTime nine = ParseDailyTime("9:00", 1);
    struct Case {
        const char* name;
        SERVER server;
        DailyTime daily;
        int at[4]; // month, day, hour, minute
        long long expected;
        RACE event = RACE();
        const char* zone = "UTC";
    };
    const SERVER dated = WithTiming(TimingSpecific);
    // The nights before the clocks change (8 March, 1 November 2026) have 23 and 25 hours.
    const Case cases[] = {
        {"loop of 5 minutes", loop, {}, {6, 15, 23, 30}, 300},
        {"after an evening frame", evening, {}, {6, 15, 23, 30}, 66600},
        {"at the evening frame's end", evening, {}, {6, 15, 23, 0}, 68400},
        {"before the evening frame", evening, {}, {6, 15, 17, 0}, 3600},
        {"inside the evening frame", evening, {}, {6, 15, 20, 0}, 300},
        {"inside a frame across midnight", night, {}, {6, 15, 1, 0}, 300},
        {"after a frame across midnight", night, {}, {6, 15, 3, 0}, 68400},
        {"a timing value the dialog does not offer", WithTiming(7, 2), {}, {6, 15, 12, 0}, 120},
        {"daily, later today", daily, nine, {6, 15, 20, 0}, 3600},
        {"daily, at the time itself", daily, nine, {6, 15, 21, 0}, 86399},
        {"daily 12:30 PM: after midnight", daily, ParseDailyTime("12:30", 1), {6, 15, 23, 0}, 5400},
        {"daily 7x:5 AM, a typo", daily, ParseDailyTime("7x:5", 0), {6, 15, 20, 0}, 39899},
        {"frame, clocks go forward", evening, {}, {3, 7, 23, 30}, 66600 - 3600, {}, "America/New_York"},
        {"daily, clocks go back", daily, nine, {10, 31, 21, 30}, 84599 + 3600, {}, "America/New_York"},
        {"delay INT_MAX minutes", WithTiming(TimingContinuous, INT_MAX), {}, {6, 15, 20, 0}, 128849018820},
        {"1 January 2100, 18:00", dated, {}, {6, 15, 20, 0}, 2320956000, Dated("01/01/2100", "6:00", 1)},
        {"hour 2^31-1", dated, {}, {6, 15, 20, 0}, 7730941057200, Dated("06/15/2026", "2147483647:00", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(ComputeCountdownSeconds(c.server, c.daily, c.event,
                                          LocalClockTime({2026, c.at[0], c.at[1]}, c.at[2], c.at[3])),
                  c.expected);
    }
    EXPECT_EQ(ParseDailyTime("", 0).hour, 0);
    // A year or month beyond the smallest number reads as a moment long past: launched at once.
    EXPECT_LT(ComputeCountdownSeconds(dated, {}, Dated("-2147483648/01/-2147483648", "1:00", 0), 0), 0);
    // A hand-edited wind direction beyond the list names none.
    RACE windy;
    windy.WindDirection = 8;
    EXPECT_EQ(NextEventPanel(windy, 1).weather, "0 deg, wind from the  at 0 mph (Variable)");
}

TEST(TimingChecks, ValuesTheDialogsRefuseAreNamedOnceEachForTheTimingModeThatUsesThem) {
    struct Row {
        const char* name;
        int timing, raceDelay, clockAdjust, limitTime;
        std::string time, told;
    };
    const int loop = TimingContinuous, daily = TimingDaily;
    const std::string h = "0:00 to 12:59";
    const Row rows[] = {
        {"the dialogs' upper limits", loop, 60, 60, 1, "12:59", ""},
        {"no race delay: back to back", loop, 0, 0, 1, "0:00", ""},
        {"a negative race delay", loop, -1, 0, 0, "9:00", Beyond("RaceDelay=-1", "1 to 60 minutes")},
        {"a time-frame of thirteen o'clock", loop, 5, 0, 1, "13:00",
         Beyond("StartTime=13:00", h) + Beyond("StopTime=13:00", h)},
        {"a time-frame that is switched off", loop, 5, 0, 0, "13:00", ""},
        {"a daily time and verify interval beyond", daily, 0, -1, 0, "9:60",
         Beyond("DailyTime=9:60", h) + Beyond("ClockAdjust=-1", "0 to 60 minutes")},
        {"an event time of the largest hour", TimingSpecific, 0, -1, 1, "2147483647:00",
         Beyond("Event 2 (Oak Ridge): Time=2147483647:00", h, "event")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SERVER server = WithTiming(row.timing, row.raceDelay);
        server.ClockAdjust = row.clockAdjust;
        server.LimitTime = row.limitTime;
        server.StartTime = server.StopTime = server.DailyTime = row.time;
        RaceList events;
        events.push_back(std::make_unique<RACE>(Dated("", "6:00", 0)));
        events.push_back(std::make_unique<RACE>(Dated("", row.time.c_str(), 0)));
        events[1]->TrackName = "Oak Ridge";
        std::string told;
        for (const std::string& line : OutOfRangeTimingValues(server, events))
            told += line + "\n";
        EXPECT_EQ(told, row.told);
    }
}

// Its start, each full hour, every ten minutes of the last hour and the last minute: 18 lines, not 720.
TEST(CountdownLogPaceTest, ALongWaitIsLoggedHourlyThenEveryTenMinutesThenAtItsLastMinute) {
    CountdownLogPace pace;
    auto loggedFrom = [&pace](CountdownSeconds from, CountdownSeconds to) {
        std::vector<CountdownSeconds> logged;
        for (CountdownSeconds left = from; left >= to; --left)
            if (pace.Due(left))
                logged.push_back(left);
        return logged;
    };
    EXPECT_EQ(loggedFrom(43199, 0),
              (std::vector<CountdownSeconds>{43199, 39600, 36000, 32400, 28800, 25200, 21600, 18000, 14400,
                                             10800, 7200, 3600, 3000, 2400, 1800, 1200, 600, 60}));

    // A countdown that ran out and one of a few seconds: only their start.
    EXPECT_TRUE(loggedFrom(-3, -5).empty());
    pace.Restart();
    EXPECT_EQ(loggedFrom(45, 0), std::vector<CountdownSeconds>{45});
}
