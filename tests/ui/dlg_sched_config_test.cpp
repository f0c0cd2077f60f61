#include "ui/dialogs/dlg_sched_config.h"

#include "race_dialog_fixture.h"
#include "resources/race_control_ids.h"

#include <wx/clipbrd.h>

using Texts = std::vector<std::string>;

class EventDialogTest : public RaceDialogTest {
protected:
    EventDialogTest() {
        SetNewDefaultRaceValues(event, false);
        event.TrackNumber = 2;
        before = event;
        Server->LastRace = 4;
    }

    // The dialog on the event; for a new event the default race gives the values.
    void OpenOn(bool isNew) {
        dialog = std::make_unique<CDlgSchedConfig>(nullptr);
        dialog->SetRace(&event, isNew);
        Open(*dialog);
    }
    wxListBox* Tracks() { return Find<wxListBox>(*dialog, IDC_TRACK_LIST); }
    void OkWith(int field, const std::string& text) {
        SetText(*dialog, field, text);
        dialog->OnOK();
    }

    RACE event;
    RACE before;
    std::unique_ptr<CDlgSchedConfig> dialog;
};

TEST_F(EventDialogTest, ANewEventStartsFromTheDefaultRaceTakesTypingUpToItsLimitsAndOkWritesEveryField) {
    OpenOn(true);
    EXPECT_EQ(dialog->GetTitle(), "Schedule Configuration, v0.1.0");
    EXPECT_EQ(Lines(Tracks()), "Ashford|Bayview|Cedar Park");
    // A click on the simulator already checked fills the track list again.
    SelectLine(Tracks(), 2);
    RealInput input;
    input.Pump();
    input.Click(dialog->FindWindow(IDC_SIM_N3), wxPoint(6, 6));
    EXPECT_TRUE(input.PumpUntil([&] { return Tracks()->GetSelection() == 0; }));

    // Typing stops at the limit, for shifted keys too (Shift only chooses the character), and counts
    // characters, not their bytes, as OK does.
    const std::string eleven = "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9";
    input.Click(dialog->FindWindow(IDC_RACE_PASSWORD));
    input.Pump();
    SetText(*dialog, IDC_RACE_PASSWORD, eleven);
    Find<wxTextCtrl>(*dialog, IDC_RACE_PASSWORD)->SetInsertionPointEnd();
    input.Key('a', wxMOD_SHIFT);
    input.Key('b', wxMOD_SHIFT);
    input.PumpUntil([&] { return Text(*dialog, IDC_RACE_PASSWORD) != eleven; });
    input.Pump(300);
    EXPECT_EQ(Text(*dialog, IDC_RACE_PASSWORD), eleven + "A");
    // A paste beyond the limit is cut to it, in place of the selection.
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject("xyzw"));
    wxTheClipboard->Close();
    Find<wxTextCtrl>(*dialog, IDC_RACE_PASSWORD)->SetSelection(9, 12);
    input.Key('v', wxMOD_CONTROL);
    input.PumpUntil([&] { return Text(*dialog, IDC_RACE_PASSWORD) != eleven + "A"; });

    SelectLine(Tracks(), 2);
    EXPECT_EQ(Label(*dialog, IDC_SELECTED_TRACK), "Cedar Park");
    Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->SetSelection(7);
    ClickOk(*dialog);
    EXPECT_EQ(event.TrackName, "Cedar Park");
    EXPECT_EQ(event.WindDirection, 7);
    EXPECT_EQ(event.RacePassword, eleven.substr(0, 18) + "xyz");
    EXPECT_EQ(Server->LastRace, -1);
}

// Outside the dated timing mode what the time means is not said (which fields may change is the form's
// test's); in it a date that passed shows as rewritten when a later field is refused.
TEST_F(EventDialogTest, OkRefusesTheFieldsInOrderWithTheirFocus) {
    OpenOn(false);
    EXPECT_FALSE(dialog->FindWindow(IDC_TIME_MEANING)->IsShown());
    ExpectRefusedInOrder(*dialog,
                         {{IDC_CONSECUTIVE_RUNS, "11", "Please enter an integer between 1 and 10", "10"}});

    Server->Timing = 2;
    OpenOn(false);
    EXPECT_EQ(Label(*dialog, IDC_TIME_MEANING), "6:00 with PM = 18:00");
    ExpectRefusedInOrder(*dialog,
                         {{IDC_DATE, "13/01/2000", "Error (Race date) - Grossly invalid", "1/2/2000"},
                          {IDC_TIME, "25:00", "Error (Race time) - Invalid number of hours", "12:59"}});
    EXPECT_EQ(Text(*dialog, IDC_DATE), "01/02/2000");
    ClickOk(*dialog);
    EXPECT_EQ(event.Date, "01/02/2000");
}

// The listing's rules are the form's test's; a stored value out of range is reported on opening.
TEST_F(EventDialogTest, SwitchingTheSimulatorListsItsCalendar) {
    // The third N3 track has no NL line: nothing is chosen, and OK asks for a track at its list.
    event.TrackNumber = 3;
    OpenOn(false);
    ClickRadio(*dialog, IDC_SIM_NL);
    EXPECT_EQ(Lines(Tracks()), "Oak Ridge|Millbrook");
    EXPECT_EQ(Label(*dialog, IDC_SELECTED_TRACK), "");
    dialog->OnOK();
    EXPECT_TRUE(Focused(*dialog, IDC_TRACK_LIST));

    event.Temperature = 0;
    OpenOn(false);
    EXPECT_EQ(recorder.Texts().back().rfind("Please enter an integer between 40 and 95", 0), 0u);
    EXPECT_TRUE(Focused(*dialog, IDC_TEMPERATURE));
}

// A mended fault: a calendar that fails never throws the edits away.
TEST_F(EventDialogTest, ASimulatorWithoutTracksSendsTheSwitchBackAndEndsAnOpeningOnIt) {
    CalendarNL.reset();
    OpenOn(false);
    SetText(*dialog, IDC_WIND_SPEED, "21");
    ClickRadio(*dialog, IDC_SIM_NL);
    EXPECT_EQ(recorder.Texts(), Texts{"Calendar file not initialized"});
    EXPECT_TRUE(Find<wxRadioButton>(*dialog, IDC_SIM_N3)->GetValue());
    EXPECT_EQ(Text(*dialog, IDC_WIND_SPEED), "21");
    Settle();
    EXPECT_EQ(dialog->GetReturnCode(), 0);

    CreateCalendarN3(program.File("missing.cal"));
    OpenOn(false);
    EXPECT_EQ(recorder.Texts().back(), "Schedule Tab reports no tracks found in specified calendar file.");
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(event, before);
}
