#include "core/app_state.h"

#include <gtest/gtest.h>

TEST(ClearEvents, EmptiesTheScheduleAndDoesNothingOnAnEmptyOne) {
    ClearEvents();
    EXPECT_TRUE(EventList.empty());
    EventList.push_back(std::make_unique<RACE>());
    EventList.push_back(std::make_unique<RACE>());
    ClearEvents();
    EXPECT_TRUE(EventList.empty());
}
