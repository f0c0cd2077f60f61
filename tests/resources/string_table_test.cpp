#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <gtest/gtest.h>

// The indexed ranges are walked by number, so their ends and order matter; an id outside them is empty.
TEST(StringTable, HoldsTheIndexedRangesInTheirOrderAndNothingBeyond) {
    const std::pair<int, const char*> rows[] = {
        {IDS_WIND_DIRECTION_FIRST + WindDirectionCount - 1, "SouthEast"},
        {IDS_DAMAGE_FIRST + DamageModelCount - 1, "Realistic"},
        {IDS_ARENA_NL_FIRST + ArenaNameCount - 1, "Ford"},
        {IDS_ARENA_INVISIBLE, "Invisible"},
        {IDS_HTML_TOKEN_FIRST + HtmlTokenCount - 1, "D_INCIDENTS"},
        {0, ""},
        {IDS_ARENA_INVISIBLE + 1, ""}};
    for (const auto& [id, text] : rows)
        EXPECT_EQ(LoadString(id), text) << id;
}
