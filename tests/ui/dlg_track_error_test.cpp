#include "ui/dialogs/dlg_track_error.h"

#include "race_dialog_fixture.h"

class TrackErrorDialogTest : public DialogTest {
protected:
    // Runs the dialog modally with the operator's actions done once it is up; a dialog that is still
    // open after them is ended with -1, so a test can never hang.
    static int RunModal(CDlgTrackError& dialog, const std::function<void()>& actions) {
        dialog.CallAfter([&dialog, actions] {
            actions();
            if (dialog.IsModal())
                dialog.EndModal(-1);
        });
        return dialog.ShowModal();
    }
};

TEST_F(TrackErrorDialogTest, OkWithoutANameKeepsItOpenAndOneCharacterClosesIt) {
    CDlgTrackError dialog(5, "abc", "Nascar Race 3", nullptr);
    wxString first;
    bool openAfterEmptyOk = false;
    int result = RunModal(dialog, [&] {
        first = dialog.FindWindow(CDlgTrackError::IDC_FIRST_LINE)->GetLabel();
        Click(dialog, wxID_OK);
        openAfterEmptyOk = dialog.IsModal();
        SetText(dialog, CDlgTrackError::IDC_TRACK_NAME, "x");
        ClickOk(dialog);
    });
    EXPECT_TRUE(openAfterEmptyOk);
    EXPECT_EQ(result, wxID_OK);
    EXPECT_EQ(dialog.TrackName(), "x");
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{"You must enter a track name."});
    EXPECT_EQ(recorder.beeps, 2);

    // The long first line wraps inside its place instead of running past the dialog's edge.
    EXPECT_NE(first.Find('\n'), wxNOT_FOUND);
    first.Replace("\n", " ");
    EXPECT_EQ(first.utf8_string(),
              "There's a track listed (item #5) in your Nascar Race 3 calendar file that does "
              "not exist in the Nascar Race 3 track dictionary file.");
    EXPECT_EQ(Label(dialog, CDlgTrackError::IDC_SECOND_LINE),
              "The track is identified as \"abc\" in the calendar file.");
    EXPECT_EQ(dialog.GetTitle(), "Track Error");
}

TEST_F(TrackErrorDialogTest, EscapeAndTheCloseBoxCancelWithoutAName) {
    for (bool escape : {true, false}) {
        CDlgTrackError dialog(1, "abc", "Nascar Legends", nullptr);
        int result = RunModal(dialog, [&] {
            SetText(dialog, CDlgTrackError::IDC_TRACK_NAME, "Typed");
            wxKeyEvent key(wxEVT_CHAR_HOOK);
            key.m_keyCode = WXK_ESCAPE;
            escape ? dialog.GetEventHandler()->ProcessEvent(key) : dialog.Close();
        });
        EXPECT_EQ(result, wxID_CANCEL) << escape;
        EXPECT_EQ(dialog.TrackName(), "") << escape;
    }
}
