#include "settings/publish_settings.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

namespace {

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

TEST_F(PublishSettingsTest, TheFolderIsAWindowsPosixOrProgramRelativePath) {
    const struct {
        const char* name;
        const char* folder;
        std::string path;
    } rows[] = {
        {"windows", "C:\\Sites\\league", "C:\\Sites\\league\\"},
        {"posix", "/srv/www/league", "/srv/www/league/"},
        {"relative", "web\\league", GetProgramFolder() + "web/league/"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Publish.Folder = row.folder;
        EXPECT_EQ(PublishedFolderPath(), row.path);
    }
}

TEST_F(PublishSettingsTest, BothKeysAreStoredInTheirOwnSectionAndAMissingSectionGivesTheDefaults) {
    program.Write("Quorvadata.ini", "[SERVER]\r\nHostName=Oak Host\r\n");
    Publish = {"x", "y"};
    ReadPublishSettings();
    EXPECT_EQ(Publish, PUBLISH{});
    EXPECT_EQ(PublishedFolderPath(), GetProgramFolder() + "results/");
    EXPECT_EQ(PublishedTitle(), "Oak Host");

    Publish = {"/srv/www/league", "Thursday Night League"};
    EXPECT_TRUE(WritePublishSettings());
    EXPECT_EQ(program.Read("Quorvadata.ini"), "[SERVER]\r\nHostName=Oak Host\r\n\r\n[PUBLISH]\r\n"
                                              "Folder=/srv/www/league\r\nTitle=Thursday Night League\r\n");
    Publish = {};
    ReadPublishSettings();
    EXPECT_EQ(Publish, (PUBLISH{"/srv/www/league", "Thursday Night League"}));
    EXPECT_EQ(PublishedTitle(), "Thursday Night League");
    EXPECT_TRUE(recorder.messages.empty());
}
