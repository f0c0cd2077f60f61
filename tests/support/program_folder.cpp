#include "support/program_folder.h"

#include "core/app_state.h"
#include "platform/program_file.h"
#include "simfiles/calendars.h"

ScopedProgramFolder::ScopedProgramFolder() {
    OverrideProgramFilePath(File("quorva"));
    ResetApplicationState();
}

ScopedProgramFolder::~ScopedProgramFolder() {
    ResetApplicationState();
    OverrideProgramFilePath("");
}

void ResetApplicationState() {
    Server.reset();
    DefaultRace.reset();
    ClearEvents();
    DestroyCalendars();
    N3Installed = false;
    NLInstalled = false;
    ScheduleLoaded = false;
    ProgramVersion.clear();
}
