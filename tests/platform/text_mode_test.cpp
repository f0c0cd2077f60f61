#include "platform/text_mode.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(TextMode, WritesEveryLineFeedAsCrLfAndReadsOnlyCrLfBackUpToTheFirstCtrlZ) {
    EXPECT_EQ(LfToCrLf("a\nb\r\n"), "a\r\nb\r\r\n");
    EXPECT_EQ(TextModeRead("a\r\nb\r\r\nc\rd\n\r"), "a\nb\r\nc\rd\n\r");
    EXPECT_EQ(TextModeRead("a\r\x1A\n\r\nb\r\n\x1A"), "a\r");
    EXPECT_EQ(LinesBeforeFirstEmpty("a\nbc\n\nd\n"), (std::vector<std::string>{"a", "bc"}));
    EXPECT_EQ(LinesBeforeFirstEmpty("a\nlast"), (std::vector<std::string>{"a", "last"}));
}

TEST(TextMode, LimitedReadsOfTextWithoutLineEndsTakeTimeProportionalToItsSize) {
    // 8 MB in reads of 32 takes a second at most, sanitizers on; a search to its end at each read, twenty.
    const std::string text(8 << 20, 'x');
    auto start = std::chrono::steady_clock::now();
    std::vector<std::string> reads = LimitedLineReads(text, 32);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(reads.size(), text.size() / 32);
}
