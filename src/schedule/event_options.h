#pragma once

#include "core/app_state.h"
#include "core/race.h"
#include "core/server.h"

#include <string>
#include <vector>

// The file that tells a simulator how to run one launch of an event, and the command line that starts
// it on its arena. The running schedule keeps one of these for its current event and launch number.
class EventOptions {
public:
    EventOptions(const RACE& event, const SERVER& server, int launchNumber);

    // The options text for the event, in UTF-8 as the windows show it; sets the HTML page path to the page
    // that the results of a launch through eventFilePath become, or clears it when no page is to be made.
    std::string BuildOptionsText(const std::string& eventFilePath);

    // Writes the event file into the simulator's folder, in Windows-1252, and returns its path; empty, after
    // telling the operator, when the file could not be written.
    std::string WriteEventFile();

    // Writes the event file and returns the command line that starts the simulator with it; empty when the
    // event file could not be written, since a simulator started without its options would race on
    // whatever it takes by default.
    std::string BuildCommandLine();

    // The simulator's program file name in double quotes: the simulator's folder is the current folder
    // when it starts. In UTF-8 for a Windows path, as Wine names its files.
    std::string QuotedExeName() const;

    // The arena that the server joins; empty for a stored value outside the lists.
    std::string ArenaName() const;

    const std::string& HtmlPagePath() const { return m_htmlPagePath; }

private:
    const RACE& m_event;
    const SERVER& m_server;
    int m_launchNumber;
    std::string m_htmlPagePath;
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
