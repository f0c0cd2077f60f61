#include "forms/timing_form.h"

#include "core/app_state.h"
#include "forms/field_checks.h"
#include "settings/server_settings.h"

namespace {

constexpr int timeLength = 5;

using Field = RecordField<SERVER>;

// In the order they are checked; the first that fails stops the checking.
const Field fields[] = {
    {{"daily_time", "Time to start event", FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::DailyTime},
    {{"race_delay", "Time between races (1-60)", FieldKind::Integer, 1, 60}, &SERVER::RaceDelay},
    {{"daily_pm", "PM", FieldKind::Check}, &SERVER::Pm},
    {{"timing", "Timing", FieldKind::Choice, 0, 3}, &SERVER::Timing},
    {{"stop_at_end", "Stop at end of schedule", FieldKind::Check}, &SERVER::StopAtEnd},
    {{"remember_race", "Remember last race executed", FieldKind::Check}, &SERVER::RememberRace},
    {{"auto_start", "Start schedule at program startup", FieldKind::Check}, &SERVER::AutoStart},
    {{"auto_terminate", "Shut down program at end of schedule", FieldKind::Check}, &SERVER::AutoTerminate},
    {{"verify_interval", "Verify time every", FieldKind::Integer, 0, 60}, &SERVER::ClockAdjust},
    {{"start_time", "Run schedule from", FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::StartTime},
    {{"start_pm", "PM", FieldKind::Check}, &SERVER::StartTimePM},
    {{"stop_time", "to", FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::StopTime},
    {{"stop_pm", "PM", FieldKind::Check}, &SERVER::StopTimePM},
    {{"limit_time", "Limit schedule to specified time-frame", FieldKind::Check}, &SERVER::LimitTime},
};

// The time-frame of the continuous loop: its two times and their PM boxes.
const char* const timeFrame[] = {"start_time", "start_pm", "stop_time", "stop_pm"};

// The times and the words their messages begin with.
const std::pair<const char*, const char*> times[] = {{"daily_time", "Daily Time: "},
                                                     {"start_time", "Schedule Start Time: "},
                                                     {"stop_time", "Schedule Stop Time: "}};

} // namespace

TimingForm::TimingForm() : RecordForm(fields), m_shown(*Server) {
    if (m_shown.StopAtEnd == 0) {
        m_shown.AutoTerminate = 0;
        Enable("auto_terminate", false);
    }
    ShowRecord(m_shown);
    Changed("timing");
}

void TimingForm::Changed(std::string_view key) {
    if (key == "timing")
        ApplyLayout(Value("timing").number);
    else if (key == "stop_at_end")
        StopAtEndRule();
    else if (key == "limit_time")
        EnableTimeFrame(Value("limit_time").number != 0);
}

void TimingForm::ApplyLayout(int mode) {
    if (mode != TimingContinuous && mode != TimingDaily && mode != TimingSpecific)
        return;
    bool loop = mode == TimingContinuous;
    if (!loop)
        Show("limit_time", {});
    Enable("limit_time", loop);
    EnableTimeFrame(loop);
    // Events that run at their own times end with the last one.
    if (mode == TimingSpecific)
        Show("stop_at_end", {1, ""});
    Enable("stop_at_end", mode != TimingSpecific);
    StopAtEndRule();
}

void TimingForm::StopAtEndRule() {
    bool stops = Value("stop_at_end").number != 0;
    if (!stops)
        Show("auto_terminate", {});
    Enable("auto_terminate", stops);
}

void TimingForm::EnableTimeFrame(bool enabled) {
    for (const char* key : timeFrame)
        Enable(key, enabled);
}

std::optional<FormProblem> TimingForm::Accept() {
    SERVER read = m_shown;
    if (std::optional<FormProblem> problem = ReadRecord(read))
        return problem;
    for (auto [key, prefix] : times)
        if (std::optional<TimeFault> fault = CheckTimeField(Value(key).text))
            return FormProblem{key, {prefix + TimingTimeReason(*fault)}, true};
    CopyFields(read, *Server);
    WriteServerSettings();
    return std::nullopt;
}
