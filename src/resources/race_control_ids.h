#pragma once

// Ids of the controls that show or edit a race's settings: the event dialog, the default race dialog
// and the running dialog use the same id for the same setting.
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
    IDC_TIME_MEANING = 7835, // the event dialog's
};
