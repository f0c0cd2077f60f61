#include "core/app_state.h"

std::unique_ptr<SERVER> Server;
std::unique_ptr<RACE> DefaultRace;
RaceList EventList;
bool N3Installed = false;
bool NLInstalled = false;
bool ScheduleLoaded = false;
std::string ProgramVersion;

void ClearEvents() {
    for (std::unique_ptr<RACE>& race : EventList)
        race.reset();
    EventList.clear();
}
