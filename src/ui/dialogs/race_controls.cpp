#include "ui/dialogs/race_controls.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "ui/support/dialog_layout.h"

#include <wx/choice.h>

std::vector<FieldControlId> RaceFieldControls(int warmupId) {
    return {{"sim", IDC_SIM_N3},
            {"fixed_weather", IDC_FIXED_WEATHER},
            {"temperature", IDC_TEMPERATURE},
            {"wind_speed", IDC_WIND_SPEED},
            {"wind_direction", IDC_WIND_DIRECTION},
            {"race_length", IDC_RACE_LENGTH},
            {"race_password", IDC_RACE_PASSWORD},
            {"ai_strength", IDC_AI_STRENGTH},
            {"practice_time", IDC_PRACTICE_TIME},
            {"warmup_time", warmupId},
            {"post_race_time", IDC_POST_RACE_TIME},
            {"damage", IDC_DAMAGE_NONE},
            {"arcade_mode", IDC_ARCADE_MODE},
            {"caution_flags", IDC_CAUTION_FLAGS},
            {"pace_lap", IDC_PACE_LAP},
            {"fixed_setups", IDC_FIXED_SETUPS},
            {"double_file", IDC_DOUBLE_FILE},
            {"allow_ai", IDC_ALLOW_AI},
            {"force_smoke", IDC_FORCE_SMOKE},
            {"save_results", IDC_SAVE_RESULTS},
            {"save_replay", IDC_SAVE_REPLAY},
            {"use_invite", IDC_USE_INVITE},
            {"use_muzzle", IDC_USE_MUZZLE},
            {"runs", IDC_CONSECUTIVE_RUNS}};
}

void AddSimulatorGroup(wxWindow* dialog, const Form& form, int x, int y) {
    DialogLayout place(dialog);
    place.Group(form.Field("sim").label, x, y, 190, 26);
    place.Radio(IDC_SIM_N3, "Nascar Racing 3", x + 8, y + 12, 86, true);
    place.Radio(IDC_SIM_NL, "Nascar Legends", x + 98, y + 12, 86, false);
}

void AddRaceSettingsGroup(wxWindow* dialog, const Form& form, int x, int y, int warmupId) {
    DialogLayout place(dialog);
    place.Group("Race Settings", x, y, 190, 124);
    struct Row {
        const char* key;
        int id;
        bool minutes;
    };
    const Row rows[] = {{"practice_time", IDC_PRACTICE_TIME, true},
                        {"warmup_time", warmupId, true},
                        {"post_race_time", IDC_POST_RACE_TIME, true},
                        {"race_length", IDC_RACE_LENGTH, false},
                        {"ai_strength", IDC_AI_STRENGTH, false}};
    int rowY = y + 11;
    for (const Row& row : rows) {
        place.Label(form.Field(row.key).label, x + 6, rowY, 118);
        place.Edit(row.id, x + 126, rowY, 26);
        if (row.minutes)
            place.Label("minutes", x + 155, rowY, 32);
        rowY += 14;
    }
    place.Label(form.Field("runs").label, x + 6, rowY, 150);
    place.Edit(IDC_CONSECUTIVE_RUNS, x + 158, rowY, 26);
    rowY += 14;
    place.Label(form.Field("race_password").label, x + 6, rowY, 60);
    place.Edit(IDC_RACE_PASSWORD, x + 70, rowY, 60);
    rowY += 15;
    place.Check(IDC_ARCADE_MODE, form.Field("arcade_mode").label, x + 6, rowY, 120);
}

void AddDamageGroup(wxWindow* dialog, const Form& form, int x, int y) {
    DialogLayout place(dialog);
    place.Group(form.Field("damage").label, x, y, 190, 26);
    place.Radio(IDC_DAMAGE_NONE, "None", x + 8, y + 12, 50, true);
    place.Radio(IDC_DAMAGE_ARCADE, "Arcade", x + 66, y + 12, 54, false);
    place.Radio(IDC_DAMAGE_REALISTIC, "Realistic", x + 126, y + 12, 58, false);
}

void AddWeatherGroup(wxWindow* dialog, const Form& form, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Weather", x, y, 190, 62);
    place.Check(IDC_FIXED_WEATHER, form.Field("fixed_weather").label, x + 6, y + 11, 120);
    place.Label(form.Field("temperature").label, x + 6, y + 23, 90);
    place.Edit(IDC_TEMPERATURE, x + 100, y + 23, 26);
    place.Label(form.Field("wind_speed").label, x + 6, y + 36, 90);
    place.Edit(IDC_WIND_SPEED, x + 100, y + 36, 26);
    place.Label(form.Field("wind_direction").label, x + 6, y + 49, 90);
    auto* directions =
        new wxChoice(dialog, IDC_WIND_DIRECTION, place.At(x + 100, y + 48), place.Size(84, 12));
    // The running dialog names the directions from the same entries, in the same order.
    for (int k = 0; k < WindDirectionCount; ++k)
        directions->Append(wxString::FromUTF8(LoadString(IDS_WIND_DIRECTION_FIRST + k)));
}

void AddTogglesGroup(wxWindow* dialog, const Form& form, int x, int y) {
    DialogLayout place(dialog);
    place.Group("Toggles", x, y, 190, 80);
    const std::pair<int, const char*> toggles[] = {
        {IDC_ALLOW_AI, "allow_ai"},         {IDC_CAUTION_FLAGS, "caution_flags"},
        {IDC_DOUBLE_FILE, "double_file"},   {IDC_FORCE_SMOKE, "force_smoke"},
        {IDC_PACE_LAP, "pace_lap"},         {IDC_FIXED_SETUPS, "fixed_setups"},
        {IDC_SAVE_RESULTS, "save_results"}, {IDC_SAVE_REPLAY, "save_replay"},
        {IDC_USE_INVITE, "use_invite"},     {IDC_USE_MUZZLE, "use_muzzle"}};
    for (size_t k = 0; k < std::size(toggles); ++k) {
        int column = static_cast<int>(k % 2), line = static_cast<int>(k / 2);
        place.Check(toggles[k].first, form.Field(toggles[k].second).label, x + 6 + column * 92,
                    y + 12 + line * 13, 88);
    }
}
