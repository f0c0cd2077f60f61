#include "forms/link_opener.h"

#include "support/opener_folder.h"

#include <gtest/gtest.h>
#include <thread>
#include <tuple>

TEST(HyperlinkErrorText, NamesTheReasonOfEachShellCode) {
    const std::pair<int, const char*> rows[] = {
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
    for (auto [code, reason] : rows)
        EXPECT_EQ(HyperlinkErrorText(code), std::string("Unable to open hyperlink:\n\n") + reason) << code;
}

// The codes are those the Windows shell gives for the same outcomes.
TEST(LinkOpening, HandsTheWholeUrlToXdgOpenAndReadsWhatCameOfIt) {
    const std::string url = "https://example.com/a b?x=\"1\"&y='2'";
    auto resultOf = [&] {
        LinkOpening opening(url, std::chrono::seconds(10));
        std::optional<int> result;
        while (!(result = opening.Result()))
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return *result;
    };
    OpenerFolder folder;
    EXPECT_EQ(resultOf(), 2) << "no xdg-open";
    folder.WriteOpener("exit 0");
    EXPECT_EQ(resultOf(), 33);
    EXPECT_EQ(folder.Argument(), "1|" + url);

    const std::tuple<const char*, const char*, bool, int> rows[] = {
        {"no program for the URL", "#!/bin/sh\nexit 3\n", true, 31},
        {"the program failed", "#!/bin/sh\nexit 4\n", true, 27},
        {"killed", "#!/bin/sh\nkill -KILL $$\n", true, 27},
        {"not executable", "#!/bin/sh\nexit 0\n", false, 5},
        {"no such shell", "#!/no/such/shell\nexit 0\n", true, 2}};
    for (auto [name, program, executable, code] : rows) {
        SCOPED_TRACE(name);
        folder.WriteProgram(program, executable);
        EXPECT_EQ(resultOf(), code);
    }
}

TEST(LinkTextColour, HoverBeatsVisitedWhichBeatsTheLinkColour) {
    LinkColours colours;
    EXPECT_EQ(LinkTextColour(colours, false, true), colours.visited);
    EXPECT_EQ(LinkTextColour(colours, true, true), colours.hover);
}

TEST(FitLinkRect, ShrinksToTheTextAndKeepsTheAlignedEdgesOrTheCentre) {
    // The alignment: centred, right-aligned, centred vertically.
    const std::tuple<const char*, LinkRect, LinkAlignment, LinkRect> rows[] = {
        {"right, centred vertically", {10, 20, 110, 60}, {false, true, true}, {80, 33, 110, 47}},
        {"centred wins over right", {10, 20, 110, 60}, {true, true, false}, {45, 20, 75, 33}},
        {"odd margins round towards zero", {10, 20, 111, 62}, {true, false, true}, {45, 34, 76, 48}},
    };
    for (auto [name, control, alignment, fitted] : rows) {
        SCOPED_TRACE(name);
        EXPECT_EQ(FitLinkRect(control, 30, 13, alignment), fitted);
    }
}
