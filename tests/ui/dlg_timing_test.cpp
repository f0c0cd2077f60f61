#include "ui/dialogs/dlg_timing.h"

#include "race_dialog_fixture.h"

using Dlg = CDlgTiming;

class TimingDialogTest : public RaceDialogTest {
protected:
    TimingDialogTest() {
        Server->DailyTime = "9:00";
        Server->StopAtEnd = Server->AutoTerminate = Server->LimitTime = Server->Pm = 1;
    }

    std::unique_ptr<Dlg> dialog = std::make_unique<Dlg>(nullptr);
};

// The label under a time follows the time and its PM box; a box and a mode apply their rules as they are
// clicked (the rules are the form's test's); a time refused comes after a beep.
TEST_F(TimingDialogTest, TheClicksApplyTheRulesAndOkRefusesTheFieldsInOrder) {
    Open(*dialog);
    EXPECT_EQ(dialog->GetTitle(), "Timing Settings, v0.1.0");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "9:00 with PM = 21:00");
    Find<wxTextCtrl>(*dialog, Dlg::IDC_DAILY_TIME)->SetValue("12:26");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "12:26 with PM = 00:26, after midnight");
    ClickBox(*dialog, Dlg::IDC_DAILY_PM);
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "12:26 without PM = 12:26, midday");

    ClickBox(*dialog, Dlg::IDC_STOP_AT_END);
    EXPECT_FALSE(Enabled(*dialog, Dlg::IDC_AUTO_TERMINATE) || Checked(*dialog, Dlg::IDC_AUTO_TERMINATE));
    ClickRadio(*dialog, Dlg::IDC_SPECIFIC_MODE);
    EXPECT_EQ(EnabledStates(*dialog, {Dlg::IDC_LIMIT_TIME, Dlg::IDC_STOP_AT_END, Dlg::IDC_AUTO_TERMINATE}),
              "--E");
    EXPECT_TRUE(Checked(*dialog, Dlg::IDC_STOP_AT_END));
    ExpectRefusedInOrder(
        *dialog, {{Dlg::IDC_RACE_DELAY, "61", "Please enter an integer between 1 and 60", "60"},
                  {Dlg::IDC_DAILY_TIME, "930", "Daily Time: Invalid time format (missing colon).", "12:30"}});
    EXPECT_EQ(recorder.beeps, 1);
    ClickOk(*dialog);
    EXPECT_TRUE(Stored("Timing=2\r\n") && Stored("RaceDelay=60\r\n"));
}
