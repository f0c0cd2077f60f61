#include "ui/support/hyper_link.h"

#include "opener_folder.h"
#include "real_input.h"
#include "support/message_recorder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <wx/app.h>
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

const wxColour LinkBlue(0, 0, 238);
const wxColour VisitedPurple(85, 26, 139);

} // namespace

TEST_F(HyperLinkTest, TheTextAndTheUrlStandInForEachOther) {
    CHyperLink ownText(&dialog, 1, "https://example.org/race", wxPoint(10, 10), wxSize(300, 40));
    EXPECT_EQ(ownText.GetURL(), "https://example.org/race");
    EXPECT_EQ(ownText.GetToolTipText(), "https://example.org/race");

    CHyperLink named;
    named.SetURL("mailto:quorva@localhost");
    named.Create(&dialog, 2, "E-mail Author", wxPoint(10, 60), wxSize(300, 40));
    EXPECT_EQ(named.GetLabel(), "E-mail Author");
    EXPECT_EQ(named.GetURL(), "mailto:quorva@localhost");
    EXPECT_EQ(named.GetToolTipText(), "mailto:quorva@localhost");

    CHyperLink blank;
    blank.SetURL("https://example.org/");
    blank.Create(&dialog, 3, "", wxPoint(10, 110), wxSize(300, 40));
    EXPECT_EQ(blank.GetLabel(), "https://example.org/");

    // Only the text is the link: the control shrinks to it from its left edge.
    EXPECT_EQ(named.GetPosition(), wxPoint(10, 60));
    EXPECT_EQ(named.GetSize(), named.GetTextExtent("E-mail Author"));
    EXPECT_TRUE(named.GetFont().GetUnderlined());
    named.SetUnderline(false);
    EXPECT_FALSE(named.GetFont().GetUnderlined());
}

TEST_F(HyperLinkTest, ThePointerOverTheLinkShowsTheHoverColourAndTheHandAndAClickOpensIt) {
    opener.WriteOpener("exit 0");
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    input.MoveTo(&dialog, wxPoint(300, 250));
    unsigned long dialogCursor = input.CursorSerial();
    EXPECT_EQ(link.GetForegroundColour(), LinkBlue);
    input.MoveTo(&link);
    EXPECT_TRUE(input.PumpUntil(
        [&] { return link.GetForegroundColour() == wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT); }));
    EXPECT_NE(input.CursorSerial(), dialogCursor);

    input.Click(&link);
    input.PumpUntil([&] { return link.IsVisited(); });
    EXPECT_EQ(opener.Argument(), "1|https://example.org/");
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    input.MoveTo(&dialog, wxPoint(300, 250));
    EXPECT_TRUE(input.PumpUntil([&] { return link.GetForegroundColour() == VisitedPurple; }));
    EXPECT_EQ(input.CursorSerial(), dialogCursor);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(messages.beeps, 0);
}

TEST_F(HyperLinkTest, AFailedOpenBeepsSaysWhyAndLeavesTheLinkUnvisited) {
    opener.WriteOpener("exit 3");
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    link.SetVisited(true);
    Click(link);
    input.PumpUntil([&] { return !messages.messages.empty(); });
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), LinkBlue);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Unable to open hyperlink:\n\nThere is no application "
                                         "associated\nwith the given filename extension.");
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
