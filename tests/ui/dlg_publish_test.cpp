#include "ui/dialogs/dlg_publish.h"

#include "platform/run_lock.h"
#include "race_dialog_fixture.h"
#include "ui/dialogs/dlg_server_settings.h"
#include "ui/support/next_run_note.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class PublishDialogTest : public RaceDialogTest {
protected:
    ~PublishDialogTest() override { Publish = {}; }

    // Opens the server settings, then "Unattended Running...", and drives it.
    void Publishing(const std::function<void(CDlgPublish&)>& drive) {
        CDlgServerSettings settings(nullptr, [&](wxDialog& further) {
            further.Show();
            Settle();
            drive(dynamic_cast<CDlgPublish&>(further));
            return further.GetReturnCode();
        });
        Open(settings);
        Click(settings, CDlgServerSettings::IDC_UNATTENDED_RUNNING);
    }
};

} // namespace

TEST_F(PublishDialogTest, OkStoresTheFolderAndTitleAndTheRaceLimitInTheirOwnSections) {
    Publish = {"C:\\Sites\\old", ""};
    Publishing([](CDlgPublish& dialog) {
        EXPECT_EQ(dialog.GetTitle(), "Unattended Running");
        EXPECT_EQ(Text(dialog, CDlgPublish::IDC_PUBLISH_FOLDER), "C:\\Sites\\old");
        EXPECT_EQ(Text(dialog, CDlgPublish::IDC_MAX_RACE_MINUTES), "0");
        SetText(dialog, CDlgPublish::IDC_PUBLISH_FOLDER, "/srv/www/league");
        SetText(dialog, CDlgPublish::IDC_PUBLISH_TITLE, "Thursday Night L\xc3\xa9gends");
        SetText(dialog, CDlgPublish::IDC_MAX_RACE_MINUTES, "10080");
        ClickOk(dialog);
        EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
    });
    EXPECT_EQ(Publish, (PUBLISH{"/srv/www/league", "Thursday Night L\xc3\xa9gends"}));
    EXPECT_TRUE(Stored("[PUBLISH]\r\nFolder=/srv/www/league\r\nTitle=Thursday Night L\xc3\xa9gends\r\n"));
    EXPECT_TRUE(Stored("[WATCHDOG]\r\nMaxRaceMinutes=10080\r\n"));
    Publishing(
        [](CDlgPublish& dialog) { EXPECT_EQ(Text(dialog, CDlgPublish::IDC_MAX_RACE_MINUTES), "10080"); });
}

TEST_F(PublishDialogTest, AValueTheFileCannotHoldIsRefusedAndNothingIsStored) {
    Publishing([this](CDlgPublish& dialog) {
        const std::string refusal = "The longest race takes a whole number of minutes from 0 to 10080.";
        const int minutes = CDlgPublish::IDC_MAX_RACE_MINUTES;
        ExpectRefusedInOrder(
            dialog, {{CDlgPublish::IDC_PUBLISH_FOLDER, std::string(255, 'f'),
                      "The results folder takes at most 254 characters.", ""},
                     {CDlgPublish::IDC_PUBLISH_TITLE, "two\nlines", "The league title must be one line.", ""},
                     {minutes, "10081", refusal, ""},
                     {minutes, "-1", refusal, ""},
                     {minutes, "", refusal, ""},
                     {minutes, "1h", refusal, ""}});
        EXPECT_EQ(recorder.beeps, 6);
    });
    EXPECT_EQ(Publish, PUBLISH{});
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

TEST_F(PublishDialogTest, WhileAnotherProcessRunsTheScheduleTheSettingsSayChangesApplyFromItsNextRun) {
    // Wrapped to its box: the line ends are the toolkit's.
    auto note = [](wxWindow& dialog) {
        wxString text = dialog.FindWindow(IDC_NEXT_RUN_NOTE)->GetLabel();
        text.Replace("\n", " ");
        return text.utf8_string();
    };
    Publishing([&](CDlgPublish& dialog) { EXPECT_EQ(note(dialog), ""); });
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t runner = fork();
    if (runner == 0) {
        RunLock lock(program.File("Quorvadata.lock"));
        ssize_t written = write(ready[1], "y", 1);
        (void)written;
        pause();
        _exit(0);
    }
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    std::string expected = "The schedule of this program folder is running (ui_tests, process " +
                           std::to_string(runner) + "): changes made here apply from its next run.";
    CDlgServerSettings settings(nullptr, [&](wxDialog& further) {
        EXPECT_EQ(note(further), expected);
        return wxID_CANCEL;
    });
    EXPECT_EQ(note(settings), expected);
    Click(settings, CDlgServerSettings::IDC_UNATTENDED_RUNNING);
    kill(runner, SIGKILL);
    waitpid(runner, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
}
