#include "ui/dialogs/dlg_default_race.h"

#include "race_dialog_fixture.h"
#include "settings/event_record.h"
#include "ui/dialogs/race_controls.h"

#include <wx/choice.h>

namespace {

class DefaultRaceDialogTest : public RaceDialogTest {
protected:
    void OpenDialog() { Open(*(dialog = std::make_unique<CDlgDefaultRace>(nullptr))); }
    // Whether the simulator may be chosen: both buttons enabled, or both not.
    bool ChoiceEnabled() {
        EXPECT_EQ(Enabled(*dialog, IDC_SIM_N3), Enabled(*dialog, IDC_SIM_NL));
        return Enabled(*dialog, IDC_SIM_N3);
    }
    int ShownSim() { return Find<wxRadioButton>(*dialog, IDC_SIM_NL)->GetValue() ? 1 : 0; }

    std::unique_ptr<CDlgDefaultRace> dialog;
};

} // namespace

TEST_F(DefaultRaceDialogTest, OkStoresTheSettingsWithoutACalendarAndKeepsTheDateAndTime) {
    DefaultRace->TrackNumber = 7;
    DefaultRace->SimExe = "C:\\Sims\\N3\\nascar3.exe";
    DefaultRace->CalendarFile = "C:\\Sims\\N3\\all.cal";
    DefaultRace->TrackName = "Ashford";
    DefaultRace->Date = "07/04/2026";
    DefaultRace->Time = "8:15";
    DefaultRace->TimePM = 1;
    DefaultRace->AIStrength = 150;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Default Race Configuration, v0.1.0");
    EXPECT_EQ(Text(*dialog, IDC_AI_STRENGTH), "100");
    EXPECT_TRUE(ChoiceEnabled());

    SetText(*dialog, IDC_WARMUP_TIME, "120");
    ClickRadio(*dialog, IDC_SIM_NL);
    Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->SetSelection(4);
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(DefaultRace->TrackNumber, 0);
    EXPECT_EQ(DefaultRace->SimExe, "");
    EXPECT_EQ(DefaultRace->CalendarFile, "");
    EXPECT_EQ(DefaultRace->TrackName, "Ashford");
    EXPECT_EQ(DefaultRace->Date, "07/04/2026");
    EXPECT_EQ(DefaultRace->Time, "8:15");
    EXPECT_EQ(DefaultRace->TimePM, 1);
    EXPECT_EQ(DefaultRace->AIStrength, 100);
    EXPECT_EQ(DefaultRace->WarmupTime, 120);
    EXPECT_EQ(DefaultRace->Sim, 1);
    EXPECT_EQ(DefaultRace->WindDirection, 4);
    EXPECT_TRUE(Stored("DefaultRace=" + FormatRaceRecord(*DefaultRace) + "\r\n"));
}

TEST_F(DefaultRaceDialogTest, AFailingFieldKeepsTheDefaultRaceAndTheFile) {
    RACE before = *DefaultRace;
    OpenDialog();
    ExpectRefusedInOrder(*dialog,
                         {{IDC_RACE_LENGTH, "101", "Please enter an integer between 1 and 100.", "1"},
                          {IDC_TEMPERATURE, "30", "Please enter an integer between 40 and 95.", "40"}});
    EXPECT_EQ(*DefaultRace, before);
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

TEST_F(DefaultRaceDialogTest, AMissingFolderOrSimulatorForcesTheOther) {
    DefaultRace->Sim = 0;
    Server->PathN3.clear();
    OpenDialog();
    EXPECT_EQ(ShownSim(), 1);
    EXPECT_TRUE(ChoiceEnabled());

    Server->PathN3 = program.File("n3/");
    DefaultRace->Sim = 1;
    Server->PathNL.clear();
    OpenDialog();
    EXPECT_EQ(ShownSim(), 0);

    Server->PathNL = program.File("nl/");
    N3Installed = false;
    OpenDialog();
    EXPECT_EQ(ShownSim(), 1);
    EXPECT_FALSE(ChoiceEnabled());
}
