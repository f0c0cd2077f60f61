#include "ui/dialogs/dlg_timing.h"

#include "race_dialog_fixture.h"

using Dlg = CDlgTiming;

class TimingDialogTest : public RaceDialogTest {
protected:
    TimingDialogTest() {
        Server->DailyTime = "9:00";
        Server->StopTime = "5:00";
        Server->StopAtEnd = Server->AutoTerminate = 1;
    }

    void OpenDialog() { Open(*(dialog = std::make_unique<Dlg>(nullptr))); }
    std::string TimeFrame() {
        return EnabledStates(*dialog,
                             {Dlg::IDC_START_TIME, Dlg::IDC_START_PM, Dlg::IDC_STOP_TIME, Dlg::IDC_STOP_PM});
    }

    std::unique_ptr<Dlg> dialog;
};

// The label under a time says what the time and its PM box mean; a time refused means nothing yet.
TEST_F(TimingDialogTest, TheBoxesRuleTheirFieldsAndTheMeaningFollowsTheTimeAndPm) {
    Server->Pm = 1;
    Server->LimitTime = 1;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Timing Settings, v0.1.0");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "9:00 with PM = 21:00");
    Find<wxTextCtrl>(*dialog, Dlg::IDC_DAILY_TIME)->SetValue("12:26");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "12:26 with PM = 00:26, after midnight");
    ClickBox(*dialog, Dlg::IDC_DAILY_PM);
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "12:26 without PM = 12:26, midday");
    Find<wxTextCtrl>(*dialog, Dlg::IDC_DAILY_TIME)->SetValue("1226");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_DAILY_MEANING), "");
    SetText(*dialog, Dlg::IDC_DAILY_TIME, "9:00");

    ClickBox(*dialog, Dlg::IDC_STOP_AT_END);
    EXPECT_FALSE(Enabled(*dialog, Dlg::IDC_AUTO_TERMINATE) || Checked(*dialog, Dlg::IDC_AUTO_TERMINATE));
    EXPECT_EQ(TimeFrame(), "EEEE");
    ClickBox(*dialog, Dlg::IDC_LIMIT_TIME);
    ClickRadio(*dialog, Dlg::IDC_DAILY_TIME_MODE);
    EXPECT_FALSE(Checked(*dialog, Dlg::IDC_LIMIT_TIME));
    EXPECT_EQ(TimeFrame(), "----");
    // Specific times also check the stop box, and neither box may change; the rest stays open.
    ClickRadio(*dialog, Dlg::IDC_SPECIFIC_MODE);
    EXPECT_EQ(TimeFrame() +
                  EnabledStates(*dialog, {Dlg::IDC_LIMIT_TIME, Dlg::IDC_STOP_AT_END, Dlg::IDC_AUTO_TERMINATE,
                                          Dlg::IDC_RACE_DELAY, Dlg::IDC_DAILY_TIME, Dlg::IDC_REMEMBER_RACE}),
              "------EEEE");
    EXPECT_TRUE(Checked(*dialog, Dlg::IDC_STOP_AT_END) && !Checked(*dialog, Dlg::IDC_AUTO_TERMINATE));
    dialog->OnOK();
    EXPECT_TRUE(Stored("Timing=2\r\n") && Stored("LimitTime=0\r\n") && Stored("StopAtEnd=1\r\n"));
}

// The stop time's field is disabled in daily mode, and still checked; the times beep as they refuse. Without
// the stop box the shut-down box is cleared and cannot be checked.
TEST_F(TimingDialogTest, OkChecksTheNumbersThenEveryTimeAndStoresNothingUntilAllPass) {
    Server->Timing = 1;
    Server->StopAtEnd = 0;
    OpenDialog();
    EXPECT_FALSE(Enabled(*dialog, Dlg::IDC_AUTO_TERMINATE) || Checked(*dialog, Dlg::IDC_AUTO_TERMINATE));
    ExpectRefusedInOrder(
        *dialog, {{Dlg::IDC_RACE_DELAY, "61", "Please enter an integer between 1 and 60", "60"},
                  {Dlg::IDC_DAILY_TIME, "930", "Daily Time: Invalid time format (missing colon).", "12:30"},
                  {Dlg::IDC_STOP_TIME, "9:60", "Schedule Stop Time: Invalid number of minute", "9:5"}});
    EXPECT_EQ(recorder.beeps, 2);

    ClickOk(*dialog);
    EXPECT_TRUE(Stored("RaceDelay=60\r\n") && Stored("DailyTime=12:30\r\n") && Stored("StopTime=9:5\r\n"));
}
