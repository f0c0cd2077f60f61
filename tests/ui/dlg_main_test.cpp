#include "ui/dialogs/dlg_main.h"

#include "race_dialog_fixture.h"
#include "ui/dialogs/dlg_about.h"
#include "ui/support/hyper_link.h"

class MainDialogTest : public DialogTest {
protected:
    MainDialogTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
    }

    std::vector<int> runs;
    CDlgMain::ScheduleRun fakeRun = [this](wxWindow*) { return runs.emplace_back(RunResultShutDown); };
};

TEST_F(MainDialogTest, TheStartButtonFollowsTheScheduleThatTheSettingsLeave) {
    int settingsRuns = 0;
    CDlgMain main(nullptr, fakeRun, [&](wxWindow*) {
        ++settingsRuns;
        ScheduleLoaded = !ScheduleLoaded;
    });
    Open(main);
    EXPECT_EQ(main.GetTitle(), "Quorva, v0.1.0");
    EXPECT_EQ(Label(main, CDlgMain::IDC_COPYRIGHT), "Copyright notice not found.");
    EXPECT_FALSE(Enabled(main, CDlgMain::IDC_START_SCHEDULE) || Enabled(main, CDlgMain::IDC_HIDDEN_LIST));
    EXPECT_TRUE(main.HasBitmap());
    Click(main, CDlgMain::IDC_SERVER_INFO);
    EXPECT_TRUE(Enabled(main, CDlgMain::IDC_START_SCHEDULE));
    main.OnServerInfo();
    EXPECT_FALSE(Enabled(main, CDlgMain::IDC_START_SCHEDULE));
    EXPECT_EQ(settingsRuns, 2);
    EXPECT_TRUE(runs.empty());
}

TEST_F(MainDialogTest, AutoStartRunsTheScheduleAndItsEndClosesTheProgram) {
    Server->AutoStart = 1;
    Server->UseBitmap = 0;
    EventList.push_back(std::make_unique<RACE>());
    CDlgMain main(nullptr, fakeRun);
    Open(main);
    EXPECT_EQ(runs, std::vector<int>{RunResultShutDown});
    EXPECT_EQ(main.GetReturnCode(), wxID_OK);
    EXPECT_FALSE(main.HasBitmap());
}

TEST_F(MainDialogTest, TheAboutBoxShowsTheVersionAndLinksToTheReadme) {
    CDlgAbout about(nullptr);
    EXPECT_EQ(Label(about, CDlgAbout::IDC_VERSION_LINE), "Quorva, Version 0.00");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_WEB_PAGE)->GetURL(), "file://" + program.Path() + "README.md");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_ALTERNATE_PAGE)->GetURL(),
              "file://localhost" + program.Path() + "README.md");
    EXPECT_EQ(about.Link(CDlgAbout::IDC_EMAIL)->GetURL(), "mailto:quorva@localhost");
}
