#include "ui/dialogs/dlg_default_race.h"

#include "race_dialog_fixture.h"
#include "ui/dialogs/race_controls.h"

class DefaultRaceDialogTest : public RaceDialogTest {
protected:
    void OpenDialog() { Open(*(dialog = std::make_unique<CDlgDefaultRace>(nullptr))); }
    bool ShowsNL() { return Find<wxRadioButton>(*dialog, IDC_SIM_NL)->GetValue(); }

    std::unique_ptr<CDlgDefaultRace> dialog;
};

TEST_F(DefaultRaceDialogTest, OkChecksTheFieldsThenStoresTheSettingsWithoutACalendarAndKeepsTheDateAndTime) {
    DefaultRace->TrackNumber = 7;
    DefaultRace->SimExe = "C:\\Sims\\N3\\nascar3.exe";
    DefaultRace->CalendarFile = "C:\\Sims\\N3\\all.cal";
    DefaultRace->TrackName = "Ashford";
    DefaultRace->Date = "07/04/2026";
    DefaultRace->Time = "8:15";
    DefaultRace->AIStrength = 150;
    RACE before = *DefaultRace;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Default Race Configuration, v0.1.0");
    ExpectRefusedInOrder(*dialog,
                         {{IDC_RACE_LENGTH, "101", "Please enter an integer between 1 and 100", "10"},
                          {IDC_TEMPERATURE, "30", "Please enter an integer between 40 and 95", "70"}});
    EXPECT_EQ(*DefaultRace, before);

    SetText(*dialog, IDC_WARMUP_TIME, "120");
    ClickRadio(*dialog, IDC_SIM_NL);
    Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->SetSelection(4);
    ClickOk(*dialog);
    EXPECT_TRUE(Stored("DefaultRace=1,,Ashford,,,,0,0,0,1,0,0,0,10,0,0,30,120,0,1,70,0,4,0,100,5,1,1,07/04/"
                       "2026,8:15,1,0\r\n"))
        << program.Read("Quorvadata.ini");
}

TEST_F(DefaultRaceDialogTest, AMissingFolderOrSimulatorForcesTheOther) {
    Server->PathN3.clear();
    OpenDialog();
    EXPECT_TRUE(ShowsNL());
    EXPECT_TRUE(Enabled(*dialog, IDC_SIM_N3));

    Server->PathN3 = program.File("n3/");
    DefaultRace->Sim = 1;
    Server->PathNL.clear();
    OpenDialog();
    EXPECT_FALSE(ShowsNL());

    Server->PathNL = program.File("nl/");
    N3Installed = false;
    OpenDialog();
    EXPECT_TRUE(ShowsNL());
    EXPECT_FALSE(Enabled(*dialog, IDC_SIM_N3) || Enabled(*dialog, IDC_SIM_NL));
}
