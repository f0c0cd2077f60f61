#include "ui/support/hyper_link.h"

#include "support/message_recorder.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/settings.h>

namespace {

class HyperLinkTest : public ::testing::Test {
protected:
    HyperLinkTest() : dialog(nullptr, wxID_ANY, "Links", wxDefaultPosition, wxSize(400, 300)) {
        savedOpener = CHyperLink::OpenURL;
        CHyperLink::OpenURL = [this](const std::string& url) {
            opened.push_back(url);
            return openResult;
        };
        dialog.Show();
    }
    ~HyperLinkTest() override { CHyperLink::OpenURL = savedOpener; }

    static void Click(CHyperLink& link) {
        wxMouseEvent up(wxEVT_LEFT_UP);
        up.SetEventObject(&link);
        link.GetEventHandler()->ProcessEvent(up);
    }
    static void Pointer(CHyperLink& link, wxEventType type) {
        wxMouseEvent moved(type);
        moved.SetEventObject(&link);
        link.GetEventHandler()->ProcessEvent(moved);
    }

    wxDialog dialog;
    std::function<int(const std::string&)> savedOpener;
    std::vector<std::string> opened;
    int openResult = 33;
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

TEST_F(HyperLinkTest, AnOpenedLinkTurnsPurpleAndTheHoverColourWinsWhileThePointerIsOver) {
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    EXPECT_EQ(link.GetForegroundColour(), LinkBlue);
    Pointer(link, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(link.GetForegroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    Click(link);
    EXPECT_EQ(opened, std::vector<std::string>{"https://example.org/"});
    EXPECT_TRUE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), wxSystemSettings::GetColour(wxSYS_COLOUR_HIGHLIGHT));
    Pointer(link, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(link.GetForegroundColour(), VisitedPurple);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(messages.beeps, 0);
}

TEST_F(HyperLinkTest, AFailedOpenBeepsSaysWhyAndLeavesTheLinkUnvisited) {
    CHyperLink link(&dialog, 1, "https://example.org/", wxPoint(10, 10), wxSize(300, 40));
    link.SetVisited(true);
    openResult = 31;
    Click(link);
    EXPECT_FALSE(link.IsVisited());
    EXPECT_EQ(link.GetForegroundColour(), LinkBlue);
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Unable to open hyperlink:\n\nThere is no application "
                                         "associated\nwith the given filename extension.");
    EXPECT_EQ(messages.messages[0].icon, MessageIcon::Warning);
}
