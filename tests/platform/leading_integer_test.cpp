#include "platform/leading_integer.h"

#include <climits>
#include <gtest/gtest.h>

TEST(LeadingInteger, ReadsBlanksSignAndDigitsUpToTheFirstOtherCharacterWithoutOverflow) {
    EXPECT_EQ(LeadingInteger("abc"), 0);
    EXPECT_EQ(LeadingInteger(" \t\r\n\v\f-13laps"), -13);
    EXPECT_EQ(LeadingInteger("+7"), 7);
    EXPECT_EQ(LeadingInteger("2147483648"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999999999999999999"), INT_MIN);
}
