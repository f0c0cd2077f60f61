#include "ui/dialogs/dlg_timing.h"

#include "race_dialog_fixture.h"

namespace {

class TimingDialogTest : public RaceDialogTest {
protected:
    TimingDialogTest() {
        Server->DailyTime = "9:00";
        Server->StartTime = "6:00";
        Server->StopTime = "5:00";
        Server->StopAtEnd = 1;
        Server->AutoTerminate = 1;
    }

    CDlgTiming& OpenDialog() {
        dialog = std::make_unique<CDlgTiming>(nullptr);
        Open(*dialog);
        return *dialog;
    }
    wxCheckBox* Box(int id) { return Find<wxCheckBox>(*dialog, id); }
    bool Enabled(int id) { return dialog->FindWindow(id)->IsEnabled(); }
    void ClickBox(int id) {
        Box(id)->SetValue(!Box(id)->GetValue());
        wxCommandEvent click(wxEVT_CHECKBOX, id);
        click.SetEventObject(Box(id));
        Box(id)->GetEventHandler()->ProcessEvent(click);
    }
    // The time-frame's four controls, enabled (E) or not (-).
    std::string TimeFrame() {
        std::string state;
        for (int id : {CDlgTiming::IDC_START_TIME, CDlgTiming::IDC_START_PM, CDlgTiming::IDC_STOP_TIME,
                       CDlgTiming::IDC_STOP_PM})
            state += Enabled(id) ? 'E' : '-';
        return state;
    }

    std::unique_ptr<CDlgTiming> dialog;
};

} // namespace

TEST_F(TimingDialogTest, SpecificTimesCheckTheStopBoxAndDisableTheTimeFrame) {
    Server->Timing = 2;
    Server->StopAtEnd = 0;
    Server->LimitTime = 1;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Timing Settings, v0.1.0");
    EXPECT_EQ(TimeFrame(), "----");
    EXPECT_FALSE(Enabled(CDlgTiming::IDC_LIMIT_TIME));
    EXPECT_FALSE(Box(CDlgTiming::IDC_LIMIT_TIME)->GetValue());
    EXPECT_FALSE(Enabled(CDlgTiming::IDC_STOP_AT_END));
    EXPECT_TRUE(Box(CDlgTiming::IDC_STOP_AT_END)->GetValue());
    EXPECT_TRUE(Enabled(CDlgTiming::IDC_AUTO_TERMINATE));
    EXPECT_FALSE(Box(CDlgTiming::IDC_AUTO_TERMINATE)->GetValue());
    for (int id : {CDlgTiming::IDC_RACE_DELAY, CDlgTiming::IDC_DAILY_TIME, CDlgTiming::IDC_VERIFY_INTERVAL,
                   CDlgTiming::IDC_DAILY_PM, CDlgTiming::IDC_AUTO_START, CDlgTiming::IDC_REMEMBER_RACE})
        EXPECT_TRUE(Enabled(id)) << id;
}

TEST_F(TimingDialogTest, TheStopBoxRulesTheShutDownBox) {
    OpenDialog();
    EXPECT_TRUE(Box(CDlgTiming::IDC_AUTO_TERMINATE)->GetValue());
    ClickBox(CDlgTiming::IDC_STOP_AT_END);
    EXPECT_FALSE(Enabled(CDlgTiming::IDC_AUTO_TERMINATE));
    EXPECT_FALSE(Box(CDlgTiming::IDC_AUTO_TERMINATE)->GetValue());
    ClickBox(CDlgTiming::IDC_STOP_AT_END);
    EXPECT_TRUE(Enabled(CDlgTiming::IDC_AUTO_TERMINATE));
    EXPECT_FALSE(Box(CDlgTiming::IDC_AUTO_TERMINATE)->GetValue());
}

TEST_F(TimingDialogTest, TheLoopKeepsItsTimeFrameOpenUntilTheLimitBoxIsClicked) {
    OpenDialog();
    EXPECT_EQ(TimeFrame(), "EEEE");
    ClickBox(CDlgTiming::IDC_LIMIT_TIME);
    EXPECT_EQ(TimeFrame(), "EEEE");
    // A click on the mode already checked applies its layout again.
    RealInput input;
    input.Pump();
    input.Click(dialog->FindWindow(CDlgTiming::IDC_CONTINUOUS_LOOP), wxPoint(6, 6));
    EXPECT_TRUE(input.PumpUntil([&] { return TimeFrame() == "EEEE"; }));

    ClickBox(CDlgTiming::IDC_LIMIT_TIME);
    ClickRadio(*dialog, CDlgTiming::IDC_DAILY_TIME_MODE);
    EXPECT_FALSE(Box(CDlgTiming::IDC_LIMIT_TIME)->GetValue());
    EXPECT_EQ(TimeFrame(), "----");
    dialog->OnOK();
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(Server->Timing, 1);
    EXPECT_EQ(Server->LimitTime, 0);
    EXPECT_NE(program.Read("Quorvadata.ini").find("Timing=1\r\n"), std::string::npos);
}

TEST_F(TimingDialogTest, UnderEachTimeItSaysWhatTheTimeAndPmMeanAsTheyChange) {
    Server->Pm = 1;
    Server->StartTimePM = 0;
    Server->StopTimePM = 1;
    OpenDialog();
    auto meaning = [this](int id) { return dialog->FindWindow(id)->GetLabel().utf8_string(); };
    EXPECT_EQ(meaning(CDlgTiming::IDC_DAILY_MEANING), "9:00 with PM = 21:00");
    EXPECT_EQ(meaning(CDlgTiming::IDC_START_MEANING), "6:00 without PM = 06:00");
    EXPECT_EQ(meaning(CDlgTiming::IDC_STOP_MEANING), "5:00 with PM = 17:00");
    Find<wxTextCtrl>(*dialog, CDlgTiming::IDC_DAILY_TIME)->SetValue("12:26");
    EXPECT_EQ(meaning(CDlgTiming::IDC_DAILY_MEANING), "12:26 with PM = 00:26, after midnight");
    ClickBox(CDlgTiming::IDC_DAILY_PM);
    EXPECT_EQ(meaning(CDlgTiming::IDC_DAILY_MEANING), "12:26 without PM = 12:26, midday");
    Find<wxTextCtrl>(*dialog, CDlgTiming::IDC_STOP_TIME)->SetValue("5:60");
    EXPECT_EQ(meaning(CDlgTiming::IDC_STOP_MEANING), "");
}

TEST_F(TimingDialogTest, OkChecksTheNumbersThenEveryTimeAndStoresNothingUntilAllPass) {
    SERVER before = *Server;
    Server->Timing = 1;
    OpenDialog();
    SetText(*dialog, CDlgTiming::IDC_RACE_DELAY, "61");
    dialog->OnOK();
    SetText(*dialog, CDlgTiming::IDC_RACE_DELAY, "0");
    dialog->OnOK();
    SetText(*dialog, CDlgTiming::IDC_RACE_DELAY, "60");
    SetText(*dialog, CDlgTiming::IDC_VERIFY_INTERVAL, "x");
    dialog->OnOK();
    SetText(*dialog, CDlgTiming::IDC_VERIFY_INTERVAL, "60");
    // The stop time's field is disabled in daily mode, and still checked.
    SetText(*dialog, CDlgTiming::IDC_STOP_TIME, "9:60");
    dialog->OnOK();
    EXPECT_EQ(wxWindow::FindFocus(), dialog->FindWindow(CDlgTiming::IDC_STOP_TIME));
    SetText(*dialog, CDlgTiming::IDC_STOP_TIME, "9:5");
    SetText(*dialog, CDlgTiming::IDC_DAILY_TIME, "930");
    dialog->OnOK();
    EXPECT_EQ(
        recorder.Texts(),
        (std::vector<std::string>{
            "Please enter an integer between 1 and 60.", "Please enter an integer between 1 and 60.",
            "Please enter an integer.",
            "Schedule Stop Time: Invalid number of minute entered.  Enter 0-59 minutes AFTER the colon.",
            "Daily Time: Invalid time format (missing colon)."}));
    EXPECT_EQ(recorder.beeps, 2);
    EXPECT_NE(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(Server->RaceDelay, before.RaceDelay);
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));

    SetText(*dialog, CDlgTiming::IDC_DAILY_TIME, "12:30");
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(Server->RaceDelay, 60);
    EXPECT_EQ(Server->ClockAdjust, 60);
    EXPECT_EQ(Server->DailyTime, "12:30");
    EXPECT_EQ(Server->StopTime, "9:5");
    EXPECT_TRUE(program.Exists("Quorvadata.ini"));
}
