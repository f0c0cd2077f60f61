#include "ui/dialogs/dlg_default_race.h"

#include "race_dialog_fixture.h"
#include "resources/race_control_ids.h"

class DefaultRaceDialogTest : public RaceDialogTest {
protected:
    void OpenDialog() { Open(*(dialog = std::make_unique<CDlgDefaultRace>(nullptr))); }

    std::unique_ptr<CDlgDefaultRace> dialog;
};

// The settings the form stores and how the installation chooses the simulator are the form's test's; here
// a choice that may not be changed disables all its buttons.
TEST_F(DefaultRaceDialogTest, OkRefusesTheFieldsInOrderThenStoresTheRadiosAndTheList) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Default Race Configuration, v0.1.0");
    ExpectRefusedInOrder(*dialog,
                         {{IDC_RACE_LENGTH, "101", "Please enter an integer between 1 and 100", "10"},
                          {IDC_TEMPERATURE, "30", "Please enter an integer between 40 and 95", "70"}});
    ClickRadio(*dialog, IDC_SIM_NL);
    ClickRadio(*dialog, IDC_DAMAGE_REALISTIC);
    Find<wxChoice>(*dialog, IDC_WIND_DIRECTION)->SetSelection(4);
    ClickOk(*dialog);
    EXPECT_EQ(DefaultRace->Sim, 1);
    EXPECT_EQ(DefaultRace->Damage, 2);
    EXPECT_EQ(DefaultRace->WindDirection, 4);
    EXPECT_EQ(DefaultRace->RaceLength, 10);

    N3Installed = false;
    OpenDialog();
    EXPECT_EQ(EnabledStates(*dialog, {IDC_SIM_N3, IDC_SIM_NL, IDC_DAMAGE_NONE}), "--E");
}
