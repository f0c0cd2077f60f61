#include "forms/unattended_running_form.h"

#include "form_refusal.h"
#include "support/message_recorder.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>

class UnattendedRunningFormTest : public ::testing::Test {
protected:
    ~UnattendedRunningFormTest() override { Publish = {}; }

    std::string Stored() const { return program.Read("Quorvadata.ini"); }

    ScopedProgramFolder program;
    MessageRecorder recorder;
};

// The reasons are the publish and watchdog settings' own; here their order, and the warning after a beep.
TEST_F(UnattendedRunningFormTest, TheFirstRefusedFieldInOrderIsToldAfterABeepAndNothingIsStored) {
    // 79 characters, one of them two bytes.
    const std::string longestTitle = "L\xc3\xa9gends" + std::string(72, '.');
    const std::tuple<const char*, std::string, std::string, const char*, const char*> rows[] = {
        {"folder before title", std::string(255, 'f'), "two\nlines", "x",
         "publish_folder: The results folder takes at most 254 characters."},
        {"title on one line", std::string(254, 'f'), "two\nlines", "x",
         "publish_title: The league title must be one line."},
        {"a week at most", "", longestTitle, "10081",
         "max_race_minutes: The longest race takes a whole number of minutes from 0 to 10080."},
    };
    for (const auto& [name, folder, title, minutes, refused] : rows) {
        SCOPED_TRACE(name);
        Typed typed = {{"publish_folder", folder}, {"publish_title", title}, {"max_race_minutes", minutes}};
        EXPECT_EQ(Refused(UnattendedRunningForm(), typed), std::string("beep ") + refused);
    }
    UnattendedRunningForm form;
    form.Enter("max_race_minutes", {0, "x"});
    EXPECT_EQ(form.Accept()->message.icon, MessageIcon::Warning);
    EXPECT_EQ(Publish, PUBLISH{});
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

// A value that the Windows program wrote shows as its characters and stays as stored; a stored limit a
// run would refuse shows as no limit; the season's start, set by hand, stays; a settings file that cannot be
// written is told once.
TEST_F(UnattendedRunningFormTest, AcceptStoresThePublishSettingsThenTheLimitAndAFailedWriteIsToldOnce) {
    Publish = {"C:\\Sites\\caf\xE9", "L\xE9gends", "03/01/2027"};
    program.Write("Quorvadata.ini", "[WATCHDOG]\r\nMaxRaceMinutes=-4\r\n");
    UnattendedRunningForm form;
    EXPECT_EQ(form.Value("publish_folder").text, "C:\\Sites\\caf\u00E9");
    EXPECT_EQ(form.Value("max_race_minutes").text, "0");
    form.Enter("publish_title", {0, "L\u00E9gends"});
    form.Enter("max_race_minutes", {0, "10080"});
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(Stored(), "[WATCHDOG]\r\nMaxRaceMinutes=10080\r\n\r\n[PUBLISH]\r\nFolder=C:\\Sites\\caf\xE9\r\n"
                        "Title=L\xE9gends\r\n");
    EXPECT_EQ(Publish.SeasonStart, "03/01/2027");
    EXPECT_TRUE(recorder.messages.empty());

    const std::string before = Stored();
    chmod(program.SettingsFile().c_str(), 0444);
    UnattendedRunningForm again;
    again.Enter("max_race_minutes", {0, "90"});
    EXPECT_EQ(again.Accept(), std::nullopt);
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(Stored(), before);
}
