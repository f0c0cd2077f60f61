#include "ui/dialogs/dlg_file_locations.h"

#include "race_dialog_fixture.h"
#include "support/scoped_env.h"

namespace {

using Dlg = CDlgFileLocations;

class FileLocationsDialogTest : public RaceDialogTest {
protected:
    FileLocationsDialogTest() {
        prefix.Write("system.reg", "WINE REGISTRY Version 2\r\n;; All keys relative to \\\\Machine\r\n\r\n"
                                   "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\"
                                   "NASCAR Racing 3.exe] 1700000000\r\n\"Path\"=\"C:\\\\Sims\\\\N3\"\r\n");
        Server->PathN3 = "C:\\Old\\N3\\";
        Server->CalendarFileN3 = "C:\\Old\\N3\\all.cal";
        Server->PathNL = PathNotFound;
        Server->CalendarFileNL.clear();
    }

    void OpenDialog() {
        Open(*(dialog = std::make_unique<Dlg>(nullptr, [this](wxWindow*) { return chosen; })));
    }

    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    std::optional<std::string> chosen;
    std::unique_ptr<CDlgFileLocations> dialog;
};

} // namespace

TEST_F(FileLocationsDialogTest, ShowsTheServersLocationsAndOnlyTheProgramPathsMayChange) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "File Locations, v0.1.0");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_N3), "C:\\Old\\N3\\");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_CALENDAR_N3), "C:\\Old\\N3\\all.cal");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_NL), "Path not found");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_CALENDAR_NL), "");
    EXPECT_TRUE(Find<wxTextCtrl>(*dialog, Dlg::IDC_PATH_NL)->IsEditable());
    EXPECT_FALSE(Find<wxTextCtrl>(*dialog, Dlg::IDC_MUZZLE_NL)->IsEditable());

    Click(*dialog, Dlg::IDC_BROWSE_N3);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_N3), "C:\\Old\\N3\\");
    chosen = "C:\\Sims\\Nl\\";
    Click(*dialog, Dlg::IDC_BROWSE_NL);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_NL), "C:\\Sims\\Nl\\");
    ClickOk(*dialog);
    EXPECT_EQ(dialog->GetReturnCode(), wxID_OK);
    EXPECT_EQ(dialog->Values()[4], "C:\\Sims\\Nl\\");
    EXPECT_EQ(Server->PathNL, "Path not found");
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

TEST_F(FileLocationsDialogTest, RestoringShowsTheRegistryPathAndTheOtherFieldsAsOpened) {
    OpenDialog();
    SetText(*dialog, Dlg::IDC_PATH_NL, "D:\\Typed\\");
    Click(*dialog, Dlg::IDC_RESTORE_N3);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_N3), "C:\\Sims\\N3");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_NL), "Path not found");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_CALENDAR_N3), "C:\\Old\\N3\\all.cal");
    Click(*dialog, Dlg::IDC_RESTORE_NL);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_NL), "Path not found");
    EXPECT_EQ(Server->PathN3, "C:\\Old\\N3\\");

    ExpectRefusedInOrder(*dialog, {{Dlg::IDC_PATH_N3, std::string(513, 'x'),
                                    "Please enter no more than 512 characters.", ""}});
}
