#include "ui/support/hyper_link.h"

#include "real_input.h"
#include "support/message_recorder.h"
#include "support/opener_folder.h"

#include <chrono>
#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/settings.h>

// A link on a dialog on the screen, opened by an xdg-open of the test's own.
class HyperLinkTest : public ::testing::Test {
protected:
    HyperLinkTest() : dialog(nullptr, wxID_ANY, "Links", wxDefaultPosition, wxSize(400, 300)) {
        // A second window, so that the dialog does not stretch a lone link over all of itself.
        new wxStaticText(&dialog, wxID_ANY, "", wxPoint(390, 290), wxSize(1, 1));
        dialog.Show();
        input.Pump();
    }

    OpenerFolder opener;
    RealInput input;
    wxDialog dialog;
    CHyperLink link{&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40)};
    MessageRecorder messages;
};

// Only the text is the link: the control shrinks to it from its left edge. A link without a text shows
// its URL. A failed open says why and leaves the link unvisited.
TEST_F(HyperLinkTest, TheTextIsTheLinkItShowsTheHoverAndItOpensFailsAndNeverHoldsTheWindowUp) {
    EXPECT_EQ(link.GetToolTipText(), "https://example.org/");
    EXPECT_EQ(link.GetRect(), wxRect(wxPoint(10, 10), link.GetTextExtent("https://example.org/")));
    EXPECT_TRUE(link.GetFont().GetUnderlined());
    CHyperLink blank;
    blank.SetURL("https://example.org/race");
    blank.Create(&dialog, 3, "", wxPoint(10, 110), wxSize(300, 40));
    EXPECT_EQ(blank.GetLabel(), "https://example.org/race");

    opener.WriteOpener("exit 0");
    input.MoveTo(&link);
    EXPECT_TRUE(input.PumpUntil(
        [&] { return link.GetForegroundColour() == wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT); }));
    input.Click(&link);
    EXPECT_TRUE(input.PumpUntil([&] { return link.IsVisited(); }));
    EXPECT_EQ(opener.Argument(), "1|https://example.org/");
    input.MoveTo(&dialog, wxPoint(300, 250));
    EXPECT_TRUE(input.PumpUntil([&] { return link.GetForegroundColour() == wxColour(85, 26, 139); }));
    EXPECT_TRUE(messages.messages.empty());

    // Now the click is the toolkit's event, sent without the pointer, so that the time it takes is the
    // link's.
    auto click = [&] {
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(&link);
        link.GetEventHandler()->ProcessEvent(up);
    };
    opener.WriteOpener("exit 3");
    click();
    input.PumpUntil([&] { return !messages.messages.empty(); });
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), wxColour(0, 0, 238));
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text.rfind("Unable to open hyperlink:\n\nThere is no application", 0), 0u);
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);

    opener.WriteOpener("exec /bin/sleep 4 >/dev/null 2>&1");
    auto start = std::chrono::steady_clock::now();
    click();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500));
    EXPECT_TRUE(input.PumpUntil([&] { return link.IsVisited(); }));
    EXPECT_EQ(messages.messages.size(), 1u);
}
