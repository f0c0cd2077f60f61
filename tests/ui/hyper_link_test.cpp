#include "ui/support/hyper_link.h"

#include "opener_folder.h"
#include "real_input.h"
#include "support/message_recorder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/settings.h>

namespace {

// Links on a dialog on the screen, opened by an xdg-open of the test's own.
class HyperLinkTest : public ::testing::Test {
protected:
    HyperLinkTest() : dialog(nullptr, wxID_ANY, "Links", wxDefaultPosition, wxSize(400, 300)) {
        // A second window, so that the dialog does not stretch a lone link over all of itself.
        new wxStaticText(&dialog, wxID_ANY, "", wxPoint(390, 290), wxSize(1, 1));
        dialog.Show();
        input.Pump();
    }

    static void Click(CHyperLink& link) {
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(&link);
        link.GetEventHandler()->ProcessEvent(up);
    }

    OpenerFolder opener;
    RealInput input;
    wxDialog dialog;
    MessageRecorder messages;
};

} // namespace

// The about box shows a link of a text and a URL.
TEST_F(HyperLinkTest, TheTextAndTheUrlStandInForEachOther) {
    CHyperLink ownText(&dialog, 1, "https://example.org/race", wxPoint(10, 10), wxSize(300, 40));
    EXPECT_EQ(ownText.GetToolTipText(), "https://example.org/race");
    // Only the text is the link: the control shrinks to it from its left edge.
    EXPECT_EQ(ownText.GetRect(), wxRect(wxPoint(10, 10), ownText.GetTextExtent("https://example.org/race")));
    EXPECT_TRUE(ownText.GetFont().GetUnderlined());

    CHyperLink blank;
    blank.SetURL("https://example.org/");
    blank.Create(&dialog, 3, "", wxPoint(10, 110), wxSize(300, 40));
    EXPECT_EQ(blank.GetLabel(), "https://example.org/");
}

TEST_F(HyperLinkTest, ThePointerOverTheLinkShowsTheHoverColourAndAClickOpensIt) {
    opener.WriteOpener("exit 0");
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    input.MoveTo(&link);
    EXPECT_TRUE(input.PumpUntil(
        [&] { return link.GetForegroundColour() == wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT); }));

    input.Click(&link);
    EXPECT_TRUE(input.PumpUntil([&] { return link.IsVisited(); }));
    EXPECT_EQ(opener.Argument(), "1|https://example.org/");
    input.MoveTo(&dialog, wxPoint(300, 250));
    EXPECT_TRUE(input.PumpUntil([&] { return link.GetForegroundColour() == wxColour(85, 26, 139); }));
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(HyperLinkTest, AFailedOpenBeepsSaysWhyAndLeavesTheLinkUnvisited) {
    opener.WriteOpener("exit 3");
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    link.SetVisited(true);
    Click(link);
    input.PumpUntil([&] { return !messages.messages.empty(); });
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), wxColour(0, 0, 238));
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, HyperlinkErrorText(31));
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
}

TEST_F(HyperLinkTest, AnOpenerThatKeepsRunningNeverHoldsTheWindowUp) {
    opener.WriteOpener("exec /bin/sleep 4 >/dev/null 2>&1");
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    auto start = std::chrono::steady_clock::now();
    Click(link);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_TRUE(input.PumpUntil([&] { return link.IsVisited(); }));
    EXPECT_TRUE(messages.messages.empty());
}
