#include "core/app_state.h"

thread_local std::unique_ptr<SERVER> Server;
thread_local std::unique_ptr<RACE> DefaultRace;
thread_local RaceList EventList;
thread_local bool N3Installed = false;
thread_local bool NLInstalled = false;
thread_local bool ScheduleLoaded = false;
thread_local std::string ProgramVersion;

void ClearEvents() {
    for (std::unique_ptr<RACE>& race : EventList)
        race.reset();
    EventList.clear();
}
