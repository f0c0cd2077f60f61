#include "ui/dialogs/dlg_server_settings.h"

#include "platform/run_lock.h"
#include "race_dialog_fixture.h"
#include "schedule/schedule_lock.h"
#include "ui/dialogs/dlg_publish.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_timing.h"
#include "ui/support/next_run_note.h"

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using Dlg = CDlgServerSettings;
using Pub = CDlgPublish;

class ServerSettingsDialogTest : public RaceDialogTest {
protected:
    ServerSettingsDialogTest() {
        Server->HostName = "Oval Nights";
        program.Write("n3/options.cfg", std::string(160, '\1'));
        program.Write("nl/options.cfg", std::string(160, '\1'));
    }
    ~ServerSettingsDialogTest() override { Publish = {}; }

    // The further dialogs are shown and left with Cancel, unless a test drives them.
    void OpenDialog() {
        dialog = std::make_unique<Dlg>(nullptr, [this](wxDialog& further) {
            further.Show();
            Settle();
            driveFurther(further);
            return further.GetReturnCode();
        });
        Open(*dialog);
    }

    std::unique_ptr<Dlg> dialog;
    std::function<void(wxDialog&)> driveFurther = [](wxDialog&) {};
};

// An arena outside the lists shows no selection, and OK keeps it unless the operator picks one.
TEST_F(ServerSettingsDialogTest, OkReadsTheFieldsInOrderThenStoresThemAndTheArenas) {
    Server->ArenaNL = 9;
    OpenDialog();
    EXPECT_EQ(dialog->GetTitle(), "Server Settings, v0.1.0");
    auto* arenaNL = Find<wxChoice>(*dialog, Dlg::IDC_ARENA_NL);
    EXPECT_EQ(arenaNL->GetSelection(), wxNOT_FOUND);
    EXPECT_EQ(arenaNL->GetString(6), "Invisible");
    ExpectRefusedInOrder(*dialog,
                         {{Dlg::IDC_FIELD_SIZE, "44", "Please enter an integer between 1 and 43.", "43"},
                          {Dlg::IDC_HOST_NAME, "Bob's Oval", "The host name cannot hold", "Bobs Oval"}});

    Find<wxChoice>(*dialog, Dlg::IDC_ARENA_N3)->SetSelection(6);
    ClickOk(*dialog);
    EXPECT_EQ(Server->ArenaN3, 6);
    EXPECT_EQ(Server->ArenaNL, 9);
    EXPECT_TRUE(Stored("HostName=Bobs Oval\r\n") && Stored("FieldSize=43\r\n"));
}

// Cancel undoes the dialog's own fields only: what the further dialogs stored and the test page stay.
TEST_F(ServerSettingsDialogTest, CancelKeepsTheServerButNotWhatTheFurtherDialogsAndTheTestPagesDid) {
    for (const char* file : {"Quorvahtml.html", "Quorvasample.won", "Quorvasample.stn"})
        std::filesystem::copy_file(std::string(QUORVA_DATA_DIR) + file, program.File(file));
    driveFurther = [](wxDialog& further) {
        if (auto* timing = dynamic_cast<CDlgTiming*>(&further)) {
            SetText(*timing, CDlgTiming::IDC_RACE_DELAY, "17");
            timing->OnOK();
        } else if (auto* schedule = dynamic_cast<CDlgSchedule*>(&further)) {
            schedule->OnOK();
        }
    };
    OpenDialog();
    SetText(*dialog, Dlg::IDC_HOST_NAME, "Changed");
    Click(*dialog, Dlg::IDC_TEST_HTML_NL);
    Click(*dialog, Dlg::IDC_TEST_HTML_N3);
    EXPECT_TRUE(program.Exists("Quorvasample.html"));
    EXPECT_TRUE(recorder.messages.empty()) << recorder.Texts().front();
    dialog->OnTimingSettings();
    dialog->OnEditSchedule();
    Click(*dialog, wxID_CANCEL);
    EXPECT_EQ(Server->HostName, "Oval Nights");
    EXPECT_EQ(Server->RaceDelay, 17);
    EXPECT_TRUE(Stored("RaceDelay=17\r\n") && Stored("HostName=Oval Nights\r\n") && Stored("[SCHEDULE]"));
}

// The rules are the form's; here that the fields show it, a refused field is focused, and OK stores each
// value in its own section.
TEST_F(ServerSettingsDialogTest,
       PublishingShowsTheStoredValuesRefusesAtTheFieldThenStoresEachInItsOwnSection) {
    Publish = {"C:\\Sites\\caf\xE9", "L\xE9gends", ""};
    driveFurther = [this](wxDialog& further) {
        EXPECT_EQ(Text(further, Pub::IDC_PUBLISH_FOLDER) + "|" + Text(further, Pub::IDC_PUBLISH_TITLE) + "|" +
                      Text(further, Pub::IDC_MAX_RACE_MINUTES),
                  "C:\\Sites\\caf\u00E9|L\u00E9gends|0");
        ExpectRefusedInOrder(further,
                             {{Pub::IDC_MAX_RACE_MINUTES, "10081", "The longest race takes", "10080"}});
        ClickOk(further);
    };
    OpenDialog();
    Click(*dialog, Dlg::IDC_UNATTENDED_RUNNING);
    EXPECT_TRUE(Stored("[PUBLISH]\r\nFolder=C:\\Sites\\caf\xE9\r\nTitle=L\xE9gends\r\n"));
    EXPECT_TRUE(Stored("[WATCHDOG]\r\nMaxRaceMinutes=10080\r\n"));
}

TEST_F(ServerSettingsDialogTest, WhileAnotherProcessRunsTheScheduleTheDialogSaysChangesApplyFromItsNextRun) {
    pid_t runner = fork();
    if (runner == 0) {
        RunLock lock(program.File("Quorvadata.lock"));
        pause();
        _exit(0);
    }
    for (int k = 0; k < 500 && NextRunNote().empty(); ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    OpenDialog();
    // Wrapped to its box: the line ends are the toolkit's.
    wxString note = dialog->FindWindow(IDC_NEXT_RUN_NOTE)->GetLabel();
    note.Replace("\n", " ");
    EXPECT_EQ(note.utf8_string(), "The schedule of this program folder is running (ui_tests, process " +
                                      std::to_string(runner) +
                                      "): changes made here apply from its next run.");
    kill(runner, SIGKILL);
    waitpid(runner, nullptr, 0);
}
