#include "settings/publish_settings.h"
#include "settings/watchdog_settings.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "settings/settings_file.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

namespace {

// The settings of the Unattended Running dialog: the published folder and the race time limit.
class PublishSettingsTest : public ::testing::Test {
protected:
    PublishSettingsTest() {
        Server = std::make_unique<SERVER>();
        Server->HostName = "Oak Host";
    }
    ~PublishSettingsTest() override { Publish = {}; }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

} // namespace

// The folder is a Windows path or one relative to the program folder.
TEST_F(PublishSettingsTest, BothSectionsAreStoredBesideTheServersAndAMissingOneOrABadLimitGivesTheDefaults) {
    Publish.Folder = "C:\\Sites\\league";
    EXPECT_EQ(PublishedFolderPath(), "C:\\Sites\\league\\");
    Publish.Folder = "web\\league";
    EXPECT_EQ(PublishedFolderPath(), GetProgramFolder() + "web/league/");
    program.Write("Quorvadata.ini", "[SERVER]\r\nHostName=Oak Host\r\n");
    Publish = {"x", "y", "z"};
    ReadPublishSettings(*ReadSettingsFile());
    EXPECT_EQ(Publish, PUBLISH{});
    EXPECT_EQ(PublishedFolderPath(), GetProgramFolder() + "results/");
    EXPECT_EQ(PublishedTitle(), "Oak Host");

    // The season start is set by hand: the dialog's store keeps it as the file holds it.
    program.Write("Quorvadata.ini",
                  "[SERVER]\r\nHostName=Oak Host\r\n\r\n[PUBLISH]\r\nSeasonStart=03/01/2027\r\n");
    ReadPublishSettings(*ReadSettingsFile());
    EXPECT_EQ(Publish.SeasonStart, "03/01/2027");
    Publish = {"/srv/www/league", "Thursday Night League", "04/01/2027"};
    EXPECT_TRUE(WritePublishSettings());
    EXPECT_TRUE(WriteWatchdogSettings({45}));
    EXPECT_EQ(
        program.Read("Quorvadata.ini"),
        "[SERVER]\r\nHostName=Oak "
        "Host\r\n\r\n[PUBLISH]\r\nSeasonStart=03/01/2027\r\nFolder=/srv/www/league\r\nTitle=Thursday Night "
        "League\r\n\r\n[WATCHDOG]\r\nMaxRaceMinutes=45\r\n");
    EXPECT_EQ(PublishedTitle(), "Thursday Night League");
    EXPECT_TRUE(recorder.messages.empty());

    std::vector<std::string> problems;
    for (const auto& [key, minutes] : {std::pair{"", 0},
                                       {"MaxRaceMinutes=10080", 10080},
                                       {"MaxRaceMinutes=10081", 0},
                                       {"MaxRaceMinutes=99999999999", 0}}) {
        SCOPED_TRACE(key);
        program.Write("Quorvadata.ini", "[WATCHDOG]\r\n" + std::string(key) + "\r\n");
        problems.clear();
        EXPECT_EQ(ReadWatchdogSettings(problems).MaxRaceMinutes, minutes);
        EXPECT_EQ(problems.size(), minutes == 0 && *key ? 1u : 0u);
    }
    EXPECT_EQ(problems,
              std::vector<std::string>{"MaxRaceMinutes=99999999999 in [WATCHDOG] is not a number of "
                                       "minutes from 0 to 10080; races run without a time limit."});
}
