#include "forms/timing_form.h"

#include "core/app_state.h"
#include "form_refusal.h"
#include "settings/server_settings.h"
#include "support/program_folder.h"

#include <gmock/gmock.h>
#include <tuple>

class TimingFormTest : public ::testing::Test {
protected:
    TimingFormTest() {
        Server = std::make_unique<SERVER>();
        SetNewServerValues(*Server);
        Server->DailyTime = "9:00";
        Server->StartTime = "8:00";
        Server->StopTime = "5:00";
        Server->StopAtEnd = Server->AutoTerminate = Server->LimitTime = 1;
    }

    ScopedProgramFolder program;
};

// The numbers before the times, the times in their order with their own words after a beep (the
// messages are the field checks' test's).
TEST_F(TimingFormTest, TheFirstRefusedFieldInOrderIsToldAndNothingIsStored) {
    const std::tuple<const char*, Typed, const char*> rows[] = {
        {"delay first", {{"daily_time", "930"}, {"race_delay", "61"}}, "race_delay: Please enter an integer"},
        {"a time's length", {{"daily_time", "12:300"}}, "daily_time: Please enter no more than 5"},
        {"verify interval", {{"verify_interval", "-1"}}, "verify_interval: Please enter an integer"},
        {"daily time",
         {{"daily_time", "930"}, {"start_time", "13:00"}},
         "beep daily_time: Daily Time: Invalid"},
        {"start time",
         {{"start_time", "13:00"}, {"stop_time", "9:60"}},
         "beep start_time: Schedule Start Time: "},
        {"stop time",
         {{"stop_time", "9:60"}},
         "beep stop_time: Schedule Stop Time: Invalid number of minute "},
    };
    for (const auto& [name, typed, refused] : rows) {
        SCOPED_TRACE(name);
        EXPECT_THAT(Refused(TimingForm(), typed), testing::StartsWith(refused));
    }
    // A time whose field the timing mode disables is checked all the same.
    Server->Timing = 1;
    Server->StopTime = "9:60";
    EXPECT_FALSE(TimingForm().Enabled("stop_time"));
    EXPECT_THAT(Refused(TimingForm()), testing::StartsWith("beep stop_time: "));
    EXPECT_FALSE(program.Exists("Quorvadata.ini"));
}

// Each step changes one field and applies its rule. The states: E enabled or - not for the limit box,
// the time-frame's times and PM boxes, "Stop at end" and the shut-down box, then the three boxes' values.
TEST_F(TimingFormTest, TheModeTheStopBoxAndTheTimeFrameBoxRuleTheirFields) {
    Server->StopAtEnd = 0;
    TimingForm form;
    auto states = [&form] {
        std::string shown;
        for (const char* key : {"limit_time", "start_time", "start_pm", "stop_time", "stop_pm", "stop_at_end",
                                "auto_terminate"})
            shown += form.Enabled(key) ? 'E' : '-';
        for (const char* key : {"limit_time", "stop_at_end", "auto_terminate"})
            shown += std::to_string(form.Value(key).number);
        return shown;
    };
    EXPECT_EQ(states(), "EEEEEE-100");
    const std::tuple<const char*, int, const char*> steps[] = {
        {"stop_at_end", 1, "EEEEEEE110"}, {"auto_terminate", 1, "EEEEEEE111"},
        {"limit_time", 0, "E----EE011"},  {"limit_time", 1, "EEEEEEE111"},
        {"timing", 1, "-----EE011"},      {"timing", 2, "------E011"},
        {"timing", 0, "EEEEEEE011"},      {"stop_at_end", 0, "EEEEEE-000"},
    };
    for (auto [key, number, expected] : steps) {
        SCOPED_TRACE(std::string(key) + "=" + std::to_string(number));
        form.Enter(key, {number, ""});
        form.Changed(key);
        EXPECT_EQ(states(), expected);
    }
    // A disabled field keeps what it shows; events at their own times end with the last one.
    form.Enter("auto_terminate", {1, ""});
    form.Enter("timing", {2, ""});
    form.Changed("timing");
    EXPECT_EQ(form.Accept(), std::nullopt);
    std::string stored = program.Read("Quorvadata.ini");
    for (const char* line : {"Timing=2\r\n", "LimitTime=0\r\n", "StopAtEnd=1\r\n", "AutoTerminate=0\r\n"})
        EXPECT_NE(stored.find(line), std::string::npos) << line;
}
