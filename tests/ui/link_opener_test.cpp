#include "ui/support/link_opener.h"

#include "opener_folder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The result of opening the URL, waited for.
int ResultOf(const std::string& url, std::chrono::milliseconds handOver = std::chrono::seconds(10)) {
    LinkOpening opening(url, handOver);
    std::optional<int> result;
    while (!(result = opening.Result()))
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return *result;
}

} // namespace

TEST(HyperlinkErrorText, NamesTheReasonOfEachShellCode) {
    struct Row {
        int code;
        const char* reason;
    };
    const Row rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {1, "Unknown Error (1) occurred."},
        {4, "Unknown Error (4) occurred."},
        {33, "Unknown Error (33) occurred."},
        {99, "Unknown Error (99) occurred."},
        {-1, "Unknown Error (-1) occurred."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        EXPECT_EQ(HyperlinkErrorText(row.code), std::string("Unable to open hyperlink:\n\n") + row.reason);
    }
}

TEST(LinkOpening, HandsTheWholeUrlToXdgOpenAndReadsItsExitStatus) {
    OpenerFolder folder;
    const std::string url = "https://example.com/a b?x=\"1\"&y='2'";
    folder.WriteOpener("exit 0");
    EXPECT_EQ(ResultOf(url), 33);
    EXPECT_EQ(folder.Argument(), "1|" + url);

    struct Row {
        const char* name;
        const char* body;
        int code;
    };
    const Row rows[] = {
        {"file not found", "exit 2", 2},      {"no program for the URL", "exit 3", 31},
        {"the program failed", "exit 4", 27}, {"bad command line", "exit 1", 27},
        {"killed", "kill -KILL $$", 27},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        folder.WriteOpener(row.body);
        EXPECT_EQ(ResultOf("mailto:pits@example.com"), row.code);
        EXPECT_EQ(folder.Argument(), "1|mailto:pits@example.com");
    }
}

TEST(LinkOpening, AnOpenerThatCannotRunIsReportedAsTheShellWould) {
    OpenerFolder folder;
    EXPECT_EQ(ResultOf("https://example.com/"), 2);

    folder.WriteProgram("#!/bin/sh\nexit 0\n", false);
    EXPECT_EQ(ResultOf("https://example.com/"), 5);

    folder.WriteProgram("not a program\n");
    EXPECT_EQ(ResultOf("https://example.com/"), 11);

    folder.WriteProgram("#!/no/such/shell\nexit 0\n");
    EXPECT_EQ(ResultOf("https://example.com/"), 2);
}

TEST(LinkOpening, NeverWaitsForAnOpenerThatShowsThePageItself) {
    OpenerFolder folder;
    // An xdg-open that runs the browser, which stays until it is closed.
    folder.WriteOpener("exec /bin/sleep 3 >/dev/null 2>&1");
    auto start = std::chrono::steady_clock::now();
    {
        LinkOpening opening("https://example.com/", std::chrono::milliseconds(300));
        EXPECT_EQ(opening.Result(), std::nullopt);
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        EXPECT_EQ(opening.Result(), 33);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // An opener that fails within its time is still reported.
    folder.WriteOpener("/bin/sleep 0.2; exit 3");
    EXPECT_EQ(ResultOf("https://example.com/", std::chrono::seconds(2)), 31);
}

TEST(LinkTextColour, HoverBeatsVisitedWhichBeatsTheLinkColour) {
    LinkColours colours;
    colours.hover = {51, 153, 255};
    EXPECT_EQ(LinkTextColour(colours, false, false), (Rgb{0, 0, 238}));
    EXPECT_EQ(LinkTextColour(colours, false, true), (Rgb{85, 26, 139}));
    EXPECT_EQ(LinkTextColour(colours, true, false), (Rgb{51, 153, 255}));
    EXPECT_EQ(LinkTextColour(colours, true, true), (Rgb{51, 153, 255}));
}

TEST(LinkTextAndUrl, EachFillsInTheOtherWhenEmpty) {
    struct Row {
        const char* name;
        const char* windowText;
        const char* url;
        const char* text;
        const char* opened;
    };
    const Row rows[] = {
        {"text only", "https://example.com/", "", "https://example.com/", "https://example.com/"},
        {"URL only", "", "mailto:pits@example.com", "mailto:pits@example.com", "mailto:pits@example.com"},
        {"both", "Home page", "https://example.com/", "Home page", "https://example.com/"},
        {"neither", "", "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        LinkText result = LinkTextAndUrl(row.windowText, row.url);
        EXPECT_EQ(result.text, row.text);
        EXPECT_EQ(result.url, row.opened);
    }
}

TEST(FitLinkRect, ShrinksToTheTextAndKeepsTheAlignedEdgesOrTheCentre) {
    struct Row {
        const char* name;
        LinkRect control;
        int textWidth;
        int textHeight;
        LinkAlignment alignment; // centred, right-aligned, centred vertically
        LinkRect fitted;
    };
    const LinkRect control{10, 20, 110, 60};
    const Row rows[] = {
        {"left", control, 30, 13, {}, {10, 20, 40, 33}},
        {"right", control, 30, 13, {false, true, false}, {80, 20, 110, 33}},
        {"centred", control, 30, 13, {true, false, false}, {45, 20, 75, 33}},
        {"centred both ways", control, 30, 13, {true, false, true}, {45, 33, 75, 47}},
        {"right, centred vertically", control, 30, 13, {false, true, true}, {80, 33, 110, 47}},
        {"centred wins over right", control, 30, 13, {true, true, false}, {45, 20, 75, 33}},
        {"odd margins round towards zero", {10, 20, 111, 62}, 30, 13, {true, false, true}, {45, 34, 76, 48}},
        {"wider text grows it on both sides", {10, 20, 30, 30}, 31, 13, {true, false, true}, {5, 19, 35, 31}},
        {"taller text grows it downwards", control, 30, 50, {}, {10, 20, 40, 70}},
        {"no text", control, 0, 0, {}, {10, 20, 10, 20}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FitLinkRect(row.control, row.textWidth, row.textHeight, row.alignment), row.fitted);
    }
}
