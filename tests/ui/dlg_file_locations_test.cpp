#include "ui/dialogs/dlg_file_locations.h"

#include "race_dialog_fixture.h"
#include "ui/dialogs/dlg_check_report.h"

#include <gmock/gmock.h>

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
        Open(*(dialog = std::make_unique<Dlg>(
                   nullptr, [this](wxWindow*) { return chosen; }, runReport)));
    }

    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    std::optional<std::string> chosen;
    Dlg::DialogRun runReport = [](wxDialog&) { return wxID_OK; };
    std::unique_ptr<CDlgFileLocations> dialog;
};

// The paths' rules are the form's; here that the controls show them, restore and browse, and OK ends.
TEST_F(FileLocationsDialogTest, OnlyTheProgramPathsMayChangeByBrowsingOrFromTheRegistry) {
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "File Locations, v0.1.0");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_CALENDAR_N3), "C:\\Old\\N3\\all.cal");
    EXPECT_TRUE(Find<wxTextCtrl>(*dialog, Dlg::IDC_PATH_NL)->IsEditable());
    EXPECT_FALSE(Find<wxTextCtrl>(*dialog, Dlg::IDC_MUZZLE_NL)->IsEditable());
    ExpectRefusedInOrder(*dialog, {{Dlg::IDC_PATH_N3, std::string(513, 'x'), "Please enter no more than 512",
                                    "C:\\Old\\N3\\"}});

    SetText(*dialog, Dlg::IDC_PATH_NL, "D:\\Typed\\");
    Click(*dialog, Dlg::IDC_RESTORE_N3);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_N3), "C:\\Sims\\N3");
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_NL), "Path not found");

    Click(*dialog, Dlg::IDC_BROWSE_N3);
    chosen = "C:\\Sims\\Nl\\";
    Click(*dialog, Dlg::IDC_BROWSE_NL);
    EXPECT_EQ(Text(*dialog, Dlg::IDC_PATH_N3) + "|" + Text(*dialog, Dlg::IDC_PATH_NL),
              "C:\\Sims\\N3|C:\\Sims\\Nl\\");
    ClickOk(*dialog);
    EXPECT_EQ(Server->PathN3, "C:\\Old\\N3\\");
}

// The points and the verdict are the installation check's test's; here that the stored paths are checked.
TEST_F(FileLocationsDialogTest, CheckInstallationShowsTheReportAndItsVerdict) {
    std::string shown;
    runReport = [&](wxDialog& report) {
        shown = Label(report, CDlgCheckReport::IDC_CHECK_VERDICT) + "\n" +
                Text(report, CDlgCheckReport::IDC_CHECK_REPORT);
        return wxID_OK;
    };
    OpenDialog();
    Click(*dialog, Dlg::IDC_CHECK_INSTALLATION);
    EXPECT_THAT(shown,
                testing::AllOf(testing::StartsWith("Not ready: "),
                               testing::HasSubstr("folder C:\\Old\\N3\\ (PathN3 in the settings file)")));
}
