#pragma once

#include "core/app_state.h"
#include "core/server.h"
#include "resources/string_ids.h"

#include <string>

// The value that names a simulator in event records (Sim) and in the calls that act on one simulator;
// the settings file and the event records keep it as it is.
enum SimulatorValue : int { SimulatorN3 = 0, SimulatorNL = 1 };

// What the system knows of one simulator.
struct Simulator {
    SimulatorValue value;
    // "N3": the short id, which names the simulator in the published folder and ends the names of its
    // settings keys (PathN3, ExeFileN3, CalendarFileN3, ...).
    const char* id;
    const char* name;               // "NASCAR Racing 3", in the installation report and the pages
    const char* label;              // "Nascar Racing 3", as the windows show it
    const char* programFile;        // "Nascar Racing 3.exe", the program of a newly created server record
    const char* standingsExtension; // ".won", the standings file it writes at a race's end
    const char* dictionaryFile;     // "TrackDictionaryN3.ini", its track dictionary in the program's folder
    const char* calendarName;       // "Nascar Race 3", as the track name prompt names its calendar
    std::string SERVER::*path;      // its installation folder, ending in a backslash
    std::string SERVER::*exeFile;
    std::string SERVER::*calendarFile;
    std::string SERVER::*inviteFile;
    std::string SERVER::*muzzleFile;
    int SERVER::*arena;
    int firstArenaName; // the string table's first arena name of its list
};

// One row per simulator, at the index of its value.
inline constexpr Simulator Simulators[] = {
    {SimulatorN3, "N3", "NASCAR Racing 3", "Nascar Racing 3", "Nascar Racing 3.exe", ".won",
     "TrackDictionaryN3.ini", "Nascar Race 3", &SERVER::PathN3, &SERVER::ExeFileN3, &SERVER::CalendarFileN3,
     &SERVER::InviteFileN3, &SERVER::MuzzleFileN3, &SERVER::ArenaN3, IDS_ARENA_N3_FIRST},
    {SimulatorNL, "NL", "NASCAR Legends", "Nascar Legends", "Nascar Legends.exe", ".stn",
     "TrackDictionaryNL.ini", "Nascar Legends", &SERVER::PathNL, &SERVER::ExeFileNL, &SERVER::CalendarFileNL,
     &SERVER::InviteFileNL, &SERVER::MuzzleFileNL, &SERVER::ArenaNL, IDS_ARENA_NL_FIRST},
};

static_assert(Simulators[SimulatorN3].value == SimulatorN3 && Simulators[SimulatorNL].value == SimulatorNL);

// Whether start-up found the simulator installed (N3Installed, NLInstalled).
inline bool Installed(const Simulator& simulator) {
    return simulator.value == SimulatorNL ? NLInstalled : N3Installed;
}

// The simulator of a stored value: 0 is NASCAR Racing 3 and any other value NASCAR Legends, as the
// launch, its files and the results pages take a hand-edited one.
constexpr const Simulator& SimulatorOf(int stored) {
    return Simulators[stored == SimulatorN3 ? SimulatorN3 : SimulatorNL];
}
