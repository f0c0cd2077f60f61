#pragma once

#include "core/app_state.h"
#include "core/race.h"
#include "core/server.h"

#include <string>
#include <vector>

// The files of one launch, worked out once, for the launch, its preview, the page maker and the
// publisher: all in the simulator's folder, named after the launch's number.
struct LaunchFiles {
    std::string eventFile; // "evt00001.dmn", which the simulator reads
    std::string log;       // "evt00001.log", the simulator's output
    // "evt00001.won" or "evt00001.stn", which the simulator writes at the race's end and the page maker
    // finds whatever the case of its name; empty when the event keeps no results.
    std::string standings;
    // "evt00001.html", the page made of the standings; empty when no page is to be made.
    std::string page;
};

LaunchFiles LaunchFilesOf(const RACE& event, const SERVER& server, int launchNumber);

// The file that tells a simulator how to run one launch of an event, and the command line that starts
// it on its arena.
class EventOptions {
public:
    EventOptions(const RACE& event, const SERVER& server, LaunchFiles files);

    // The options text for the event, in UTF-8 as the windows show it.
    std::string BuildOptionsText() const;

    // Writes the event file into the simulator's folder, in Windows-1252; false, after telling the
    // operator, when the file could not be written.
    bool WriteEventFile() const;

    // Writes the event file and returns the command line that starts the simulator with it; empty when the
    // event file could not be written, since a simulator started without its options would race on
    // whatever it takes by default.
    std::string BuildCommandLine() const;

    // The simulator's program file name in double quotes: the simulator's folder is the current folder
    // when it starts. In UTF-8 for a Windows path, as Wine names its files.
    std::string QuotedExeName() const;

    // The arena that the server joins; empty for a stored value outside the lists.
    std::string ArenaName() const;

private:
    const RACE& m_event;
    const SERVER& m_server;
    LaunchFiles m_files;
};

// "evt00001.dmn" for the first launch of a run.
std::string EventFileName(int launchNumber);

// The texts that the options file carries between single quotes (host name, passwords, WON name, the
// invite and muzzle lists' file names) and that hold a single quote or a line end, which every launch leaves
// out: one line for each, naming its key, to be told once when a run starts.
std::vector<std::string> UnquotableTexts(const SERVER& server, const RaceList& events);

// The texts that the options file carries and that hold characters the simulators' character set,
// Windows-1252, cannot hold (the dialogs refuse them; only a hand edit brings them): one line for each,
// to be told once when a run starts.
std::vector<std::string> UnwritableTexts(const SERVER& server, const RaceList& events);
