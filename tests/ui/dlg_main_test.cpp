#include "ui/dialogs/dlg_main.h"

#include "core/app_state.h"
#include "schedule/schedule_runner.h"
#include "support/program_folder.h"
#include "ui/dialogs/dlg_about.h"
#include "ui/support/hyper_link.h"

#include <gtest/gtest.h>
#include <wx/app.h>

namespace {

class MainDialogTest : public ::testing::Test {
protected:
    MainDialogTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        ProgramVersion = "0.1.0";
    }

    // Shows the dialog and lets what it does once it is up happen.
    void ShowAndSettle(wxDialog& dialog) {
        dialog.Show();
        for (int k = 0; k < 5; ++k)
            wxTheApp->ProcessPendingEvents();
    }

    ScopedProgramFolder program;
    std::vector<int> runs;
    int runResult = RunResultStop;
    CDlgMain::ScheduleRun fakeRun = [this](wxWindow*) {
        runs.push_back(runResult);
        return runResult;
    };
};

} // namespace

TEST_F(MainDialogTest, TheStartButtonFollowsTheSchedule) {
    CDlgMain main(nullptr, fakeRun);
    ShowAndSettle(main);
    EXPECT_EQ(main.GetTitle(), "Quorva, v0.1.0");
    EXPECT_EQ(main.FindWindow(CDlgMain::IDC_COPYRIGHT)->GetLabel(), "Copyright notice not found.");
    EXPECT_FALSE(main.FindWindow(CDlgMain::IDC_START_SCHEDULE)->IsEnabled());
    EXPECT_FALSE(main.FindWindow(CDlgMain::IDC_HIDDEN_LIST)->IsEnabled());
    EXPECT_TRUE(main.HasBitmap());
    ScheduleLoaded = true;
    main.UpdateStartButton();
    EXPECT_TRUE(main.FindWindow(CDlgMain::IDC_START_SCHEDULE)->IsEnabled());
    EXPECT_TRUE(runs.empty());
}

TEST_F(MainDialogTest, TheStartButtonFollowsTheScheduleThatTheSettingsLeave) {
    int settingsRuns = 0;
    CDlgMain main(nullptr, fakeRun, [&](wxWindow* owner) {
        EXPECT_EQ(owner, &main);
        ++settingsRuns;
        ScheduleLoaded = !ScheduleLoaded;
    });
    ShowAndSettle(main);
    wxCommandEvent click(wxEVT_BUTTON, CDlgMain::IDC_SERVER_INFO);
    main.FindWindow(CDlgMain::IDC_SERVER_INFO)->GetEventHandler()->ProcessEvent(click);
    EXPECT_EQ(settingsRuns, 1);
    EXPECT_TRUE(main.FindWindow(CDlgMain::IDC_START_SCHEDULE)->IsEnabled());
    main.OnServerInfo();
    EXPECT_FALSE(main.FindWindow(CDlgMain::IDC_START_SCHEDULE)->IsEnabled());
}

TEST_F(MainDialogTest, AutoStartRunsTheScheduleAndItsEndClosesTheProgram) {
    Server->AutoStart = 1;
    Server->UseBitmap = 0;
    EventList.push_back(std::make_unique<RACE>());
    {
        CDlgMain main(nullptr, fakeRun);
        main.SetReturnCode(0);
        ShowAndSettle(main);
        EXPECT_EQ(runs, std::vector<int>{RunResultStop});
        EXPECT_EQ(main.GetReturnCode(), 0);
        EXPECT_FALSE(main.HasBitmap());
    }
    runResult = RunResultShutDown;
    CDlgMain main(nullptr, fakeRun);
    ShowAndSettle(main);
    EXPECT_EQ(runs.size(), 2u);
    EXPECT_EQ(main.GetReturnCode(), wxID_OK);
}

TEST_F(MainDialogTest, TheAboutBoxShowsTheVersionAndLinksToTheReadme) {
    CDlgAbout about(nullptr);
    EXPECT_EQ(about.FindWindow(CDlgAbout::IDC_VERSION_LINE)->GetLabel(), "Quorva, Version 0.00");
    EXPECT_EQ(about.FindWindow(CDlgAbout::IDC_COPYRIGHT)->GetLabel(), "Copyright notice not found.");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_WEB_PAGE)->GetURL(), "file://" + program.Path() + "README.md");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_ALTERNATE_PAGE)->GetURL(),
              "file://localhost" + program.Path() + "README.md");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_EMAIL)->GetURL(), "mailto:quorva@localhost");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_EMAIL)->GetLabel(), "E-mail Author");
    EXPECT_FALSE(about.Link(CDlgAbout::IDC_WEB_PAGE)->GetFont().GetUnderlined());
}
