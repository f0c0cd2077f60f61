#include "platform/windows_1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteReadsAsOneCharacterAndBackWhatItCannotHoldIsAQuestionMarkAndStoredTextIsEither) {
    std::string every;
    for (int byte = 0; byte < 256; ++byte)
        every += static_cast<char>(byte);
    std::string text = Utf8FromWindows1252(every);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(Windows1252FromUtf8(text), every);
    EXPECT_EQ(Utf8FromWindows1252("Caf\xE9 \x80 \x9F \x81\x8D\x8F\x90\x9D"),
              "Caf\u00E9 \u20AC \u0178 \u0081\u008D\u008F\u0090\u009D");
    const struct {
        const char *name, *text, *bytes;
    } cases[] = {{"an emoji", "go \U0001F3C1!", "go ?!"}, {"a byte that is not UTF-8", "Caf\xE9", "Caf?"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Windows1252FromUtf8(c.text), c.bytes);
        EXPECT_EQ(FitsWindows1252(c.text), std::string(c.bytes).find('?') == std::string::npos);
    }
    EXPECT_EQ(Utf8FromStored("Caf\xC3\xA9"), "Caf\u00E9");
    EXPECT_EQ(Utf8FromStored("Caf\xE9"), "Caf\u00E9");
    EXPECT_EQ(Utf8FromStored("M\xC3\xBC\xC3"), "M\u00C3\u00BC\u00C3");
}
