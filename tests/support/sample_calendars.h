#pragma once

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
