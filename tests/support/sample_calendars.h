#pragma once

#include "core/race.h"
#include "simfiles/calendars.h"
#include "support/temp_folder.h"

// An N3 calendar of three tracks and an NL calendar of two in the folder, named by its dictionaries.
inline void UseSampleCalendarsIn(const TempFolder& folder) {
    auto line = [](const char* id) { return std::string(13, ' ') + id + "\n"; };
    folder.Write("n3.cal", line("ashford") + line("bayview") + line("cedarpk"));
    folder.Write("nl.cal", line("oakridge") + line("millbrk"));
    folder.Write("TrackDictionaryN3.ini", "[TRACKS]\nashford=Ashford\nbayview=Bayview\ncedarpk=Cedar Park\n");
    folder.Write("TrackDictionaryNL.ini", "[TRACKS]\noakridge=Oak Ridge\nmillbrk=Millbrook\n");
    CreateCalendarN3(folder.File("n3.cal"));
    CreateCalendarNL(folder.File("nl.cal"));
}

// The default race made the event of the sample NL calendar's second track, as the dialogs and the
// schedule editor make it (the server's NL program is "legends.exe" in the folder's nl/).
inline RACE SampleMillbrookEvent(const TempFolder& folder, const RACE& defaultRace) {
    RACE event = defaultRace;
    event.Sim = 1;
    event.SimExe = folder.File("nl/") + "legends.exe";
    event.CalendarFile = folder.File("nl.cal");
    event.TrackName = "Millbrook";
    event.TrackId = "millbrk";
    event.TrackNumber = 2;
    return event;
}
