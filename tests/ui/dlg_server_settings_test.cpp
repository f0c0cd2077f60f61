#include "ui/dialogs/dlg_server_settings.h"

#include "race_dialog_fixture.h"
#include "settings/server_settings.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_timing.h"

#include <filesystem>
#include <wx/choice.h>

namespace {

using Dlg = CDlgServerSettings;

class ServerSettingsDialogTest : public RaceDialogTest {
protected:
    ServerSettingsDialogTest() {
        Server->HostName = "Oval Nights";
        program.Write("n3/options.cfg", std::string(160, '\1'));
        program.Write("nl/options.cfg", std::string(160, '\1'));
    }

    // The further dialogs are shown and left with Cancel, unless a test drives them.
    void OpenDialog() {
        dialog = std::make_unique<CDlgServerSettings>(nullptr, [this](wxDialog& further) {
            further.Show();
            Settle();
            if (driveFurther)
                driveFurther(further);
            return further.GetReturnCode();
        });
        Open(*dialog);
    }
    wxChoice* Arenas(int id) { return Find<wxChoice>(*dialog, id); }

    std::unique_ptr<CDlgServerSettings> dialog;
    std::function<void(wxDialog&)> driveFurther;
};

} // namespace

TEST_F(ServerSettingsDialogTest, OkReadsTheFieldsInOrderThenStoresThemAndTheConnectionTypes) {
    NLInstalled = false;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Server Settings, v0.1.0");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_HOST_NAME), "Oval Nights");
    ExpectRefusedInOrder(
        *dialog,
        {{Dlg::IDC_ADMIN_PASSWORD, "thirteen-char", "Please enter no more than 12 characters.", "kelp"},
         {Dlg::IDC_FIELD_SIZE, "44", "Please enter an integer between 1 and 43.", "43"},
         {Dlg::IDC_HOST_NAME, "Bob's Oval", "The host name cannot hold a single quote or a line end.",
          "Bobs Oval"},
         {Dlg::IDC_WON_PASSWORD, "two\nlines",
          "The WON login password cannot hold a single quote or a line end.", "won"},
         {Dlg::IDC_ADDED_PARAMS, std::string(81, 'p'), "Please enter no more than 80 characters.",
          std::string(80, 'p')}});
    EXPECT_EQ(Server->HostName, "Oval Nights");
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));

    Find<wxCheckBox>(*dialog, Dlg::IDC_CONNECT_TCP)->SetValue(true);
    Find<wxCheckBox>(*dialog, Dlg::IDC_CONNECT_IPX)->SetValue(false);
    Arenas(Dlg::IDC_ARENA_N3)->SetSelection(6);
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(Server->HostName, "Bobs Oval");
    EXPECT_EQ(Server->AdminPassword, "kelp");
    EXPECT_EQ(Server->FieldSize, 43);
    EXPECT_EQ(Server->ArenaN3, 6);
    EXPECT_TRUE(Stored("HostName=Bobs Oval\r\n"));
    std::string patched = program.Read("n3/options.cfg");
    EXPECT_EQ(patched[143], 0);
    EXPECT_EQ(patched[147], 2);
    EXPECT_EQ(program.Read("nl/options.cfg"), std::string(160, '\1'));
}

TEST_F(ServerSettingsDialogTest, TheArenaListsFollowTheInstallationAndKeepAnUnlistedValue) {
    Server->ArenaN3 = 9;
    Server->ArenaNL = 3;
    N3Installed = false;
    OpenDialog();
    EXPECT_FALSE(Arenas(Dlg::IDC_ARENA_N3)->IsEnabled());
    EXPECT_TRUE(Arenas(Dlg::IDC_ARENA_NL)->IsEnabled());
    EXPECT_EQ(Arenas(Dlg::IDC_ARENA_N3)->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(Arenas(Dlg::IDC_ARENA_NL)->GetStringSelection(), "Dodge");
    EXPECT_EQ(Arenas(Dlg::IDC_ARENA_NL)->GetString(6), "Invisible");
    dialog->OnOK();
    EXPECT_EQ(Server->ArenaN3, 9);
    EXPECT_EQ(Server->ArenaNL, 3);
    EXPECT_EQ(program.Read("n3/options.cfg"), std::string(160, '\1'));
}

TEST_F(ServerSettingsDialogTest, CancelKeepsTheServerButNotWhatTheFurtherDialogsStored) {
    driveFurther = [](wxDialog& further) {
        if (auto* timing = dynamic_cast<CDlgTiming*>(&further)) {
            SetText(*timing, CDlgTiming::IDC_RACE_DELAY, "17");
            timing->OnOK();
        } else if (auto* schedule = dynamic_cast<CDlgSchedule*>(&further)) {
            schedule->OnAddAllNL();
            schedule->OnOK();
        }
    };
    OpenDialog();
    SetText(*dialog, Dlg::IDC_HOST_NAME, "Changed");
    dialog->OnTimingSettings();
    dialog->OnEditSchedule();
    Click(*dialog, wxID_CANCEL);
    EXPECT_EQ(Server->HostName, "Oval Nights");
    EXPECT_EQ(Server->RaceDelay, 17);
    EXPECT_TRUE(ScheduleLoaded);
    EXPECT_TRUE(Stored("RaceDelay=17\r\n") && Stored("HostName=Oval Nights\r\n") && Stored("[SCHEDULE]"));

    // An editor left with OK on an empty list stores an empty schedule.
    driveFurther = [this](wxDialog& further) {
        if (auto* schedule = dynamic_cast<CDlgSchedule*>(&further)) {
            recorder.answers.push_back(MessageAnswer::Yes);
            schedule->OnDeleteAll();
            schedule->OnOK();
        }
    };
    dialog->OnEditSchedule();
    EXPECT_FALSE(ScheduleLoaded);
    EXPECT_TRUE(EventList.empty());
}

TEST_F(ServerSettingsDialogTest, TestHtmlConvertsTheProgramFoldersSampleOfEachSimulator) {
    for (const char* file : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
        std::filesystem::copy_file(std::string(QUORVA_DATA_DIR) + file, program.File(file));
    OpenDialog();
    Click(*dialog, Dlg::IDC_TEST_HTML_NL);
    EXPECT_TRUE(program.Exists("Quorvasample.html"));
    EXPECT_FALSE(program.Exists("Quorvasample.won.html"));
    std::filesystem::remove(program.File("Quorvasample.html"));
    Click(*dialog, Dlg::IDC_TEST_HTML_N3);
    EXPECT_TRUE(program.Exists("Quorvasample.html"));
    EXPECT_TRUE(recorder.messages.empty()) << recorder.Texts().front();
}

TEST_F(ServerSettingsDialogTest, AWindowsSettingsFileShowsItsCharactersAndKeepsTheBytesOfUntouchedFields) {
    program.Write("Quorvadata.ini", "[SERVER]\r\nHostName=Caf\xE9\r\nAdminPassword=M\xFC"
                                    "ller\r\nFieldSize=43\r\n");
    ReadServerSettings();
    N3Installed = NLInstalled = false;
    OpenDialog();
    EXPECT_EQ(Text(*dialog, Dlg::IDC_HOST_NAME), "Caf\u00E9");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_ADMIN_PASSWORD), "M\u00FCller");
    const std::string western = " can only hold characters of the Western European Windows character set.";
    ExpectRefusedInOrder(
        *dialog,
        {{Dlg::IDC_ADMIN_PASSWORD, "\u03A3\u03B1", "The admin password" + western, "M\u00FCller!"},
         {Dlg::IDC_ADDED_PARAMS, "-x \u0416", "The additional commandline parameters" + western, "-x"}});
    dialog->OnOK();
    EXPECT_TRUE(Stored("HostName=Caf\xE9\r\n"));
    EXPECT_TRUE(Stored("AdminPassword=M\xC3\xBCller!\r\n"));
}
