#include "forms/timing_form.h"

#include "core/app_state.h"
#include "settings/server_settings.h"
#include "support/program_folder.h"

#include <gtest/gtest.h>

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

    std::string Stored() const {
        return program.Exists("Quorvadata.ini") ? program.Read("Quorvadata.ini") : "";
    }

    ScopedProgramFolder program;
};

// The numbers are checked before the times, and the times in their order, each with its own words and
// after a beep; a time whose field the timing mode disables is checked all the same.
TEST_F(TimingFormTest, TheFirstRefusedFieldInOrderIsToldAndNothingIsStored) {
    struct Row {
        const char* name;
        int timing;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* key;
        const char* message;
        bool beep;
    };
    const Row rows[] = {
        {"race delay before a time",
         0,
         {{"daily_time", "930"}, {"race_delay", "61"}},
         "race_delay",
         "Please enter an integer between 1 and 60.",
         false},
        {"time longer than five",
         0,
         {{"daily_time", "12:300"}},
         "daily_time",
         "Please enter no more than 5 characters.",
         false},
        {"verify interval",
         0,
         {{"verify_interval", "-1"}},
         "verify_interval",
         "Please enter an integer between 0 and 60.",
         false},
        {"daily time",
         0,
         {{"daily_time", "930"}, {"start_time", "13:00"}},
         "daily_time",
         "Daily Time: Invalid time format (missing colon).",
         true},
        {"start time",
         0,
         {{"start_time", "13:00"}, {"stop_time", "9:60"}},
         "start_time",
         "Schedule Start Time: Invalid number of hours entered.  Enter 0-12 hours BEFORE the colon.",
         true},
        {"stop time disabled in daily mode",
         1,
         {},
         "stop_time",
         "Schedule Stop Time: Invalid number of minute entered.  Enter 0-59 minutes AFTER the colon.",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Server->Timing = row.timing;
        Server->StopTime = row.typed.empty() ? "9:60" : "5:00";
        TimingForm form;
        for (auto [key, text] : row.typed)
            form.Enter(key, {0, text});
        std::optional<FormProblem> problem = form.Accept();
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->key, row.key);
        EXPECT_EQ(problem->message.text.rfind(row.message, 0), 0u) << problem->message.text;
        EXPECT_EQ(problem->beep, row.beep);
        EXPECT_EQ(Server->DailyTime, "9:00");
        EXPECT_EQ(Stored(), "");
    }
}

// Each step changes one field as the operator would and applies its rule; the states are those of the
// limit box, the time-frame (its times and PM boxes), "Stop at end" and the shut-down box: E enabled,
// - not, then the three boxes' values.
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
    struct Step {
        const char* key;
        int number;
        const char* states;
    };
    const Step steps[] = {
        {"stop_at_end", 1, "EEEEEEE110"},
        {"auto_terminate", 1, "EEEEEEE111"},
        {"limit_time", 0, "E----EE011"},
        {"limit_time", 1, "EEEEEEE111"},
        {"timing", 1, "-----EE011"},
        // Events at their own times end with the last one.
        {"timing", 2, "------E011"},
        {"timing", 0, "EEEEEEE011"},
        {"stop_at_end", 0, "EEEEEE-000"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.key) + "=" + std::to_string(step.number));
        form.Enter(step.key, {step.number, ""});
        form.Changed(step.key);
        EXPECT_EQ(states(), step.states);
    }
    // A disabled field keeps what it shows.
    form.Enter("auto_terminate", {1, ""});
    EXPECT_EQ(form.Value("auto_terminate").number, 0);
    form.Enter("timing", {2, ""});
    form.Changed("timing");
    EXPECT_EQ(form.Accept(), std::nullopt);
    EXPECT_EQ(Server->Timing, 2);
    for (const char* line : {"Timing=2\r\n", "LimitTime=0\r\n", "StopAtEnd=1\r\n", "DailyTime=9:00\r\n"})
        EXPECT_NE(Stored().find(line), std::string::npos) << line;
}
