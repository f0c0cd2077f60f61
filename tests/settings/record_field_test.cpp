#include "settings/record_field.h"

#include <gtest/gtest.h>

TEST(GetRecordField, GivesTheNthFieldOrTheDefault) {
    struct Case {
        const char* name;
        std::string text;
        char separator;
        int limit;
        int n;
        std::string expected;
    } cases[] = {
        {"first field", "1,,DEFAULT", ',', 32, 1, "1"},
        {"empty field", "1,,DEFAULT", ',', 32, 2, "dflt"},
        {"last field", "1,,DEFAULT", ',', 32, 3, "DEFAULT"},
        {"beyond the last field", "1,,DEFAULT", ',', 32, 4, "dflt"},
        {"year of a date", "12/25/2000", '/', 3, 3, "2000"},
        {"beyond the field limit", "12/25/2000", '/', 3, 4, "dflt"},
        {"date without a year", "12/25", '/', 3, 3, "dflt"},
        {"minutes of a time", "6:00", ':', 2, 2, "00"},
        {"empty text", "", ',', 32, 1, "dflt"},
        {"trailing separator", "a,b,", ',', 32, 3, "dflt"},
        {"field zero", "a,b", ',', 32, 0, "dflt"},
        {"apostrophe separator", "1'Jim Driver'42", '\'', 10, 2, "Jim Driver"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(GetRecordField(c.text, c.separator, c.limit, c.n, "dflt"), c.expected);
    }
}
