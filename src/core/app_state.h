#pragma once

#include "core/race.h"
#include "core/server.h"

#include <memory>
#include <string>
#include <vector>

// The process-wide state that start-up creates and every part reaches directly. The calendar objects
// and their track counts live beside their loaders (simfiles/calendars.h).

// The schedule, in running order; it owns its races.
using RaceList = std::vector<std::unique_ptr<RACE>>;

extern std::unique_ptr<SERVER> Server;
extern std::unique_ptr<RACE> DefaultRace;
extern RaceList EventList;
extern bool N3Installed;
extern bool NLInstalled;
extern bool ScheduleLoaded;
extern std::string ProgramVersion;

// Deletes every race of EventList, head to tail, and leaves it empty.
void ClearEvents();
