#pragma once

#include "core/race.h"
#include "resources/race_control_ids.h"
#include "ui/support/record_fields.h"

#include <span>
#include <string>
#include <vector>

class wxWindow;

// The controls that the event dialog and the default race dialog share, placed in groups, and the
// exchange of their values with a race. Each dialog lists its fields in the order it reads them.

using RaceField = RecordField<RACE>;

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

// Reads the fields in their order into race; the first that fails its check is reported and ends the
// reading: false.
bool ReadRaceFields(wxWindow* dialog, std::span<const RaceField> fields, RACE& race);

// The simulator of the radio group (0 N3, 1 NL), and its buttons' state.
int ChosenSimulator(wxWindow* dialog);
void ChooseSimulator(wxWindow* dialog, int sim);
void EnableSimulatorChoice(wxWindow* dialog, bool enable);

// Makes the race's values fit what the dialogs may show and store: an AI opponent strength outside 80
// to 120 becomes 100, and when one simulator is not installed the other is chosen and the choice
// disabled.
void FitRaceToInstallation(wxWindow* dialog, RACE& race);
