#include "ui/dialogs/race_controls.h"

#include "core/app_state.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/typing_limit.h"

#include <algorithm>
#include <wx/choice.h>
#include <wx/radiobut.h>

namespace {

// Every field of the two dialogs; each dialog reads its own in its own order.
const RaceField raceFields[] = {
    {{IDC_SIM_N3, FieldKind::Radio, 0, 2}, &RACE::Sim},
    {{IDC_FIXED_WEATHER, FieldKind::Check}, &RACE::FixedWeather},
    {{IDC_TEMPERATURE, FieldKind::Integer, 40, 95}, &RACE::Temperature},
    {{IDC_WIND_SPEED, FieldKind::Integer, 0, 30}, &RACE::WindSpeed},
    {{IDC_DATE, FieldKind::Text}, nullptr, &RACE::Date},
    {{IDC_TIME, FieldKind::Text}, nullptr, &RACE::Time},
    {{IDC_TIME_PM, FieldKind::Check}, &RACE::TimePM},
    {{IDC_RACE_LENGTH, FieldKind::Integer, 1, 100}, &RACE::RaceLength},
    {{IDC_RACE_PASSWORD, FieldKind::Text, 0, 0, RacePasswordLimit, "race password", true},
     nullptr,
     &RACE::RacePassword},
    {{IDC_AI_STRENGTH, FieldKind::Integer, 80, 120}, &RACE::AIStrength},
    {{IDC_PRACTICE_TIME, FieldKind::Integer, 0, 120}, &RACE::PracticeTime},
    {{IDC_WARMUP_TIME, FieldKind::Integer, 0, 120}, &RACE::WarmupTime},
    {{IDC_POST_RACE_TIME, FieldKind::Integer, 0, 120}, &RACE::PostRaceTime},
    {{IDC_DAMAGE_NONE, FieldKind::Radio, 0, 3}, &RACE::Damage},
    {{IDC_ARCADE_MODE, FieldKind::Check}, &RACE::ArcadeMode},
    {{IDC_CAUTION_FLAGS, FieldKind::Check}, &RACE::CautionFlags},
    {{IDC_PACE_LAP, FieldKind::Check}, &RACE::PaceLap},
    {{IDC_FIXED_SETUPS, FieldKind::Check}, &RACE::FixedSetups},
    {{IDC_DOUBLE_FILE, FieldKind::Check}, &RACE::DoubleFileRestarts},
    {{IDC_ALLOW_AI, FieldKind::Check}, &RACE::AllowAI},
    {{IDC_FORCE_SMOKE, FieldKind::Check}, &RACE::ForceSmoke},
    {{IDC_SAVE_RESULTS, FieldKind::Check}, &RACE::SaveResults},
    {{IDC_USE_INVITE, FieldKind::Check}, &RACE::UseInvite},
    {{IDC_USE_MUZZLE, FieldKind::Check}, &RACE::UseMuzzle},
    {{IDC_CONSECUTIVE_RUNS, FieldKind::Integer, 1, 10}, &RACE::Runs},
    {{IDC_EVENT_WARMUP_TIME, FieldKind::Integer, 0, 120}, &RACE::WarmupTime},
    {{IDC_SAVE_REPLAY, FieldKind::Check}, &RACE::SaveReplay},
};

template <typename Control>
Control* ControlOf(wxWindow* dialog, int id) {
    return static_cast<Control*>(dialog->FindWindow(id));
}

} // namespace

std::vector<RaceField> RaceFieldsInOrder(std::initializer_list<int> ids) {
    std::vector<RaceField> fields;
    for (int id : ids) {
        auto known = std::find_if(std::begin(raceFields), std::end(raceFields),
                                  [id](const RaceField& field) { return field.control.id == id; });
        if (known != std::end(raceFields))
            fields.push_back(*known);
    }
    return fields;
}

void AddSimulatorGroup(wxWindow* dialog, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Simulator", x, y, 190, 26);
    place.Radio(IDC_SIM_N3, "Nascar Racing 3", x + 8, y + 12, 86, true);
    place.Radio(IDC_SIM_NL, "Nascar Legends", x + 98, y + 12, 86, false);
}

void AddRaceSettingsGroup(wxWindow* dialog, int x, int y, int warmupId, const char* raceLengthLabel) {
    DialogLayout place(dialog);
    place.Group("Race Settings", x, y, 190, 124);
    struct Row {
        int id;
        const char* label;
        bool minutes;
    };
    const Row rows[] = {{IDC_PRACTICE_TIME, "Practice session time (0-120)", true},
                        {warmupId, "Warm-up session time (0-120)", true},
                        {IDC_POST_RACE_TIME, "Post race session time (0-120)", true},
                        {IDC_RACE_LENGTH, raceLengthLabel, false},
                        {IDC_AI_STRENGTH, "AI opponent strength", false}};
    int rowY = y + 11;
    for (const Row& row : rows) {
        place.Label(row.label, x + 6, rowY, 118);
        place.Edit(row.id, x + 126, rowY, 26);
        if (row.minutes)
            place.Label("minutes", x + 155, rowY, 32);
        rowY += 14;
    }
    place.Label("Consecutive runs with these settings (1-10)", x + 6, rowY, 150);
    place.Edit(IDC_CONSECUTIVE_RUNS, x + 158, rowY, 26);
    rowY += 14;
    place.Label("Race password", x + 6, rowY, 60);
    LimitTyping(place.Edit(IDC_RACE_PASSWORD, x + 70, rowY, 60), RacePasswordLimit);
    rowY += 15;
    place.Check(IDC_ARCADE_MODE, "Arcade race mode", x + 6, rowY, 120);
}

void AddDamageGroup(wxWindow* dialog, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Damage:", x, y, 190, 26);
    place.Radio(IDC_DAMAGE_NONE, "None", x + 8, y + 12, 50, true);
    place.Radio(IDC_DAMAGE_ARCADE, "Arcade", x + 66, y + 12, 54, false);
    place.Radio(IDC_DAMAGE_REALISTIC, "Realistic", x + 126, y + 12, 58, false);
}

void AddWeatherGroup(wxWindow* dialog, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Weather", x, y, 190, 62);
    place.Check(IDC_FIXED_WEATHER, "Fixed (\"Clear\" in N3)", x + 6, y + 11, 120);
    place.Label("Temperature (40-95)", x + 6, y + 23, 90);
    place.Edit(IDC_TEMPERATURE, x + 100, y + 23, 26);
    place.Label("Wind speed (0-30)", x + 6, y + 36, 90);
    place.Edit(IDC_WIND_SPEED, x + 100, y + 36, 26);
    place.Label("Wind direction", x + 6, y + 49, 90);
    auto* directions =
        new wxChoice(dialog, IDC_WIND_DIRECTION, place.At(x + 100, y + 48), place.Size(84, 12));
    // The running dialog names the directions from the same entries, in the same order.
    for (int k = 0; k < WindDirectionCount; ++k)
        directions->Append(wxString::FromUTF8(LoadString(IDS_WIND_DIRECTION_FIRST + k)));
}

void AddTogglesGroup(wxWindow* dialog, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Toggles", x, y, 190, 80);
    const std::pair<int, const char*> toggles[] = {{IDC_ALLOW_AI, "Allow AI cars"},
                                                   {IDC_CAUTION_FLAGS, "Caution flags"},
                                                   {IDC_DOUBLE_FILE, "Double-file restarts"},
                                                   {IDC_FORCE_SMOKE, "Force smoke"},
                                                   {IDC_PACE_LAP, "Pace lap"},
                                                   {IDC_FIXED_SETUPS, "Fixed setups"},
                                                   {IDC_SAVE_RESULTS, "Save race results"},
                                                   {IDC_SAVE_REPLAY, "Save replay"},
                                                   {IDC_USE_INVITE, "Use invite list"},
                                                   {IDC_USE_MUZZLE, "Use muzzle list"}};
    for (size_t k = 0; k < std::size(toggles); ++k) {
        int column = static_cast<int>(k % 2), line = static_cast<int>(k / 2);
        place.Check(toggles[k].first, toggles[k].second, x + 6 + column * 92, y + 12 + line * 13, 88);
    }
}

void ShowRaceFields(wxWindow* dialog, std::span<const RaceField> fields, const RACE& race) {
    ShowRecordFields(dialog, fields, race);
    ShowChoicePosition(dialog, IDC_WIND_DIRECTION, race.WindDirection);
}

bool ReadRaceFields(wxWindow* dialog, std::span<const RaceField> fields, RACE& race) {
    return ReadRecordFields(dialog, fields, race);
}

int ChosenSimulator(wxWindow* dialog) {
    return ControlOf<wxRadioButton>(dialog, IDC_SIM_NL)->GetValue() ? 1 : 0;
}

void ChooseSimulator(wxWindow* dialog, int sim) {
    ControlOf<wxRadioButton>(dialog, sim == 1 ? IDC_SIM_NL : IDC_SIM_N3)->SetValue(true);
}

void EnableSimulatorChoice(wxWindow* dialog, bool enable) {
    dialog->FindWindow(IDC_SIM_N3)->Enable(enable);
    dialog->FindWindow(IDC_SIM_NL)->Enable(enable);
}

void FitRaceToInstallation(wxWindow* dialog, RACE& race) {
    if (race.AIStrength < 80 || race.AIStrength > 120)
        race.AIStrength = 100;
    if (!NLInstalled) {
        EnableSimulatorChoice(dialog, false);
        race.Sim = 0;
    }
    if (!N3Installed) {
        EnableSimulatorChoice(dialog, false);
        race.Sim = 1;
    }
}
