#include "schedule/timing_checks.h"

#include "schedule/countdown.h"

#include <gtest/gtest.h>

namespace {

const std::string asItStands = "; the schedule runs with it as it stands.";

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
    const std::vector<Case> cases = {
        {"the dialogs' limits", TimingContinuous, 60, 60, 1, "12:59", {}},
        {"the dialogs' lower limits", TimingContinuous, 1, 0, 1, "0:00", {}},
        {"a race delay of forty million minutes",
         TimingContinuous,
         40000000,
         0,
         0,
         "9:00",
         {"RaceDelay=40000000 is beyond the 1 to 60 minutes the timing dialog allows" + asItStands}},
        {"no race delay: back to back", TimingContinuous, 0, 0, 0, "9:00", {}},
        {"a negative race delay",
         TimingContinuous,
         -1,
         0,
         0,
         "9:00",
         {"RaceDelay=-1 is beyond the 1 to 60 minutes the timing dialog allows" + asItStands}},
        {"a time-frame of thirteen o'clock",
         TimingContinuous,
         5,
         0,
         1,
         "13:00",
         {"StartTime=13:00 is beyond the 0:00 to 12:59 the timing dialog allows" + asItStands,
          "StopTime=13:00 is beyond the 0:00 to 12:59 the timing dialog allows" + asItStands}},
        {"a time-frame that is switched off", TimingContinuous, 5, 0, 0, "13:00", {}},
        {"a negative verify interval in daily mode",
         TimingDaily,
         0,
         -1,
         0,
         "9:60",
         {"DailyTime=9:60 is beyond the 0:00 to 12:59 the timing dialog allows" + asItStands,
          "ClockAdjust=-1 is beyond the 0 to 60 minutes the timing dialog allows" + asItStands}},
        {"an event time of the largest hour",
         TimingSpecific,
         0,
         -1,
         1,
         "2147483647:00",
         {"Event 2 (Oak Ridge): Time=2147483647:00 is beyond the 0:00 to 12:59 the event dialog allows" +
          asItStands}},
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
