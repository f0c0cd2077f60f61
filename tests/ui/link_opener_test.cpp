#include "ui/support/link_opener.h"

#include "opener_folder.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

// The result of opening the URL, waited for.
int ResultOf(const std::string& url) {
    LinkOpening opening(url, std::chrono::seconds(10));
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
        {99, "Unknown Error (99) occurred."},
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
        {"no program for the URL", "exit 3", 31},
        {"the program failed", "exit 4", 27},
        {"killed", "kill -KILL $$", 27},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        folder.WriteOpener(row.body);
        EXPECT_EQ(ResultOf(url), row.code);
    }
}

TEST(LinkOpening, AnOpenerThatCannotRunIsReportedAsTheShellWould) {
    OpenerFolder folder;
    EXPECT_EQ(ResultOf("https://example.com/"), 2);

    folder.WriteProgram("#!/bin/sh\nexit 0\n", false);
    EXPECT_EQ(ResultOf("https://example.com/"), 5);

    folder.WriteProgram("#!/no/such/shell\nexit 0\n");
    EXPECT_EQ(ResultOf("https://example.com/"), 2);
}

TEST(LinkTextColour, HoverBeatsVisitedWhichBeatsTheLinkColour) {
    LinkColours colours;
    EXPECT_EQ(LinkTextColour(colours, false, true), colours.visited);
    EXPECT_EQ(LinkTextColour(colours, true, true), colours.hover);
}

TEST(FitLinkRect, ShrinksToTheTextAndKeepsTheAlignedEdgesOrTheCentre) {
    struct Row {
        const char* name;
        LinkRect control;
        int textWidth;
        LinkAlignment alignment; // centred, right-aligned, centred vertically
        LinkRect fitted;
    };
    const LinkRect control{10, 20, 110, 60};
    const Row rows[] = {
        {"right, centred vertically", control, 30, {false, true, true}, {80, 33, 110, 47}},
        {"centred wins over right", control, 30, {true, true, false}, {45, 20, 75, 33}},
        {"odd margins round towards zero", {10, 20, 111, 62}, 30, {true, false, true}, {45, 34, 76, 48}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FitLinkRect(row.control, row.textWidth, 13, row.alignment), row.fitted);
    }
}
