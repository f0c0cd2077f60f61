#include "platform/text_mode.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(TextMode, WritesEveryLineFeedAsCrLfAndReadsOnlyCrLfBack) {
    EXPECT_EQ(LfToCrLf("a\nb\n\n"), "a\r\nb\r\n\r\n");
    EXPECT_EQ(LfToCrLf("a\r\nb"), "a\r\r\nb");
    EXPECT_EQ(LfToCrLf("no line end"), "no line end");
    EXPECT_EQ(TextModeRead("a\r\nb\r\r\nc\rd\n\r"), "a\nb\r\nc\rd\n\r");
    EXPECT_EQ(TextModeRead(LfToCrLf("x\ny\n")), "x\ny\n");
}

TEST(TextMode, ReadsEndAtTheFirstCtrlZ) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Case cases[] = {
        {"as the last byte of a DOS file", "a\r\nb\r\n\x1A", "a\nb\n"},
        {"before more text", "a\x1A\r\nb\r\n\x1A", "a"},
        {"between CR and LF", "a\r\x1A\n", "a\r"},
        {"as the first byte", "\x1A\r\nb", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TextModeRead(c.bytes), c.text);
    }
}

TEST(TextMode, LimitedReadsTakeLongLinesInPiecesAndEndAtANul) {
    using namespace std::string_literals;
    EXPECT_EQ(LimitedLineReads("abcdef\ngh\n\nij", 4),
              (std::vector<std::string>{"abcd", "ef\n", "gh\n", "\n", "ij"}));
    EXPECT_EQ(LimitedLineReads("ab\0cd\n\0e\nf"s, 10), (std::vector<std::string>{"ab", "", "f"}));
    EXPECT_TRUE(LimitedLineReads("", 10).empty());
}

TEST(TextMode, LimitedReadsOfTextWithoutLineEndsTakeTimeProportionalToItsSize) {
    // 8 MB in reads of 32 takes about a second at most (sanitizers on); a search to the text's end at
    // every read takes some twenty seconds.
    const std::string text(8 << 20, 'x');
    auto start = std::chrono::steady_clock::now();
    std::vector<std::string> reads = LimitedLineReads(text, 32);
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(reads.size(), text.size() / 32);
    EXPECT_EQ(reads.back(), std::string(32, 'x'));
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(TextMode, LinesEndAtTheFirstEmptyLine) {
    EXPECT_EQ(LinesBeforeFirstEmpty("a\nbc\n\nd\n"), (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(LinesBeforeFirstEmpty("a\nlast"), (std::vector<std::string>{"a", "last"}));
    EXPECT_TRUE(LinesBeforeFirstEmpty("\nafter").empty());
}
