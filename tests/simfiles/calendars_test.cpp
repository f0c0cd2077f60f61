#include "simfiles/calendars.h"

#include "core/app_state.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

// Each simulator's calendar is replaced on its own; an empty path means the server's stored path.
TEST(CreateCalendar, ReplacesTheCalendarAndKeepsItsTrackCount) {
    ScopedProgramFolder program;
    program.Write("n3.cal", "             ashford\n             bayview\n");
    EXPECT_EQ(CreateCalendarN3(program.File("n3.cal")), 2);
    EXPECT_EQ(TrackCountN3, 2);
    EXPECT_EQ(CalendarN3->GetFileName(), program.File("n3.cal"));
    EXPECT_EQ(CreateCalendarN3(program.File("missing.cal")), 0);
    ASSERT_NE(CalendarN3, nullptr);
    EXPECT_EQ(TrackCountN3, 0);
    EXPECT_EQ(CalendarNL, nullptr);

    program.Write("nl.cal", "             millbrk\n");
    EXPECT_EQ(CreateCalendarNL(""), 0);
    EXPECT_EQ(CalendarNL->GetFileName(), "");
    Server = std::make_unique<SERVER>();
    Server->CalendarFileNL = program.File("nl.cal");
    EXPECT_EQ(CreateCalendarNL(""), 1);
    EXPECT_EQ(TrackCountNL, 1);
    EXPECT_EQ(CalendarNL->GetFileName(), program.File("nl.cal"));
}
