#include "forms/race_fields.h"

#include "core/app_state.h"
#include "core/simulator.h"
#include "resources/string_ids.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <stdexcept>

namespace {

constexpr int minutesHigh = 120;
constexpr int passwordLength = 12;

// Every field of the two forms; each form checks its own in its own order.
const RaceField raceFields[] = {
    {{"sim", "Simulator", FieldKind::Choice, 0, 2}, &RACE::Sim},
    {{"fixed_weather", "Fixed (\"Clear\" in N3)", FieldKind::Check}, &RACE::FixedWeather},
    {{"temperature", "Temperature (40-95)", FieldKind::Integer, 40, 95}, &RACE::Temperature},
    {{"wind_speed", "Wind speed (0-30)", FieldKind::Integer, 0, 30}, &RACE::WindSpeed},
    {{"wind_direction", "Wind direction", FieldKind::Choice, 0, WindDirectionCount}, &RACE::WindDirection},
    {{"date", "Date", FieldKind::Text}, nullptr, &RACE::Date},
    {{"time", "Time", FieldKind::Text}, nullptr, &RACE::Time},
    {{"time_pm", "PM", FieldKind::Check}, &RACE::TimePM},
    {{"race_length", "Race length (1-100%)", FieldKind::Integer, 1, 100}, &RACE::RaceLength},
    {{"race_password", "Race password", FieldKind::Text, 0, 0, passwordLength, "race password", true},
     nullptr,
     &RACE::RacePassword},
    {{"ai_strength", "AI opponent strength", FieldKind::Integer, 80, 120}, &RACE::AIStrength},
    {{"practice_time", "Practice session time (0-120)", FieldKind::Integer, 0, minutesHigh},
     &RACE::PracticeTime},
    {{"warmup_time", "Warm-up session time (0-120)", FieldKind::Integer, 0, minutesHigh}, &RACE::WarmupTime},
    {{"post_race_time", "Post race session time (0-120)", FieldKind::Integer, 0, minutesHigh},
     &RACE::PostRaceTime},
    {{"damage", "Damage:", FieldKind::Choice, 0, 3}, &RACE::Damage},
    {{"arcade_mode", "Arcade race mode", FieldKind::Check}, &RACE::ArcadeMode},
    {{"caution_flags", "Caution flags", FieldKind::Check}, &RACE::CautionFlags},
    {{"pace_lap", "Pace lap", FieldKind::Check}, &RACE::PaceLap},
    {{"fixed_setups", "Fixed setups", FieldKind::Check}, &RACE::FixedSetups},
    {{"double_file", "Double-file restarts", FieldKind::Check}, &RACE::DoubleFileRestarts},
    {{"allow_ai", "Allow AI cars", FieldKind::Check}, &RACE::AllowAI},
    {{"force_smoke", "Force smoke", FieldKind::Check}, &RACE::ForceSmoke},
    {{"save_results", "Save race results", FieldKind::Check}, &RACE::SaveResults},
    {{"save_replay", "Save replay", FieldKind::Check}, &RACE::SaveReplay},
    {{"use_invite", "Use invite list", FieldKind::Check}, &RACE::UseInvite},
    {{"use_muzzle", "Use muzzle list", FieldKind::Check}, &RACE::UseMuzzle},
    {{"runs", "Consecutive runs with these settings (1-10)", FieldKind::Integer, 1, 10}, &RACE::Runs},
};

} // namespace

std::vector<RaceField>
RaceFieldsInOrder(std::initializer_list<const char*> keys,
                  std::initializer_list<std::pair<const char*, const char*>> relabeled) {
    std::vector<RaceField> fields;
    for (const char* key : keys) {
        auto known =
            std::find_if(std::begin(raceFields), std::end(raceFields),
                         [key](const RaceField& bound) { return std::strcmp(bound.field.key, key) == 0; });
        if (known == std::end(raceFields))
            throw std::out_of_range(std::string("no race field ") + key);
        fields.push_back(*known);
        for (auto [relabeledKey, label] : relabeled)
            if (std::strcmp(relabeledKey, key) == 0)
                fields.back().field.label = label;
    }
    return fields;
}

bool FitRaceToInstallation(RACE& race) {
    if (race.AIStrength < 80 || race.AIStrength > 120)
        race.AIStrength = 100;
    if (!NLInstalled)
        race.Sim = SimulatorN3;
    if (!N3Installed)
        race.Sim = SimulatorNL;
    return N3Installed && NLInstalled;
}
