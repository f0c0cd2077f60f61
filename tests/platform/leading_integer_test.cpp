#include "platform/leading_integer.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <utility>

TEST(LeadingInteger, ReadsBlanksSignAndDigitsUpToTheFirstOtherCharacter) {
    using namespace std::string_literals;
    const std::pair<std::string, int> cases[] = {{"", 0},
                                                 {"abc", 0},
                                                 {" \t\r\n\v\f-13laps", -13},
                                                 {"+7", 7},
                                                 {"0x1A", 0},
                                                 {"- 5", 0},
                                                 {"4\0005"s, 4},
                                                 {"2147483647", INT_MAX},
                                                 {"2147483648", INT_MAX},
                                                 {"-2147483648", INT_MIN},
                                                 {"-2147483649", INT_MIN},
                                                 {"99999999999999999999999999", INT_MAX},
                                                 {"-99999999999999999999999999", INT_MIN}};
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(LeadingInteger(text), value);
    }
}
