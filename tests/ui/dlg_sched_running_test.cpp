#include "ui/dialogs/dlg_sched_running.h"

#include "core/app_state.h"
#include "real_input.h"
#include "schedule/clock_time.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"
#include "support/runner_fakes.h"
#include "support/scoped_env.h"
#include "ui/support/painted_launcher.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

namespace {

class RunningDialogTest : public ::testing::Test {
protected:
    RunningDialogTest() {
        UseNewServerWithSimulatorsIn(program);
        ProgramVersion = "0.1.0";
        clock.now = LocalClockTime({2026, 6, 15}, 20, 0);
        RACE& first = AddEvent(0, "Ashford");
        first.PracticeTime = 1;
        first.WarmupTime = 0;
        first.Temperature = 85;
        first.WindDirection = 1;
        first.WindSpeed = 12;
        first.FixedWeather = 0;
        first.CautionFlags = 1;
        RACE& second = AddEvent(1, "Oak Ridge");
        second.AllowAI = 1;
        second.CautionFlags = 0;
    }
    ~RunningDialogTest() override {
        // At once, not when idle: the dialog's timers belong to this test.
        delete dialog;
    }

    RACE& AddEvent(int sim, const std::string& track) {
        auto event = std::make_unique<RACE>();
        SetNewDefaultRaceValues(*event, sim == 1);
        event->Sim = sim;
        event->TrackName = track;
        event->TrackId = track.substr(0, 4);
        event->Runs = 1;
        event->Date = "06/15/2026";
        event->Time = "9:30";
        event->TimePM = 1;
        EventList.push_back(std::move(event));
        return *EventList.back();
    }

    CDlgSchedRunning& Open() {
        dialog = new CDlgSchedRunning(nullptr, clock, launcher, timers.Factory());
        dialog->StartRun();
        return *dialog;
    }

    wxString Text(int id) const { return static_cast<wxStaticText*>(dialog->FindWindow(id))->GetLabel(); }
    wxCheckBox* Box(int id) const { return static_cast<wxCheckBox*>(dialog->FindWindow(id)); }
    wxListBox* List() const {
        return static_cast<wxListBox*>(dialog->FindWindow(CDlgSchedRunning::IDC_EVENT_LIST));
    }

    // The running dialog on the screen, for real input.
    CDlgSchedRunning& Show(RealInput& input) {
        Open();
        dialog->Show();
        input.Pump(300);
        return *dialog;
    }
    wxPoint ItemCentre(int item) const {
        int y = 0;
        while (y < List()->GetSize().y && List()->HitTest(wxPoint(10, y)) != item)
            ++y;
        return wxPoint(20, y + 4);
    }

    void Click(int id) {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dialog->FindWindow(id));
        dialog->FindWindow(id)->GetEventHandler()->ProcessEvent(click);
    }

    ScopedTimeZone zone{"UTC"};
    ScopedProgramFolder program;
    MessageRecorder recorder;
    FakeClock clock;
    FakeLauncher launcher;
    FakeTimers timers;
    CDlgSchedRunning* dialog = nullptr;
};

} // namespace

TEST_F(RunningDialogTest, ShowsTheEventsTheNextEventAndTheCountdown) {
    Open();
    EXPECT_EQ(dialog->GetTitle(), "Schedule Is Running, v0.1.0 (continuous loop)");
    ASSERT_EQ(List()->GetCount(), 2u);
    EXPECT_EQ(List()->GetString(0), ">>  Ashford");
    EXPECT_EQ(List()->GetString(1), "      Oak Ridge");
    EXPECT_EQ(List()->GetSelection(), 0);
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_SELECTED_SIM), "Nascar Racing 3");
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_TRACK), "Ashf / Ashford");
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_WEATHER), "85 deg, wind from the NorthEast at 12 mph (Variable)");
    EXPECT_EQ(Text(IDC_PRACTICE_TIME), "1 minute ");
    EXPECT_EQ(Text(IDC_WARMUP_TIME), "0 minutes");
    EXPECT_EQ(Text(IDC_CONSECUTIVE_RUNS), "1 of 1");
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_COUNTDOWN), "000 : 05 : 00");
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_NEXT_START), "Next start: Mon 15 Jun 2026, 20:05");
    EXPECT_FALSE(dialog->FindWindow(CDlgSchedRunning::IDC_TEST_TIMING)->IsShown());
    EXPECT_TRUE(Box(CDlgSchedRunning::IDC_STOP_AT_END)->IsEnabled());

    // The toggles follow the next event and cannot be changed.
    EXPECT_TRUE(Box(IDC_CAUTION_FLAGS)->GetValue());
    EXPECT_FALSE(Box(IDC_CAUTION_FLAGS)->IsEnabled());
    Box(CDlgSchedRunning::IDC_STOP_AT_END)->SetValue(true);
    Click(CDlgSchedRunning::IDC_SKIP_EVENT);
    EXPECT_EQ(List()->GetString(0), "      Ashford");
    EXPECT_EQ(List()->GetString(1), ">>  Oak Ridge");
    EXPECT_EQ(List()->GetSelection(), 1);
    EXPECT_FALSE(Box(IDC_CAUTION_FLAGS)->GetValue());
    EXPECT_TRUE(Box(IDC_ALLOW_AI)->GetValue());
    EXPECT_TRUE(Box(CDlgSchedRunning::IDC_STOP_AT_END)->GetValue());
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_SELECTED_SIM), "Nascar Legends");
}

TEST_F(RunningDialogTest, ButtonsLaunchAndStopTheRun) {
    RealInput input;
    Show(input);
    input.Click(dialog->FindWindow(CDlgSchedRunning::IDC_START_NOW));
    EXPECT_TRUE(input.PumpUntil([&] { return launcher.commandLines.size() == 1; }));
    EXPECT_EQ(List()->GetString(1), ">>  Oak Ridge");
    input.Click(dialog->FindWindow(wxID_OK));
    input.PumpUntil([&] { return dialog->Runner().Ended(); });
    EXPECT_TRUE(dialog->Runner().Ended());
    EXPECT_EQ(dialog->GetReturnCode(), RunResultStop);
    EXPECT_EQ(timers.running, 0);
}

TEST_F(RunningDialogTest, TheCaptionNamesTheTimingAndDatedRunsAlwaysStopAtTheEnd) {
    Server->Timing = TimingDaily;
    Open();
    EXPECT_EQ(dialog->GetTitle(), "Schedule Is Running, v0.1.0 (daily)");
    delete dialog;

    Server->Timing = TimingSpecific;
    EventList[1]->Date = "06/14/2026";
    Open();
    EXPECT_EQ(dialog->GetTitle(), "Schedule Is Running, v0.1.0 (specific date/time)");
    EXPECT_EQ(List()->GetString(0), ">>  Ashford ( 06/15/26, 21:30 )");
    EXPECT_EQ(List()->GetString(1), "      Oak Ridge ( 06/14/26, 21:30 ) - past");
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_NEXT_START), "Next start: Mon 15 Jun 2026, 21:30");
    EXPECT_TRUE(Box(CDlgSchedRunning::IDC_STOP_AT_END)->GetValue());
    EXPECT_FALSE(Box(CDlgSchedRunning::IDC_STOP_AT_END)->IsEnabled());
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_COUNTDOWN), "001 : 30 : 00");
}

TEST_F(RunningDialogTest, ALaunchThatDidNotRaceIsShownUntilAnotherFails) {
    Open();
    launcher.end = {53, 0, 0.4, false};
    launcher.duringRace = [&] { program.Write("n3/evt00001.log", "wine: could not load kernel32.dll\n"); };
    Click(CDlgSchedRunning::IDC_START_NOW);
    wxString shown = Text(CDlgSchedRunning::IDC_RACE_PROBLEM);
    EXPECT_TRUE(shown.EndsWith(", launch 1: The simulator ended 0.4 s after its start with status 53: it did "
                               "not race.\nwine: could not load kernel32.dll  (" +
                               program.File("n3/evt00001.log") + ")"))
        << shown;
    EXPECT_TRUE(recorder.Texts().empty());
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_BACK_OFF), "");
    Click(CDlgSchedRunning::IDC_START_NOW);
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_BACK_OFF),
              "2 launches in a row did not race: the next launch waits at least 1 minute, until 20:01:00.");
    // A race that runs leaves the last failure in view, with its time, and no back-off.
    launcher.end = {0, 0, 600, false};
    shown = Text(CDlgSchedRunning::IDC_RACE_PROBLEM);
    Click(CDlgSchedRunning::IDC_START_NOW);
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_RACE_PROBLEM), shown);
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_BACK_OFF), "");
}

TEST_F(RunningDialogTest, ARaceTakesNoInputAtAllAndSaysSince) {
    RealInput input;
    Show(input);
    launcher.duringRace = [&] {
        EXPECT_EQ(dialog->FindWindow(CDlgSchedRunning::IDC_COUNTDOWN)->GetLabel(), "");
        EXPECT_TRUE(dialog->FindWindowByLabel(
            "Race in progress since 20:00 - Quorva waits for the simulator to exit"));
        EXPECT_TRUE(dialog->FindWindowByLabel("Event Now Running"));
        input.RequestClose(dialog);
        for (int id :
             {int(CDlgSchedRunning::IDC_START_NOW), int(CDlgSchedRunning::IDC_SKIP_EVENT),
              int(CDlgSchedRunning::IDC_STOP_AT_END), int(CDlgSchedRunning::IDC_PREVIEW), int(wxID_OK)})
            input.Click(dialog->FindWindow(id));
        input.DoubleClick(List(), ItemCentre(0));
        input.Key(WXK_RETURN);
        input.Key(WXK_ESCAPE);
        for (auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
             std::chrono::steady_clock::now() < until;
             std::this_thread::sleep_for(std::chrono::milliseconds(10)))
            HandleWindowEventsDuringRace();
    };
    Click(CDlgSchedRunning::IDC_START_NOW);
    launcher.duringRace = nullptr;
    input.Pump(500);
    // Nothing acted, then or after; the race's own end moved the mark and started the next countdown.
    EXPECT_EQ(launcher.commandLines.size(), 1u);
    EXPECT_FALSE(dialog->Runner().Ended());
    EXPECT_EQ(dialog->GetReturnCode(), 0);
    EXPECT_EQ(dialog->Runner().CurrentIndex(), 1);
    EXPECT_FALSE(Box(CDlgSchedRunning::IDC_STOP_AT_END)->GetValue());
    EXPECT_TRUE(dialog->FindWindow(CDlgSchedRunning::IDC_START_NOW)->IsEnabled());
    EXPECT_EQ(Text(CDlgSchedRunning::IDC_COUNTDOWN), "000 : 05 : 00");
    EXPECT_TRUE(dialog->FindWindowByLabel("Next Event To Be Run"));
    EXPECT_TRUE(dialog->IsShown());
}

TEST_F(RunningDialogTest, OnlyADoubleClickChoosesTheNextEventAndTheCloseBoxCancels) {
    RealInput input;
    Show(input);
    input.Click(List(), ItemCentre(0));
    input.Pump();
    for (int key : {WXK_DOWN, WXK_SPACE, WXK_NUMPAD_SPACE})
        input.Key(key);
    input.Pump();
    EXPECT_EQ(dialog->Runner().CurrentIndex(), 0);
    EXPECT_FALSE(dialog->Runner().Ended());
    input.DoubleClick(List(), ItemCentre(1));
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->Runner().CurrentIndex() == 1; }));
    EXPECT_EQ(List()->GetString(1), ">>  Oak Ridge");
    input.RequestClose(dialog);
    EXPECT_TRUE(input.PumpUntil([&] { return dialog->GetReturnCode() == RunResultCancel; }));
}
