#pragma once

#include "core/race.h"

#include <span>
#include <string>
#include <vector>

class wxWindow;

// The controls that the event dialog and the default race dialog share, placed in groups, and the
// exchange of their values with a race. Each dialog lists its fields in the order it reads them.

enum RaceControlId {
    IDC_SIM_N3 = 7400,
    IDC_SIM_NL = 7401,
    IDC_TRACK_LIST = 7402,
    IDC_SELECTED_TRACK = 7403,
    IDC_FIXED_WEATHER = 7404,
    IDC_TEMPERATURE = 7405,
    IDC_WIND_SPEED = 7406,
    IDC_WIND_DIRECTION = 7407,
    IDC_DATE = 7408,
    IDC_TIME = 7409,
    IDC_TIME_PM = 7410,
    IDC_RACE_LENGTH = 7411,
    IDC_RACE_PASSWORD = 7412,
    IDC_AI_STRENGTH = 7413,
    IDC_PRACTICE_TIME = 7414,
    IDC_WARMUP_TIME = 7415, // the default race dialog's
    IDC_POST_RACE_TIME = 7416,
    IDC_DAMAGE_NONE = 7417,
    IDC_DAMAGE_ARCADE = 7418,
    IDC_DAMAGE_REALISTIC = 7419,
    IDC_ARCADE_MODE = 7420,
    IDC_CAUTION_FLAGS = 7421,
    IDC_PACE_LAP = 7422,
    IDC_FIXED_SETUPS = 7423,
    IDC_DOUBLE_FILE = 7424,
    IDC_ALLOW_AI = 7425,
    IDC_FORCE_SMOKE = 7426,
    IDC_SAVE_RESULTS = 7427,
    IDC_USE_INVITE = 7428,
    IDC_USE_MUZZLE = 7429,
    IDC_CONSECUTIVE_RUNS = 7430,
    IDC_EVENT_WARMUP_TIME = 7607, // the event dialog's
    IDC_SAVE_REPLAY = 7813,
};

// One field: its control (the first button of a radio group), what it holds and the race's member.
struct RaceField {
    enum Kind { Check, Integer, Password, Text, Radio };
    int id;
    Kind kind;
    int RACE::*number = nullptr;
    std::string RACE::*text = nullptr;
    int low = 0; // an integer's bounds; a radio group's button count in high
    int high = 0;
};

// The fields of the given controls, in the order given.
std::vector<RaceField> RaceFieldsInOrder(std::initializer_list<int> ids);

// The longest race password the field takes.
inline constexpr int RacePasswordLimit = 12;

// The groups, each at its top left corner in dialog units. The warm-up field's id differs between the
// two dialogs; the race length's label ends in a colon in one of them.
void AddSimulatorGroup(wxWindow* dialog, int x, int y);
void AddRaceSettingsGroup(wxWindow* dialog, int x, int y, int warmupId, const char* raceLengthLabel);
void AddDamageGroup(wxWindow* dialog, int x, int y);
void AddWeatherGroup(wxWindow* dialog, int x, int y);
void AddTogglesGroup(wxWindow* dialog, int x, int y);

// Shows the race's values in the fields, and the wind direction.
void ShowRaceFields(wxWindow* dialog, std::span<const RaceField> fields, const RACE& race);

// Reads the fields in their order into race. The first field that fails its check is reported (its
// message, then the focus with its whole text selected) and ends the reading: false.
bool ReadRaceFields(wxWindow* dialog, std::span<const RaceField> fields, RACE& race);

// The position of the chosen wind direction, or fallback when none is chosen.
int ChosenWindDirection(wxWindow* dialog, int fallback);

// The simulator of the radio group (0 N3, 1 NL), and its buttons' state.
int ChosenSimulator(wxWindow* dialog);
void ChooseSimulator(wxWindow* dialog, int sim);
void EnableSimulatorChoice(wxWindow* dialog, bool enable);

// Puts the focus on a field and selects its whole text.
void FocusField(wxWindow* dialog, int id);
