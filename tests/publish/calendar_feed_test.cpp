#include "publish/calendar_feed.h"

#include "platform/file_system.h"
#include "schedule/countdown.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Debian's iCalendar parser reads the feed back: one line per event, its start in UTC and its track.
const char* const readBack = R"(import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for event in calendar.walk('VEVENT'):
    print(event.decoded('DTSTART').strftime('%m-%d %H:%M'), event.get('SUMMARY').rsplit(' (', 1)[0])
)";

// A new event of NASCAR Legends (10%, practice 30 minutes, warm-up 1 minute) at 9:00 PM.
RACE Event(const std::string& track, const std::string& date, int runs = 1) {
    RACE event;
    SetNewDefaultRaceValues(event, true);
    event.TrackName = track;
    event.Date = date;
    event.Time = "9:00";
    event.Runs = runs;
    return event;
}

RaceList Schedule(const std::vector<RACE>& events) {
    RaceList list;
    for (const RACE& event : events)
        list.push_back(std::make_unique<RACE>(event));
    return list;
}

class CalendarFeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("/usr/bin/python3 -c 'import icalendar' 2>/dev/null") != 0)
            GTEST_SKIP() << "Debian's python3-icalendar is not installed (scripts/setup.sh installs it)";
        work.Write("read_back.py", readBack);
    }

    // What the parser reads of the feed, with each line it could not read as an error.
    std::string ReadBack(const std::string& feed) {
        work.Write("schedule.ics", feed);
        std::string command = "cd / && /usr/bin/python3 '" + work.File("read_back.py") + "' '" +
                              work.File("schedule.ics") + "' >'" + work.File("read.txt") + "' 2>&1";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return work.Read("read.txt");
    }

    TempFolder work;
    SERVER server;
};

} // namespace

// Berlin's clocks go forward on March 28, 2027: the race at 9:00 PM is at 20:00 UTC the day before and
// at 19:00 UTC that day. A past event is left out; the track's separators and line end are escaped.
TEST_F(CalendarFeedTest, ADatedScheduleGivesEveryEventAheadInUtc) {
    ScopedTimeZone berlin{"Europe/Berlin"};
    server.Timing = TimingSpecific;
    RaceList events =
        Schedule({Event("Past Oval", "03/01/2027"), Event("Oak, Ridge; \"Mile\" \\ night\r\nB", "03/27/2027"),
                  Event("N\xc3\xbcrburgring Nordschleife Grand Prix Circuit", "03/28/2027")});
    events[2]->Sim = 0;
    events[2]->PracticeTime = 1;
    const std::time_t now = 1805540400;
    std::string feed = CalendarFeed("Thursday Night Legends League",
                                    UpcomingStarts(server, events, 0, 1, 1803931200, now), now);
    EXPECT_EQ(feed, ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + "published-schedule.ics").bytes);
    EXPECT_EQ(ReadBack(feed), "03-27 20:00 Oak, Ridge; \"Mile\" \\ night\nB\n"
                              "03-28 19:00 N\xc3\xbcrburgring Nordschleife Grand Prix Circuit\n");
}

TEST_F(CalendarFeedTest, EachTimingModeTellsTheStartsItKnows) {
    const struct {
        const char* name;
        const char* zone;
        int timing;
        const char* dailyTime;
        int stopAtEnd;
        int index, runNumber;
        std::time_t startsAt, now;
        const char* starts;
    } rows[] = {
        // The second of A's two runs is due a second before 9:00 PM; New York's clocks go forward on
        // March 14.
        {"daily across New York's change", "America/New_York", TimingDaily, "9:00", 0, 0, 2, 1804816799,
         1804734000,
         "03-12 02:00 A\n03-13 02:00 B\n03-14 02:00 A\n03-15 01:00 A\n03-16 01:00 B\n03-17 01:00 A\n03-18 "
         "01:00 A\n"
         "03-19 01:00 B\n03-20 01:00 A\n03-21 01:00 A\n03-22 01:00 B\n03-23 01:00 A\n03-24 01:00 A\n03-25 "
         "01:00 B\n"},
        // Berlin's clocks go back on October 31; the schedule stops at its end.
        {"daily in Berlin to the end", "Europe/Berlin", TimingDaily, "8:30", 1, 1, 1, 1824921000, 1824890400,
         "10-30 18:30 B\n10-31 19:30 A\n"},
        {"the continuous loop's next start", "Europe/Berlin", TimingContinuous, "", 0, 1, 1, 1824890700,
         1824890400, "10-30 10:05 B\n"},
        {"a dated schedule all past", "Europe/Berlin", TimingSpecific, "", 1, 0, 1, 1824890700, 1824890400,
         ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedTimeZone zone{row.zone};
        server.Timing = row.timing;
        server.DailyTime = row.dailyTime;
        server.Pm = 1;
        server.StopAtEnd = row.stopAtEnd;
        server.LimitTime = 1;
        server.StartTime = "6:00";
        server.StartTimePM = 1;
        server.StopTime = "11:30";
        server.StopTimePM = 1;
        RaceList events = Schedule({Event("A", "", 2), Event("B", "")});
        if (row.stopAtEnd)
            events.push_back(std::make_unique<RACE>(Event("A", "")));
        std::string feed = CalendarFeed(
            "L", UpcomingStarts(server, events, row.index, row.runNumber, row.startsAt, row.now), row.now);
        EXPECT_EQ(ReadBack(feed), row.starts);
        for (size_t fold; (fold = feed.find("\r\n ")) != std::string::npos;)
            feed.erase(fold, 3);
        EXPECT_EQ(
            feed.find("\\nLater starts depend on how long races last\\; races run daily from 6:00 PM to "
                      "11:30 PM.\r\n") != std::string::npos,
            row.timing == TimingContinuous);
    }
}
