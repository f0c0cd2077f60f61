#pragma once

#include "core/race.h"
#include "forms/record_form.h"

#include <initializer_list>
#include <utility>
#include <vector>

// The fields that the event form and the default race form share, by key, and what both do to a race
// before they show it.

using RaceField = RecordField<RACE>;

// The fields of the given keys, in the order given; relabeled: a key and the label its form gives it.
std::vector<RaceField>
RaceFieldsInOrder(std::initializer_list<const char*> keys,
                  std::initializer_list<std::pair<const char*, const char*>> relabeled = {});

// Makes the race fit what the forms may show and store: an AI opponent strength outside 80 to 120
// becomes 100, and when one simulator is not installed the other is chosen. True while both are
// installed, so that the simulator may be chosen.
bool FitRaceToInstallation(RACE& race);
