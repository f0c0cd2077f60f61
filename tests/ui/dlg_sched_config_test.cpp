#include "ui/dialogs/dlg_sched_config.h"

#include "race_dialog_fixture.h"
#include "ui/dialogs/race_controls.h"

#include <wx/choice.h>

namespace {

using Texts = std::vector<std::string>;
const Texts tracksN3{"Ashford", "Bayview", "Cedar Park"};

class EventDialogTest : public RaceDialogTest {
protected:
    EventDialogTest() {
        SetNewDefaultRaceValues(event, false);
        event.TrackName = "Bayview";
        event.TrackId = "bayview";
        event.TrackNumber = 2;
        event.Runs = 3;
        event.Temperature = 80;
        event.Date = "06/15/2026";
        event.Time = "9:30";
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
    bool Accepted() { return dialog->GetReturnCode() == wxID_OK; }
    std::string Chosen() { return Label(*dialog, IDC_SELECTED_TRACK); }
    bool Simulator(int id) { return Find<wxRadioButton>(*dialog, id)->GetValue(); }
    void OkWith(int field, const std::string& text) {
        SetText(*dialog, field, text);
        dialog->OnOK();
    }

    RACE event;
    RACE before;
    std::unique_ptr<CDlgSchedConfig> dialog;
};

} // namespace

TEST_F(EventDialogTest, ANewEventStartsFromTheDefaultRaceAndOkWritesEveryField) {
    DefaultRace->WindDirection = 3;
    DefaultRace->Temperature = 77;
    OpenOn(true);
    EXPECT_EQ(dialog->GetTitle(), "Schedule Configuration, v0.1.0");
    EXPECT_EQ(Lines(Tracks()), tracksN3);
    EXPECT_EQ(Tracks()->GetSelection(), 0);
    EXPECT_EQ(Chosen(), "Ashford");
    EXPECT_EQ(Text(*dialog, IDC_TEMPERATURE), "77");
    EXPECT_EQ(Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->GetStringSelection(), "NorthWest");
    EXPECT_FALSE(Enabled(*dialog, IDC_DATE) || Enabled(*dialog, IDC_TIME_PM));

    SelectLine(Tracks(), 2);
    EXPECT_EQ(Chosen(), "Cedar Park");
    SetText(*dialog, IDC_EVENT_WARMUP_TIME, " 12 ");
    SetText(*dialog, IDC_RACE_PASSWORD, "pit-lane");
    Find<wxCheckBox>(*dialog, IDC_SAVE_REPLAY)->SetValue(true);
    Find<wxRadioButton>(*dialog, IDC_DAMAGE_REALISTIC)->SetValue(true);
    Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->SetSelection(7);
    ClickOk(*dialog);

    RACE expected = *DefaultRace;
    expected.Sim = 0;
    expected.SimExe = program.File("n3/") + "nascar3.exe";
    expected.CalendarFile = program.File("n3.cal");
    expected.TrackName = "Cedar Park";
    expected.TrackId = "cedarpk";
    expected.TrackNumber = 3;
    expected.WarmupTime = 12;
    expected.RacePassword = "pit-lane";
    expected.SaveReplay = 1;
    expected.Damage = 2;
    expected.WindDirection = 7;
    EXPECT_EQ(event, expected);
    EXPECT_EQ(Server->LastRace, -1);
    EXPECT_TRUE(Accepted());
    EXPECT_TRUE(recorder.messages.empty());
}

// The reasons are the field checks' own; here the dialog's order, focus and that nothing is stored.
TEST_F(EventDialogTest, TheFirstFailingFieldStopsOkWithItsMessageAndFocus) {
    OpenOn(false);
    const std::string quoted = "The race password cannot hold a comma, a single quote or a line end.";
    ExpectRefusedInOrder(
        *dialog,
        {{IDC_CONSECUTIVE_RUNS, "11", "Please enter an integer between 1 and 10.", "10"},
         {IDC_RACE_PASSWORD, "pit,lane", quoted, ""},
         // Typing stops at twelve characters; a longer text put there is refused.
         {IDC_RACE_PASSWORD, "thirteen-char", "Please enter no more than 12 characters.", "thirteen-cha"},
         {IDC_TEMPERATURE, "warm", "Please enter an integer.", "95"}});
    // The refused text is chosen, ready to be typed over.
    OkWith(IDC_CONSECUTIVE_RUNS, "11");
    EXPECT_EQ(Find<wxTextCtrl>(*dialog, IDC_CONSECUTIVE_RUNS)->GetStringSelection(), "11");
    EXPECT_EQ(event, before);
    EXPECT_EQ(Server->LastRace, 4);

    OkWith(IDC_CONSECUTIVE_RUNS, "10");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(event.Runs, 10);
    EXPECT_EQ(event.Temperature, 95);
    EXPECT_EQ(event.RacePassword, "thirteen-cha");
}

// The reasons themselves are the field checks' own; here the dialog's part: when it checks, what it
// rewrites, the prefix, the beep and the focus.
TEST_F(EventDialogTest, SpecificDateTimingChecksAndRewritesTheDateAndRunsOnce) {
    Server->Timing = 2;
    OpenOn(false);
    EXPECT_EQ(Text(*dialog, IDC_CONSECUTIVE_RUNS), "1");
    EXPECT_FALSE(Enabled(*dialog, IDC_CONSECUTIVE_RUNS));
    EXPECT_TRUE(Enabled(*dialog, IDC_DATE));
    SetText(*dialog, IDC_TIME, "25:00");
    OkWith(IDC_DATE, "13/01/2000");
    EXPECT_EQ(recorder.Texts(), Texts{"Error (Race date) - Grossly invalid date - valid entries are "
                                      "01/01/2000 through 12/31/2038."});
    EXPECT_EQ(recorder.beeps, 1);
    EXPECT_TRUE(Focused(*dialog, IDC_DATE));
    EXPECT_FALSE(Accepted());

    SetText(*dialog, IDC_TIME, "12:59");
    OkWith(IDC_DATE, "1/2/2000");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(event.Date, "01/02/2000");
    EXPECT_EQ(Text(*dialog, IDC_DATE), "01/02/2000");
    EXPECT_EQ(event.Runs, 1);
}

TEST_F(EventDialogTest, UnderTheTimeItSaysWhatTheTimeAndPmMeanAsTheyChange) {
    Server->Timing = 2;
    event.TimePM = 1;
    OpenOn(false);
    auto meaning = [this] { return Label(*dialog, IDC_TIME_MEANING); };
    EXPECT_EQ(meaning(), "9:30 with PM = 21:30");
    Find<wxTextCtrl>(*dialog, IDC_TIME)->SetValue("12:26");
    EXPECT_EQ(meaning(), "12:26 with PM = 00:26, after midnight");
    EXPECT_TRUE(ClickMarkUntil(*dialog, IDC_TIME_PM, [&] {
        return meaning() == "12:26 without PM = 12:26, midday";
    })) << meaning();
}

TEST_F(EventDialogTest, OtherTimingsTakeAnyDateButStillCheckTheTime) {
    OpenOn(false);
    EXPECT_FALSE(dialog->FindWindow(IDC_TIME_MEANING)->IsShown());
    SetText(*dialog, IDC_DATE, "");
    OkWith(IDC_TIME, ":30");
    EXPECT_EQ(recorder.Texts(), Texts{"Error (Race time) - Invalid time format (missing colon)."});
    EXPECT_TRUE(Focused(*dialog, IDC_TIME));
    OkWith(IDC_TIME, "6:5");
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(event.Date, "");
    EXPECT_EQ(event.Time, "6:5");
}

TEST_F(EventDialogTest, StoredValuesOutOfRangeAreReportedOnOpening) {
    event.Temperature = 0;
    event.AIStrength = 150;
    OpenOn(false);
    EXPECT_EQ(recorder.Texts(), Texts{"Please enter an integer between 40 and 95."});
    EXPECT_EQ(Text(*dialog, IDC_AI_STRENGTH), "100");
    EXPECT_EQ(Tracks()->GetSelection(), 1);
}

TEST_F(EventDialogTest, SwitchingTheSimulatorKeepsTheLineWhileTheOtherCalendarHasIt) {
    OpenOn(false);
    EXPECT_EQ(Tracks()->GetSelection(), 1);
    ClickRadio(*dialog, IDC_SIM_NL);
    EXPECT_EQ(Lines(Tracks()), (Texts{"Oak Ridge", "Millbrook"}));
    EXPECT_EQ(Tracks()->GetSelection(), 1);
    dialog->OnOK();
    EXPECT_EQ(event.Sim, 1);
    EXPECT_EQ(event.TrackName, "Millbrook");
    EXPECT_EQ(event.TrackId, "millbrk");
    EXPECT_EQ(event.SimExe, program.File("nl/") + "legends.exe");
    EXPECT_EQ(event.CalendarFile, program.File("nl.cal"));

    // The third N3 track has no NL line: nothing is chosen, and OK asks for a track.
    event = before;
    event.TrackNumber = 3;
    OpenOn(false);
    ClickRadio(*dialog, IDC_SIM_NL);
    EXPECT_EQ(Tracks()->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Chosen(), "");
    dialog->OnOK();
    EXPECT_EQ(recorder.Texts(), Texts{"Please select a track for this event."});
    EXPECT_TRUE(Focused(*dialog, IDC_TRACK_LIST));
    EXPECT_FALSE(Accepted());
    SelectLine(Tracks(), 0);
    ClickRadio(*dialog, IDC_SIM_N3);
    EXPECT_EQ(Tracks()->GetSelection(), 0);
}

TEST_F(EventDialogTest, ASimulatorWithoutTracksSendsTheSwitchBackAndEndsAnOpeningOnIt) {
    CalendarNL.reset();
    OpenOn(false);
    SetText(*dialog, IDC_WIND_SPEED, "21");
    ClickRadio(*dialog, IDC_SIM_NL);
    EXPECT_EQ(recorder.Texts(), Texts{"Calendar file not initialized"});
    EXPECT_TRUE(Simulator(IDC_SIM_N3));
    EXPECT_EQ(Lines(Tracks()), tracksN3);
    EXPECT_EQ(Tracks()->GetSelection(), 1);
    EXPECT_EQ(Text(*dialog, IDC_WIND_SPEED), "21");
    Settle();
    EXPECT_TRUE(dialog->IsShown());
    EXPECT_EQ(dialog->GetReturnCode(), 0);

    CreateCalendarN3(program.File("missing.cal"));
    event.Sim = 0;
    OpenOn(false);
    EXPECT_EQ(recorder.Texts().back(), "Schedule Tab reports no tracks found in specified calendar file.");
    EXPECT_EQ(dialog->GetReturnCode(), wxID_CANCEL);
    EXPECT_EQ(event, before);
}

TEST_F(EventDialogTest, AMissingSimulatorFixesTheChoice) {
    NLInstalled = false;
    event.Sim = 1;
    OpenOn(false);
    EXPECT_TRUE(Simulator(IDC_SIM_N3));
    EXPECT_FALSE(Enabled(*dialog, IDC_SIM_N3) || Enabled(*dialog, IDC_SIM_NL));
    EXPECT_EQ(Lines(Tracks()), tracksN3);
}

TEST_F(EventDialogTest, TypingStopsAtTheLimitForShiftedKeysTooAndCountsCharactersAsOkDoes) {
    OpenOn(false);
    RealInput input;
    input.Pump();
    SetText(*dialog, IDC_RACE_PASSWORD, "");
    input.Click(dialog->FindWindow(IDC_RACE_PASSWORD));
    for (char key : std::string("friday night"))
        input.Key(key, key == 'f' || key == 'n' ? wxMOD_SHIFT : wxMOD_NONE);
    input.Key('t', wxMOD_SHIFT);
    input.Key('1', wxMOD_SHIFT);
    input.Key('x');
    input.PumpUntil([&] { return Text(*dialog, IDC_RACE_PASSWORD).size() == 12; });
    input.Pump(300);
    EXPECT_EQ(Text(*dialog, IDC_RACE_PASSWORD), "Friday Night");

    // Eleven characters of two bytes each take a twelfth, and OK takes the twelve.
    const std::string eleven = "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9";
    SetText(*dialog, IDC_RACE_PASSWORD, eleven);
    Find<wxTextCtrl>(*dialog, IDC_RACE_PASSWORD)->SetInsertionPointEnd();
    input.Key('a', wxMOD_SHIFT);
    input.Key('b');
    input.PumpUntil([&] { return Text(*dialog, IDC_RACE_PASSWORD) != eleven; });
    input.Pump(300);
    EXPECT_EQ(Text(*dialog, IDC_RACE_PASSWORD), eleven + "A");
    ClickOk(*dialog);
    EXPECT_TRUE(Accepted());
    EXPECT_EQ(event.RacePassword, eleven + "A");
}

TEST_F(EventDialogTest, AClickOnTheCheckedSimulatorFillsTheTrackListAgain) {
    OpenOn(true);
    SelectLine(Tracks(), 2);
    EXPECT_TRUE(ClickMarkUntil(*dialog, IDC_SIM_N3, [&] { return Tracks()->GetSelection() == 0; }));
    EXPECT_EQ(Chosen(), "Ashford");
}
