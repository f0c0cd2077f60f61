#pragma once

#include "core/race.h"
#include "core/server.h"

#include <memory>
#include <string>
#include <vector>

// The state that start-up creates and every part reaches directly. The calendar objects and their track
// counts live beside their loaders (simfiles/calendars.h). Each thread has its own: a thread that runs
// the program's logic starts up for itself, so the web admin's pages and the schedule it runs each work
// on their own reading of the settings file, and the run takes the settings stored since at its next
// start, as a run in another process does.

// The schedule, in running order; it owns its races.
using RaceList = std::vector<std::unique_ptr<RACE>>;

extern thread_local std::unique_ptr<SERVER> Server;
extern thread_local std::unique_ptr<RACE> DefaultRace;
extern thread_local RaceList EventList;
extern thread_local bool N3Installed;
extern thread_local bool NLInstalled;
extern thread_local bool ScheduleLoaded;
extern thread_local std::string ProgramVersion;

// Deletes every race of EventList, head to tail, and leaves it empty.
void ClearEvents();
