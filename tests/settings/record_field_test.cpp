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
        {"empty field", "1,,DEFAULT", ',', 32, 2, "dflt"},
        {"last field", "1,,DEFAULT", ',', 32, 3, "DEFAULT"},
        {"beyond the last field", "1,,DEFAULT", ',', 32, 4, "dflt"},
        {"beyond the field limit", "12/25/2000", '/', 3, 4, "dflt"},
        {"date without a year", "12/25", '/', 3, 3, "dflt"},
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
