#include "ui/dialogs/dlg_check_report.h"
#include "ui/dialogs/dlg_file_locations.h"

#include "race_dialog_fixture.h"
#include "support/scoped_env.h"

#include <wx/stattext.h>

namespace {

class CheckReportDialogTest : public RaceDialogTest {
protected:
    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
};

} // namespace

TEST_F(CheckReportDialogTest, CheckInstallationShowsTheReportAndItsVerdict) {
    program.Write("n3/nascar3.exe", "#!/bin/sh\n");
    Server->CalendarFileN3 = program.File("n3.cal");
    Server->CalendarFileNL = program.File("nl.cal");
    std::string verdict;
    std::string report;
    CDlgFileLocations locations(
        nullptr, [](wxWindow*) { return std::nullopt; },
        [&](wxDialog& dialog) {
            verdict =
                Find<wxStaticText>(dialog, CDlgCheckReport::IDC_CHECK_VERDICT)->GetLabel().utf8_string();
            report = Text(dialog, CDlgCheckReport::IDC_CHECK_REPORT);
            return wxID_OK;
        });
    Open(locations);
    Click(locations, CDlgFileLocations::IDC_CHECK_INSTALLATION);

    EXPECT_EQ(verdict, "Not ready: 4 points fail (6 warnings); put them right and check again.") << report;
    EXPECT_NE(report.find("  ok    Wine prefix " + prefix.Path() + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find("\n  FAIL  NASCAR Racing 3: program " + program.File("n3/nascar3.exe") + " (" +
                          program.File("n3/nascar3.exe") + "): a Linux program without permission to run"),
              std::string::npos);
    EXPECT_NE(report.find("\n  FAIL  NASCAR Legends: program " + program.File("nl/legends.exe") + " (" +
                          program.File("nl/legends.exe") + ") not found"),
              std::string::npos);
    EXPECT_NE(report.find("\n  warn  Admin password: still the default \"kelp\""), std::string::npos);
    EXPECT_EQ(Server->PathN3, program.File("n3/"));
}
