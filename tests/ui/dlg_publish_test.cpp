#include "ui/dialogs/dlg_publish.h"

#include "race_dialog_fixture.h"
#include "ui/dialogs/dlg_server_settings.h"

namespace {

class PublishDialogTest : public RaceDialogTest {
protected:
    ~PublishDialogTest() override { Publish = {}; }

    // Opens the server settings, then "Results Publishing...", and drives it.
    void Publishing(const std::function<void(CDlgPublish&)>& drive) {
        CDlgServerSettings settings(nullptr, [&](wxDialog& further) {
            further.Show();
            Settle();
            drive(dynamic_cast<CDlgPublish&>(further));
            return further.GetReturnCode();
        });
        Open(settings);
        Click(settings, CDlgServerSettings::IDC_RESULTS_PUBLISHING);
    }
};

} // namespace

TEST_F(PublishDialogTest, OkStoresTheFolderAndTitleInTheirOwnSection) {
    Publish = {"C:\\Sites\\old", ""};
    Publishing([](CDlgPublish& dialog) {
        EXPECT_EQ(Text(dialog, CDlgPublish::IDC_PUBLISH_FOLDER), "C:\\Sites\\old");
        SetText(dialog, CDlgPublish::IDC_PUBLISH_FOLDER, "/srv/www/league");
        SetText(dialog, CDlgPublish::IDC_PUBLISH_TITLE, "Thursday Night L\xc3\xa9gends");
        dialog.OnOK();
        EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
    });
    EXPECT_EQ(Publish, (PUBLISH{"/srv/www/league", "Thursday Night L\xc3\xa9gends"}));
    EXPECT_NE(program.Read("Quorvadata.ini")
                  .find("[PUBLISH]\r\nFolder=/srv/www/league\r\nTitle=Thursday Night L\xc3\xa9gends\r\n"),
              std::string::npos);
}

TEST_F(PublishDialogTest, AValueTheFileCannotHoldIsRefusedAndNothingIsStored) {
    Publishing([this](CDlgPublish& dialog) {
        SetText(dialog, CDlgPublish::IDC_PUBLISH_TITLE, "two\nlines");
        dialog.OnOK();
        EXPECT_EQ(wxWindow::FindFocus(), dialog.FindWindow(CDlgPublish::IDC_PUBLISH_TITLE));
        SetText(dialog, CDlgPublish::IDC_PUBLISH_TITLE, "");
        SetText(dialog, CDlgPublish::IDC_PUBLISH_FOLDER, std::string(255, 'f'));
        dialog.OnOK();
        EXPECT_EQ(recorder.Texts(),
                  (std::vector<std::string>{"The league title must be one line.",
                                            "The results folder takes at most 254 characters."}));
        EXPECT_EQ(recorder.beeps, 2);
    });
    EXPECT_EQ(Publish, PUBLISH{});
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}
