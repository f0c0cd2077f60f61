#include "ui/support/time_meaning.h"

#include <gtest/gtest.h>

// PM adds twelve hours to whatever is typed, so twelve with PM is after midnight and twelve without it
// is midday; a time the dialogs refuse means nothing yet.
TEST(TimeMeaningTest, SaysTheClockTimeOfATypedTimeAndItsPmBox) {
    struct Case {
        const char* name;
        const char* time;
        bool pm;
        const char* meaning;
    };
    const Case cases[] = {
        {"twelve with PM", "12:26", true, "12:26 with PM = 00:26, after midnight"},
        {"twelve without PM", "12:26", false, "12:26 without PM = 12:26, midday"},
        {"evening", "9:05", true, "9:05 with PM = 21:05"},
        {"morning", "09:5", false, "9:05 without PM = 09:05"},
        {"zero with PM", "0:30", true, "0:30 with PM = 12:30, midday"},
        {"zero without PM", "0:30", false, "0:30 without PM = 00:30"},
        {"hours beyond twelve", "13:00", false, ""},
        {"minutes beyond 59", "9:60", true, ""},
        {"no colon", "930", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TimeMeaning(c.time, c.pm), c.meaning);
    }
}
