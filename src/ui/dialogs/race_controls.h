#pragma once

#include "forms/form.h"
#include "resources/race_control_ids.h"
#include "ui/support/form_controls.h"

#include <vector>

class wxWindow;

// The controls of the race fields that the event dialog and the default race dialog share, placed in
// groups with their form's labels, and bound to the fields by key.

// The controls of the shared fields; the warm-up field's id differs between the two dialogs.
std::vector<FieldControlId> RaceFieldControls(int warmupId);

// The groups, each at its top left corner in dialog units.
void AddSimulatorGroup(wxWindow* dialog, const Form& form, int x, int y);
void AddRaceSettingsGroup(wxWindow* dialog, const Form& form, int x, int y, int warmupId);
void AddDamageGroup(wxWindow* dialog, const Form& form, int x, int y);
void AddWeatherGroup(wxWindow* dialog, const Form& form, int x, int y);
void AddTogglesGroup(wxWindow* dialog, const Form& form, int x, int y);
