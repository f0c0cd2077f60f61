#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(StringTable, HoldsTheIndexedRangesInTheirOrder) {
    EXPECT_EQ(LoadString(IDS_WIND_DIRECTION_FIRST), "East");
    EXPECT_EQ(LoadString(IDS_WIND_DIRECTION_FIRST + WindDirectionCount - 1), "SouthEast");
    EXPECT_EQ(LoadString(IDS_WIND_DIRECTION_FIRST + 3), "NorthWest");
    EXPECT_EQ(LoadString(IDS_DAMAGE_FIRST), "None");
    EXPECT_EQ(LoadString(IDS_DAMAGE_FIRST + DamageModelCount - 1), "Realistic");
    EXPECT_EQ(LoadString(IDS_ARENA_N3_FIRST + ArenaNameCount - 1), "Foxtrot");
    EXPECT_EQ(LoadString(IDS_ARENA_NL_FIRST + 1), "Bowman Gray");
    EXPECT_EQ(LoadString(IDS_ARENA_NL_FIRST + ArenaNameCount - 1), "Ford");
    EXPECT_EQ(LoadString(IDS_ARENA_INVISIBLE), "Invisible");
    EXPECT_EQ(LoadString(IDS_HTML_TOKEN_FIRST + 10), "D_QUAL");
    EXPECT_EQ(LoadString(IDS_HTML_TOKEN_FIRST + HtmlTokenCount - 1), "D_INCIDENTS");
    EXPECT_EQ(LoadString(IDS_ABOUTBOX), "&About Quorva...");
    for (int id = IDS_HTML_TOKEN_FIRST; id < IDS_HTML_TOKEN_FIRST + HtmlTokenCount; ++id)
        EXPECT_EQ(LoadString(id).rfind("D_", 0), 0u) << id;
}

TEST(StringTable, GivesEmptyTextForAnIdItDoesNotHold) {
    EXPECT_EQ(LoadString(0), "");
    EXPECT_EQ(LoadString(IDS_ARENA_INVISIBLE + 1), "");
    EXPECT_EQ(LoadString(IDS_HTML_TOKEN_FIRST + HtmlTokenCount), "");
}

TEST(StringTable, EventRecordFormatHasThirtyTwoFields) {
    std::string format = LoadString(IDS_EVENT_RECORD_FORMAT);
    EXPECT_EQ(std::count(format.begin(), format.end(), '%'), 32);
    EXPECT_EQ(std::count(format.begin(), format.end(), ','), 31);
}
