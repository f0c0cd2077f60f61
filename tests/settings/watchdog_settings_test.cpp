#include "settings/watchdog_settings.h"

#include "platform/profile_file.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

// MaxRaceMinutes as stored: a whole number of minutes up to a week; anything else is told and read as
// no limit. The section is written beside the server's, leaving it alone.
TEST(WatchdogSettingsTest, ReadsMinutesAndToldBadValuesAsNoLimit) {
    ScopedProgramFolder program;
    struct Case {
        const char* name;
        const char* stored; // nullptr: no key
        int minutes;
    };
    const Case cases[] = {
        {"missing", nullptr, 0},   {"ninety", "90", 90},       {"a week", "10080", 10080},
        {"negative", "-5", 0},     {"huge", "99999999999", 0}, {"beyond a week", "10081", 0},
        {"not a number", "1h", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileFile file(program.SettingsFile());
        file.RemoveSection("WATCHDOG");
        if (c.stored != nullptr)
            file.SetString("WATCHDOG", "MaxRaceMinutes", c.stored);
        ASSERT_EQ(file.Save(), CauseNone);
        std::vector<std::string> problems;
        EXPECT_EQ(ReadWatchdogSettings(problems).MaxRaceMinutes, c.minutes);
        std::vector<std::string> told;
        if (c.stored != nullptr && c.minutes == 0)
            told.push_back("MaxRaceMinutes=" + std::string(c.stored) +
                           " in [WATCHDOG] is not a number of minutes from 0 to 10080; races run without a "
                           "time limit.");
        EXPECT_EQ(problems, told);
    }

    ProfileFile file(program.SettingsFile());
    file.SetString("SERVER", "HostName", "kept");
    ASSERT_EQ(file.Save(), CauseNone);
    EXPECT_TRUE(WriteWatchdogSettings({45}));
    ProfileFile stored(program.SettingsFile());
    EXPECT_EQ(stored.Find("WATCHDOG", "MaxRaceMinutes"), "45");
    EXPECT_EQ(stored.Find("SERVER", "HostName"), "kept");
}
