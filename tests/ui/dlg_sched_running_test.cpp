#include "ui/dialogs/dlg_sched_running.h"

#include "race_dialog_fixture.h"
#include "ui/support/painted_launcher.h"

#include <chrono>
#include <sys/stat.h>
#include <thread>

using Dlg = CDlgSchedRunning;

class RunningDialogTest : public DialogTest {
protected:
    RunningDialogTest() {
        UseNewServerWithSimulatorsIn(program);
        clock.now = LocalClockTime({2026, 6, 15}, 20, 0);
        for (const char* track : {"Ashford", "Oak Ridge"}) {
            auto event = std::make_unique<RACE>();
            SetNewDefaultRaceValues(*event, EventList.size() == 1);
            event->TrackName = track;
            event->Date = "06/15/2026";
            event->Time = "9:30";
            EventList.push_back(std::move(event));
        }
        EventList[0]->CautionFlags = 1;
    }
    // At once, not when idle: the dialog's timers belong to this test.
    ~RunningDialogTest() override { delete dialog; }

    // The running dialog; on the screen for real input when given one, where it starts the run itself.
    void OpenRun(RealInput* input = nullptr) {
        dialog = new Dlg(nullptr, clock, launcher, timers.Factory());
        if (!input) {
            dialog->StartRun();
            return;
        }
        dialog->Show();
        input->Pump(300);
    }
    wxListBox* List() { return Find<wxListBox>(*dialog, Dlg::IDC_EVENT_LIST); }
    wxPoint ItemCentre(int item) {
        int y = 0;
        while (y < List()->GetSize().y && List()->HitTest(wxPoint(10, y)) != item)
            ++y;
        return wxPoint(20, y + 4);
    }

    ScopedTimeZone zone{"UTC"};
    FakeClock clock;
    FakeLauncher launcher;
    FakeTimers timers;
    Dlg* dialog = nullptr;
};

// The toggles follow the next event and cannot be changed; on the list only a double click chooses, and
// a command posted from another thread is carried out too.
TEST_F(RunningDialogTest, ShowsTheEventsAndTheCountdownOnlyADoubleClickChoosesAndTheCloseBoxCancels) {
    RealInput input;
    OpenRun(&input);
    EXPECT_EQ(dialog->GetTitle(), "Schedule Is Running, v0.1.0 (continuous loop)");
    EXPECT_EQ(Lines(List()), ">>  Ashford|      Oak Ridge");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_COUNTDOWN), "000 : 05 : 00");
    EXPECT_EQ(Label(*dialog, Dlg::IDC_NEXT_START), "Next start: Mon 15 Jun 2026, 20:05");
    EXPECT_TRUE(Checked(*dialog, IDC_CAUTION_FLAGS));
    EXPECT_FALSE(Enabled(*dialog, IDC_CAUTION_FLAGS));
    Find<wxCheckBox>(*dialog, Dlg::IDC_STOP_AT_END)->SetValue(true);
    Click(*dialog, Dlg::IDC_SKIP_EVENT);
    EXPECT_EQ(Lines(List()), "      Ashford|>>  Oak Ridge");
    EXPECT_FALSE(Checked(*dialog, IDC_CAUTION_FLAGS));
    EXPECT_TRUE(Checked(*dialog, Dlg::IDC_STOP_AT_END));

    input.Click(List(), ItemCentre(0));
    input.Pump();
    for (int key : {WXK_UP, WXK_SPACE, WXK_NUMPAD_SPACE})
        input.Key(key);
    input.Pump();
    EXPECT_EQ(dialog->Runner().CurrentIndex(), 1);
    input.Click(List(), ItemCentre(0), true);
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->Runner().CurrentIndex() == 0; }));
    // A command posted from another thread wakes the windows' thread, which carries it out.
    std::thread([&] { EXPECT_TRUE(dialog->Session().Post({RunCommand::Skip})); }).join();
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->Runner().CurrentIndex() == 1; }));
    EXPECT_EQ(dialog->Session().Snapshot().marked, 1);
    input.RequestClose(dialog);
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->GetReturnCode() == RunResultCancel; }));
}

TEST_F(RunningDialogTest, ALaunchThatDidNotRaceIsShownUntilAnotherFails) {
    OpenRun();
    launcher.end = {53, 0, 0.4, false};
    launcher.duringRace = [&] { program.Write("n3/evt00001.log", "wine: could not load kernel32.dll\n"); };
    Click(*dialog, Dlg::IDC_START_NOW);
    // The outcome's words are its own test's; here the launch, the last line written and the output file.
    std::string shown = Label(*dialog, Dlg::IDC_RACE_PROBLEM);
    EXPECT_TRUE(shown.find(", launch 1: The simulator ended") != std::string::npos &&
                shown.find("race.\nwine: could not load kernel32.dll  (" + program.File("n3/")) !=
                    std::string::npos)
        << shown;
    EXPECT_EQ(dialog->Session().Snapshot().problem, shown);
    Click(*dialog, Dlg::IDC_START_NOW);
    EXPECT_EQ(Label(*dialog, Dlg::IDC_BACK_OFF),
              "2 launches in a row did not race: the next launch waits at least 1 minute, until 20:01:00.");
    // A race that runs leaves the last failure in view, with its time, and no back-off.
    launcher.end = {0, 0, 600, false};
    shown = Label(*dialog, Dlg::IDC_RACE_PROBLEM);
    Click(*dialog, Dlg::IDC_START_NOW);
    EXPECT_EQ(Label(*dialog, Dlg::IDC_RACE_PROBLEM), shown);
    EXPECT_EQ(Label(*dialog, Dlg::IDC_BACK_OFF), "");
}

// A mended fault: input given during a race is discarded, not carried out after it.
TEST_F(RunningDialogTest, ARaceTakesNoInputAtAllAndSaysSince) {
    RealInput input;
    OpenRun();
    // Shown, it starts again by itself: the second start replaces the first one's countdown.
    dialog->Show();
    input.Pump(300);
    launcher.duringRace = [&] {
        EXPECT_EQ(Label(*dialog, Dlg::IDC_COUNTDOWN), "");
        EXPECT_TRUE(dialog->FindWindowByLabel(
            "Race in progress since 20:00 - Quorva waits for the simulator to exit"));
        EXPECT_TRUE(dialog->FindWindowByLabel("Event Now Running"));
        input.RequestClose(dialog);
        for (int id : {int(Dlg::IDC_START_NOW), int(Dlg::IDC_SKIP_EVENT), int(Dlg::IDC_STOP_AT_END),
                       int(Dlg::IDC_PREVIEW), int(wxID_OK)})
            input.Click(dialog->FindWindow(id));
        input.Click(List(), ItemCentre(0), true);
        input.Key(WXK_RETURN);
        input.Key(WXK_ESCAPE);
        for (auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
             std::chrono::steady_clock::now() < until;
             std::this_thread::sleep_for(std::chrono::milliseconds(10)))
            HandleWindowEventsDuringRace();
    };
    Click(*dialog, Dlg::IDC_START_NOW);
    launcher.duringRace = nullptr;
    input.Pump(500);
    // Nothing acted, then or after; the race's own end moved the mark and started the next countdown.
    EXPECT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_EQ(dialog->Runner().CurrentIndex(), 1);
    EXPECT_FALSE(Checked(*dialog, Dlg::IDC_STOP_AT_END));

    input.Click(dialog->FindWindow(wxID_OK));
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->Runner().Ended(); }));
    EXPECT_EQ(dialog->GetReturnCode(), RunResultStop);
    EXPECT_EQ(timers.running, 0);
}

// A mended fault: what a run tells goes into its window with its time, so an unattended run never waits
// for a click; only the step that ends the run gives message boxes, once the run is over.
TEST_F(RunningDialogTest, WhatTheRunTellsIsShownInItsWindowAndOnlyTheStepThatEndsItGivesMessageBoxes) {
    Server->RaceDelay = 99;
    Server->RememberRace = 1;
    program.Write("Quorvadata.ini", "[WATCHDOG]\r\nMaxRaceMinutes=x\r\n");
    chmod(program.SettingsFile().c_str(), 0444);
    OpenRun();
    Click(*dialog, Dlg::IDC_START_NOW);
    EXPECT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_TRUE(recorder.messages.empty()) << recorder.Texts().front();
    const std::string refused =
        "The following error occurred while trying to open " + program.SettingsFile() + "\n\naccess denied";
    EXPECT_EQ(Label(*dialog, Dlg::IDC_RACE_PROBLEM),
              "20:00: The following error occurred while trying to open " + program.SettingsFile() +
                  " access denied");
    EXPECT_EQ(
        Find(*dialog, Dlg::IDC_RACE_PROBLEM)->GetToolTipText().utf8_string(),
        "20:00: RaceDelay=99 is beyond the 1 to 60 minutes the timing dialog allows; the schedule runs "
        "with it as it stands.\n\n20:00: MaxRaceMinutes=x in [WATCHDOG] is not a number of minutes from 0 "
        "to 10080; races run without a time limit.\n\n20:00: " +
            refused);
    Click(*dialog, wxID_OK);
    EXPECT_EQ(dialog->GetReturnCode(), RunResultStop);
    EXPECT_EQ(recorder.Texts(), std::vector<std::string>{refused});
}
