#include "schedule/timing_checks.h"

#include "schedule/countdown.h"

#include <gtest/gtest.h>

namespace {

// What the operator is told of a value beyond the range the dialog allows.
std::string Beyond(const std::string& value, const std::string& range, const char* dialog = "timing") {
    return value + " is beyond the " + range + " the " + dialog +
           " dialog allows; the schedule runs with it as it stands.";
}

} // namespace

TEST(TimingChecks, ValuesTheDialogsRefuseAreNamedOnceEachForTheTimingModeThatUsesThem) {
    struct Case {
        const char* name;
        int timing;
        int raceDelay;
        int clockAdjust;
        int limitTime;
        std::string time;
        std::vector<std::string> expected;
    };
    const int loop = TimingContinuous, daily = TimingDaily, dated = TimingSpecific;
    const std::string hours = "0:00 to 12:59";
    const std::vector<Case> cases = {
        {"the dialogs' upper limits", loop, 60, 60, 1, "12:59", {}},
        {"no race delay: back to back", loop, 0, 0, 1, "0:00", {}},
        {"a negative race delay", loop, -1, 0, 0, "9:00", {Beyond("RaceDelay=-1", "1 to 60 minutes")}},
        {"a time-frame of thirteen o'clock",
         loop,
         5,
         0,
         1,
         "13:00",
         {Beyond("StartTime=13:00", hours), Beyond("StopTime=13:00", hours)}},
        {"a time-frame that is switched off", loop, 5, 0, 0, "13:00", {}},
        {"a daily time and verify interval beyond",
         daily,
         0,
         -1,
         0,
         "9:60",
         {Beyond("DailyTime=9:60", hours), Beyond("ClockAdjust=-1", "0 to 60 minutes")}},
        {"an event time of the largest hour",
         dated,
         0,
         -1,
         1,
         "2147483647:00",
         {Beyond("Event 2 (Oak Ridge): Time=2147483647:00", hours, "event")}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        SERVER server;
        server.Timing = row.timing;
        server.RaceDelay = row.raceDelay;
        server.ClockAdjust = row.clockAdjust;
        server.LimitTime = row.limitTime;
        server.StartTime = server.StopTime = server.DailyTime = row.time;
        RaceList events;
        for (const char* track : {"Ashford", "Oak Ridge"}) {
            events.push_back(std::make_unique<RACE>());
            events.back()->TrackName = track;
            events.back()->Time = "6:00";
        }
        events[1]->Time = row.time;
        EXPECT_EQ(OutOfRangeTimingValues(server, events), row.expected);
    }
}
