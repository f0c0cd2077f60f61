#include "publish/calendar_feed.h"

#include "platform/file_system.h"
#include "schedule/countdown.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Debian's iCalendar parser reads the feed back: one line per event, its start in UTC and its summary.
const char* const readBack = R"(import sys, icalendar
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], 'rb').read())
for event in calendar.walk('VEVENT'):
    print(event.decoded('DTSTART').strftime('%Y-%m-%d %H:%M'), event.get('SUMMARY'))
)";

RACE Event(int sim, const std::string& track, const std::string& date, int runs = 1) {
    RACE event;
    event.Sim = sim;
    event.TrackName = track;
    event.RaceLength = 50;
    event.PracticeTime = 30;
    event.WarmupTime = 1;
    event.Runs = runs;
    event.Date = date;
    event.Time = "9:00";
    event.TimePM = 1;
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
    RaceList events = Schedule(
        {Event(1, "Past Oval", "03/01/2027"), Event(1, "Oak, Ridge; \"Mile\" \\ night\r\nB", "03/27/2027"),
         Event(0, "N\xc3\xbcrburgring Nordschleife Grand Prix Circuit", "03/28/2027")});
    events[2]->RaceLength = 100;
    events[2]->PracticeTime = 1;
    const std::time_t now = 1805540400;
    std::string feed = CalendarFeed("Thursday Night Legends League",
                                    UpcomingStarts(server, events, 0, 1, 1803931200, now), now);
    EXPECT_EQ(feed, ReadFileBytes(std::string(QUORVA_EXPECTED_DIR) + "published-schedule.ics").bytes);
    EXPECT_EQ(ReadBack(feed),
              "2027-03-27 20:00 Oak, Ridge; \"Mile\" \\ night\nB (NASCAR Legends)\n"
              "2027-03-28 19:00 N\xc3\xbcrburgring Nordschleife Grand Prix Circuit (NASCAR Racing 3)\n");
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
         "2027-03-12 02:00 A (NASCAR Legends)\n2027-03-13 02:00 B (NASCAR Legends)\n"
         "2027-03-14 02:00 A (NASCAR Legends)\n2027-03-15 01:00 A (NASCAR Legends)\n"
         "2027-03-16 01:00 B (NASCAR Legends)\n2027-03-17 01:00 A (NASCAR Legends)\n"
         "2027-03-18 01:00 A (NASCAR Legends)\n2027-03-19 01:00 B (NASCAR Legends)\n"
         "2027-03-20 01:00 A (NASCAR Legends)\n2027-03-21 01:00 A (NASCAR Legends)\n"
         "2027-03-22 01:00 B (NASCAR Legends)\n2027-03-23 01:00 A (NASCAR Legends)\n"
         "2027-03-24 01:00 A (NASCAR Legends)\n2027-03-25 01:00 B (NASCAR Legends)\n"},
        // Berlin's clocks go back on October 31; the schedule stops at its end.
        {"daily in Berlin to the end", "Europe/Berlin", TimingDaily, "8:30", 1, 1, 1, 1824921000, 1824890400,
         "2027-10-30 18:30 B (NASCAR Legends)\n2027-10-31 19:30 A (NASCAR Legends)\n"},
        {"the continuous loop's next start", "Europe/Berlin", TimingContinuous, "", 0, 1, 1, 1824890700,
         1824890400, "2027-10-30 10:05 B (NASCAR Legends)\n"},
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
        RaceList events = Schedule({Event(1, "A", "03/01/2027", 2), Event(1, "B", "03/01/2027")});
        if (row.stopAtEnd)
            events.push_back(std::make_unique<RACE>(Event(1, "A", "03/01/2027")));
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
