#include "ui/dialogs/dlg_track_error.h"

#include "real_input.h"
#include "support/message_recorder.h"
#include "ui/dialogs/track_error_form.h"

#include <functional>
#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// Runs the dialog modally with the operator's actions done once it is up; a dialog that is still
// open after them is ended with -1, so a test can never hang.
int RunModal(CDlgTrackError& dialog, const std::function<void()>& actions) {
    dialog.CallAfter([&dialog, actions] {
        actions();
        if (dialog.IsModal())
            dialog.EndModal(-1);
    });
    return dialog.ShowModal();
}

// A click on the button through the toolkit, as the operator presses OK.
void ClickOk(wxDialog& dialog) {
    RealInput input;
    input.Pump();
    input.Click(dialog.FindWindow(wxID_OK));
    input.PumpUntil([&] { return dialog.GetReturnCode() != 0; });
}

void PressEscape(wxDialog& dialog) {
    wxKeyEvent key(wxEVT_CHAR_HOOK);
    key.m_keyCode = WXK_ESCAPE;
    dialog.GetEventHandler()->ProcessEvent(key);
}

wxTextCtrl* NameField(wxDialog& dialog) {
    return static_cast<wxTextCtrl*>(dialog.FindWindow(CDlgTrackError::IDC_TRACK_NAME));
}

} // namespace

TEST(TrackErrorTexts, NameTheEntryTheSimulatorAndTheIdentifier) {
    EXPECT_EQ(
        TrackErrorFirstLine(5, "Nascar Race 3"),
        "There's a track listed (item #5) in your Nascar Race 3 calendar file that does not exist in the "
        "Nascar Race 3 track dictionary file.");
    EXPECT_EQ(TrackErrorSecondLine("abc"), "The track is identified as \"abc\" in the calendar file.");
}

TEST(CDlgTrackError, OkWithoutANameKeepsItOpenAndOneCharacterClosesIt) {
    MessageRecorder recorder;
    CDlgTrackError dialog(5, "abc", "Nascar Race 3", nullptr);
    bool openAfterEmptyOk = false;
    int result = RunModal(dialog, [&] {
        NameField(dialog)->ChangeValue("");
        ClickOk(dialog);
        openAfterEmptyOk = dialog.IsModal();
        NameField(dialog)->ChangeValue("x");
        ClickOk(dialog);
    });
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.TrackName(), "x");
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"You must enter a track name."});
    EXPECT_EQ(recorder.beeps, 2);
}

TEST(CDlgTrackError, ShowsItsTextsAtItsSize) {
    MessageRecorder recorder;
    CDlgTrackError dialog(5, "abc", "Nascar Race 3", nullptr);
    wxString first, second;
    wxSize firstSize;
    RunModal(dialog, [&] {
        wxWindow* firstLine = dialog.FindWindow(CDlgTrackError::IDC_FIRST_LINE);
        first = firstLine->GetLabel();
        firstSize = firstLine->GetSize();
        second = dialog.FindWindow(CDlgTrackError::IDC_SECOND_LINE)->GetLabel();
    });
    // The long first line wraps inside its place instead of running past the dialog's edge.
    EXPECT_EQ(firstSize, dialog.ConvertDialogToPixels(wxSize(211, 28)));
    EXPECT_NE(first.Find('\n'), wxNOT_FOUND);
    first.Replace("\n", " ");
    EXPECT_EQ(first.utf8_string(), TrackErrorFirstLine(5, "Nascar Race 3"));
    EXPECT_EQ(second.utf8_string(), TrackErrorSecondLine("abc"));
    EXPECT_EQ(dialog.GetClientSize(), dialog.ConvertDialogToPixels(wxSize(231, 127)));
    EXPECT_EQ(dialog.GetTitle(), "Track Error");
    EXPECT_EQ(dialog.FindWindow(wxID_CANCEL), nullptr);
}

TEST(CDlgTrackError, EscapeAndTheCloseBoxCancelWithoutAName) {
    MessageRecorder recorder;
    CDlgTrackError escaped(1, "abc", "Nascar Legends", nullptr);
    int result = RunModal(escaped, [&] {
        NameField(escaped)->ChangeValue("Typed");
        PressEscape(escaped);
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(escaped.TrackName(), "");

    CDlgTrackError closed(1, "abc", "Nascar Legends", nullptr);
    result = RunModal(closed, [&] {
        NameField(closed)->ChangeValue("Typed");
        closed.Close();
    });
    EXPECT_EQ(result, wxID_CANCEL);
    EXPECT_EQ(closed.TrackName(), "");
    EXPECT_TRUE(recorder.messages.empty());
}
