#include "schedule/countdown.h"

#include "schedule/clock_time.h"
#include "schedule/run_texts.h"
#include "support/scoped_env.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

SERVER Continuous(int delay) {
    SERVER server;
    server.Timing = TimingContinuous;
    server.RaceDelay = delay;
    return server;
}

SERVER Frame(const char* start, int startPm, const char* stop, int stopPm) {
    SERVER server = Continuous(5);
    server.LimitTime = 1;
    server.StartTime = start;
    server.StartTimePM = startPm;
    server.StopTime = stop;
    server.StopTimePM = stopPm;
    return server;
}

SERVER Daily() {
    SERVER server;
    server.Timing = TimingDaily;
    return server;
}

int Countdown(const SERVER& server, std::time_t now, DailyTime daily = {}) {
    return ComputeCountdownSeconds(server, daily, RACE{}, now);
}

std::time_t At(int month, int day, int hour, int minute) {
    return LocalClockTime({2026, month, day}, hour, minute);
}

} // namespace

// The continuous loop waits the race delay inside its time-frame; the daily time is today, or the same
// time tomorrow less one second; clock times on the next day stay right when the clocks change.
TEST(Countdown, WaitsForTheNextStartOfEachTimingMode) {
    SERVER odd = Continuous(2);
    odd.Timing = 7;
    const SERVER evening = Frame("6:00", 1, "11:00", 1);
    const SERVER night = Frame("10:00", 1, "2:00", 0);
    const DailyTime nine = ParseDailyTime("9:00", 1);
    struct Case {
        const char* name;
        const char* zone;
        SERVER server;
        DailyTime daily;
        int at[4]; // month, day, hour, minute
        int expected;
    };
    const Case cases[] = {
        {"loop of 5 minutes", "UTC", Continuous(5), {}, {6, 15, 23, 30}, 300},
        {"loop of 7 minutes", "UTC", Continuous(7), {}, {6, 15, 23, 30}, 420},
        {"after an evening frame", "UTC", evening, {}, {6, 15, 23, 30}, 66600},
        {"at the evening frame's end", "UTC", evening, {}, {6, 15, 23, 0}, 68400},
        {"before the evening frame", "UTC", evening, {}, {6, 15, 17, 0}, 3600},
        {"inside the evening frame", "UTC", evening, {}, {6, 15, 20, 0}, 300},
        {"inside a frame across midnight", "UTC", night, {}, {6, 15, 1, 0}, 300},
        {"after a frame across midnight", "UTC", night, {}, {6, 15, 3, 0}, 68400},
        {"a frame's start already passed", "UTC", night, {}, {6, 15, 23, 0}, -3600},
        {"a timing value the dialog does not offer runs as the loop", "UTC", odd, {}, {6, 15, 12, 0}, 120},
        {"daily, later today", "UTC", Daily(), nine, {6, 15, 20, 0}, 3600},
        {"daily, passed today", "UTC", Daily(), nine, {6, 15, 21, 30}, 84599},
        {"daily, at the time itself", "UTC", Daily(), nine, {6, 15, 21, 0}, 86399},
        {"daily 12:30 PM: after midnight", "UTC", Daily(), ParseDailyTime("12:30", 1), {6, 15, 23, 0}, 5400},
        // The night before the clocks go forward (8 March 2026) has 23 hours; the night before they go
        // back (1 November 2026) has 25.
        {"frame, clocks go forward", "America/New_York", evening, {}, {3, 7, 23, 30}, 66600 - 3600},
        {"frame, clocks go back", "America/New_York", evening, {}, {10, 31, 23, 30}, 66600 + 3600},
        {"daily, clocks go forward", "America/New_York", Daily(), nine, {3, 7, 21, 30}, 84599 - 3600},
        {"daily, clocks go back", "America/New_York", Daily(), nine, {10, 31, 21, 30}, 84599 + 3600},
        {"daily, the day the clocks went forward", "America/New_York", Daily(), nine, {3, 8, 20, 0}, 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedTimeZone zone(c.zone);
        EXPECT_EQ(Countdown(c.server, At(c.at[0], c.at[1], c.at[2], c.at[3]), c.daily), c.expected);
    }
    EXPECT_EQ(nine.hour, 21);
    DailyTime typo = ParseDailyTime("7x:5", 0);
    EXPECT_EQ(typo.hour, 7);
    EXPECT_EQ(typo.minute, 5);
    EXPECT_EQ(ParseDailyTime("", 0).hour, 0);
}

TEST(Countdown, ASpecificEventCountsToItsOwnDateAndTime) {
    ScopedTimeZone zone("UTC");
    SERVER server;
    server.Timing = TimingSpecific;
    RACE event;
    event.Date = "07/04/2026";
    event.Time = "7:30";
    event.TimePM = 1;
    EXPECT_EQ(EventClockTime(event), At(7, 4, 19, 30));
    EXPECT_EQ(ComputeCountdownSeconds(server, {}, event, At(7, 4, 20, 0)), -1800);
    // Marked once the clock has passed it, not at the minute itself.
    EXPECT_EQ(EventDateLabel(EventClockTime(event), At(7, 4, 19, 30)), " ( 07/04/26, 19:30 )");
    EXPECT_EQ(EventDateLabel(EventClockTime(event), At(7, 4, 19, 30) + 1), " ( 07/04/26, 19:30 ) - past");
}

TEST(Countdown, HandEditedNumbersNearTheLimitsNeverWrapAround) {
    ScopedTimeZone zone("UTC");
    const std::time_t now = At(6, 15, 20, 0);
    const long long midnight = now - 20 * 3600;
    std::tm year2100{};
    year2100.tm_year = 200;
    year2100.tm_mday = 1;
    year2100.tm_hour = 18;
    struct Case {
        const char* name;
        SERVER server;
        RACE event;
        long long expected;
    };
    auto event = [](const char* date, const char* time, int pm) {
        RACE race;
        race.Date = date;
        race.Time = time;
        race.TimePM = pm;
        return race;
    };
    SERVER specific;
    specific.Timing = TimingSpecific;
    SERVER daily = Daily();
    daily.DailyTime = "2147483647:00";
    daily.Pm = 1;
    SERVER frame = Frame("2147483647:00", 1, "1:00", 0);
    const std::vector<Case> cases = {
        {"a race delay of forty million minutes", Continuous(40000000), {}, 2400000000LL},
        {"the largest race delay", Continuous(INT_MAX), {}, 2147483647LL * 60},
        {"the smallest race delay", Continuous(INT_MIN), {}, -2147483648LL * 60},
        {"a date after 2038", specific, event("01/01/2100", "6:00", 1), timegm(&year2100) - now},
        {"the largest PM hour of an event", specific, event("06/15/2026", "2147483647:00", 1),
         midnight + 2147483647LL * 3600 - now},
        {"the largest PM daily hour", daily, {}, midnight + 2147483647LL * 3600 - now},
        {"the largest PM start of a frame", frame, {}, midnight + 2147483647LL * 3600 - now},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        DailyTime dailyTime = ParseDailyTime(row.server.DailyTime, row.server.Pm);
        EXPECT_EQ(ComputeCountdownSeconds(row.server, dailyTime, row.event, now), row.expected);
    }
    // A year or month beyond the smallest number reads as a moment long past: launched at once.
    EXPECT_LT(ComputeCountdownSeconds(specific, {}, event("-2147483648/01/-2147483648", "1:00", 0), now), 0);
}

TEST(RunTexts, ShowTheCountdownTheEventAndTheCaption) {
    EXPECT_EQ(CountdownText(3725), "001 : 02 : 05");
    EXPECT_EQ(CountdownText(360000), "100 : 00 : 00");
    EXPECT_EQ(CountdownText(59), "000 : 00 : 59");
    EXPECT_EQ(CountdownText(0), "000 : 00 : 00");
    EXPECT_EQ(CountdownText(2400000000LL), "666666 : 40 : 00");
    EXPECT_EQ(RunCaption("1.2", 1), "Schedule Is Running, v1.2 (daily)");
    EXPECT_EQ(RunCaption("1.2", 2), "Schedule Is Running, v1.2 (specific date/time)");
    EXPECT_EQ(RunCaption("0.00", 5), "Schedule Is Running, v0.00");
    ScopedTimeZone zone("UTC");
    EXPECT_EQ(RaceInProgressText(LocalClockTime({2026, 6, 15}, 21, 4)),
              "Race in progress since 21:04 - Quorva waits for the simulator to exit");

    RACE event;
    event.Sim = 1;
    event.TrackId = "oakridge";
    event.TrackName = "Oak Ridge Mile";
    event.Temperature = 85;
    event.WindDirection = 1;
    event.WindSpeed = 12;
    event.RaceLength = 25;
    event.PracticeTime = 1;
    event.PostRaceTime = 30;
    event.Damage = 2;
    event.Runs = 3;
    NextEventTexts panel = NextEventPanel(event, 2);
    EXPECT_EQ(panel.simulator, "Nascar Legends");
    EXPECT_EQ(panel.track, "oakridge / Oak Ridge Mile");
    EXPECT_EQ(panel.weather, "85 deg, wind from the NorthEast at 12 mph (Variable)");
    EXPECT_EQ(panel.raceLength, "25%");
    EXPECT_EQ(panel.practiceTime, "1 minute ");
    EXPECT_EQ(panel.warmupTime, "0 minutes");
    EXPECT_EQ(panel.postRaceTime, "30 minutes");
    EXPECT_EQ(panel.damageModel, "Realistic");
    EXPECT_EQ(panel.consecutiveRun, "2 of 3");
    event.WindDirection = 8;
    event.Damage = -1;
    event.FixedWeather = 1;
    panel = NextEventPanel(event, 1);
    EXPECT_EQ(panel.weather, "85 deg, wind from the  at 12 mph (Fixed)");
    EXPECT_EQ(panel.damageModel, "");
}

// The next start as the operator reads it, from the countdown computed at a moment, in each timing mode
// around midnight and on the days daylight saving time begins and ends.
TEST(Countdown, TheNextStartIsTheWallClockTimeTheCountdownReaches) {
    ScopedTimeZone zone("Europe/Berlin");
    RACE dated;
    dated.Date = "12/08/2026";
    dated.Time = "12:26";
    dated.TimePM = 1;
    struct Case {
        const char* name;
        SERVER server;
        DailyTime daily;
        RACE event;
        std::time_t now;
        const char* text;
    };
    const Case cases[] = {
        {"continuous, past midnight",
         Continuous(5),
         {},
         RACE{},
         At(12, 7, 23, 58),
         "Next start: Tue 08 Dec 2026, 00:03"},
        {"daily 12:26 PM", Daily(), ParseDailyTime("12:26", 1), RACE{}, At(12, 7, 12, 24),
         "Next start: Tue 08 Dec 2026, 00:26"},
        {"dated 12:26 PM", {}, {}, dated, At(12, 8, 12, 0), "Next start: Wed 09 Dec 2026, 00:26"},
        {"daily, summer time begins", Daily(), ParseDailyTime("9:00", 1), RACE{}, At(3, 28, 22, 0),
         "Next start: Sun 29 Mar 2026, 21:00"},
        {"daily, summer time ends", Daily(), ParseDailyTime("9:00", 1), RACE{}, At(10, 24, 22, 0),
         "Next start: Sun 25 Oct 2026, 21:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SERVER server = c.server;
        if (c.event.Date.empty() == false)
            server.Timing = TimingSpecific;
        CountdownSeconds left = ComputeCountdownSeconds(server, c.daily, c.event, c.now);
        EXPECT_EQ(NextStartText(c.now + left), c.text);
    }
}
