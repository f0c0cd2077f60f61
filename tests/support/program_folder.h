#pragma once

#include "support/temp_folder.h"

// A temporary program folder: while it lives, GetProgramFolder() is this folder, so the settings
// file and the track dictionaries that a test touches are its own. Also clears the application-wide
// state on both ends.
class ScopedProgramFolder : public TempFolder {
public:
    ScopedProgramFolder();
    ~ScopedProgramFolder();

    std::string SettingsFile() const { return File("Quorvadata.ini"); }
};

// Empties the records, the schedule, the calendars and the flags of the application-wide state.
void ResetApplicationState();
