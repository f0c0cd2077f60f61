#pragma once

#include "core/app_state.h"
#include "core/server.h"

#include <string>
#include <vector>

// Timing values beyond what the timing and event dialogs accept, as a hand-edited settings file may
// hold them. The schedule runs with them as they stand, computed wide enough never to overflow; each
// one that the server's timing mode uses is told once when a run starts, one line naming its key.
std::vector<std::string> OutOfRangeTimingValues(const SERVER& server, const RaceList& events);
