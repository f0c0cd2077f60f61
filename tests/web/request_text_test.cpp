#include "web/request_text.h"

#include <gtest/gtest.h>

TEST(RequestText, FormBodiesDecodeInOrderAndBadTextRefusesTheWhole) {
    std::optional<FormPairs> pairs =
        ParseFormText("host_name=Oval+Nights&empty=&flag&pw=%C3%A9%25x&&host_name=2");
    ASSERT_TRUE(pairs.has_value());
    const FormPairs expected = {
        {"host_name", "Oval Nights"}, {"empty", ""}, {"flag", ""}, {"pw", "\u00E9%x"}, {"host_name", "2"}};
    EXPECT_EQ(*pairs, expected);
    EXPECT_EQ(FormValue(*pairs, "host_name"), "Oval Nights");
    EXPECT_EQ(FormValue(*pairs, "missing"), std::nullopt);
    EXPECT_EQ(ParseFormText("a=line%0D%0Aend%09tab"), (FormPairs{{"a", "line\r\nend\ttab"}}));

    for (const char* refused : {"a=%", "a=%4", "a=%G1", "a=%00", "a%00=1", "a=%C3", "a=%FF%FE", "a=%1B[2J",
                                "a=%7F", "a=\x01", "a=%ED%A0%80"})
        EXPECT_EQ(ParseFormText(refused), std::nullopt) << refused;
}

TEST(RequestText, ACookieIsFoundByItsWholeName) {
    const char* header = "theme=dark; quorva_session=abc123;quorva=x; last=";
    EXPECT_EQ(CookieValue(header, "quorva_session"), "abc123");
    EXPECT_EQ(CookieValue(header, "quorva"), "x");
    EXPECT_EQ(CookieValue(header, "last"), "");
    EXPECT_EQ(CookieValue(header, "session"), std::nullopt);
    EXPECT_EQ(CookieValue("", "quorva"), std::nullopt);
}
