// quorva-demo: makes a demo installation in which quorva-run runs a short schedule by itself: a Wine
// prefix whose registry names both simulators, each simulator folder holding the stand-in simulator
// under the simulator's program name, and a program folder with a demo settings file.
//
//   quorva-demo <demo folder> <program folder> <stand-in simulator>
//
// Then: WINEPREFIX=<demo folder>/wine <demo folder>/program/quorva-run

#include "core/app_state.h"
#include "core/simulator.h"
#include "platform/file_system.h"
#include "platform/program_file.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

struct DemoSimulator {
    const Simulator& simulator;
    const char* folder;     // the folder as Windows sees it
    const char* hostFolder; // below the prefix's drive C:
    const char* registryName;
    const char* calendar;
};

// Calendar lines hold the track identifier at columns 14-21, which Quorva reads, and then the track's
// length and name, which the stand-in races under; Quorva takes the same names from its dictionaries.
const DemoSimulator simulators[] = {
    {Simulators[SimulatorN3], "C:\\Sims\\N3\\", "Sims/N3", "NASCAR Racing 3.exe",
     "SNAME Demo season\n01 Round 1   ashford  1.5 Ashford Motor Speedway\n"
     "02 Round 2   bayview  1.0 Bayview International Raceway\n03 Round 3   cedarpk  0.5 Cedar Park Oval\n"},
    {Simulators[SimulatorNL], "C:\\Sims\\NL\\", "Sims/NL", "NASCAR Legends.exe",
     "SNAME Demo season\n01 Round 1   millbrk  0.5 Millbrook Fairgrounds\n"
     "02 Round 2   norwood  1.0 Norwood Park Speedway\n03 Round 3   oakridge 1.0 Oak Ridge Mile\n"},
};

void Write(const fs::path& path, const std::string& bytes) {
    if (WriteFileAtomically(path.string(), bytes).cause != CauseNone)
        throw std::runtime_error("cannot write " + path.string());
}

std::string Registry() {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win32\n";
    for (const DemoSimulator& s : simulators) {
        std::string folder = s.folder;
        folder.pop_back();
        std::string escaped;
        for (char c : folder)
            escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
        text += std::string("\n[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\App Paths\\\\") +
                s.registryName + "] 1765000000\n@=\"" + escaped + "\\\\" + s.simulator.programFile +
                "\"\n\"Path\"=\"" + escaped + "\"\n";
    }
    return text;
}

RACE DemoEvent(const DemoSimulator& s, int trackNumber, const char* trackId, const char* trackName) {
    RACE event;
    SetNewDefaultRaceValues(event, s.simulator.value == SimulatorNL);
    event.Sim = s.simulator.value;
    event.SimExe = std::string(s.folder) + s.simulator.programFile;
    event.CalendarFile = std::string(s.folder) + "all.cal";
    event.TrackNumber = trackNumber;
    event.TrackId = trackId;
    event.TrackName = trackName;
    event.SaveResults = 1;
    return event;
}

void MakeDemo(const fs::path& demo, const fs::path& programFolder, const fs::path& standIn) {
    fs::path prefix = demo / "wine";
    fs::create_directories(prefix / "drive_c");
    Write(prefix / "system.reg", Registry());
    for (const DemoSimulator& s : simulators) {
        fs::path folder = prefix / "drive_c" / s.hostFolder;
        fs::create_directories(folder);
        fs::copy_file(standIn, folder / s.simulator.programFile, fs::copy_options::overwrite_existing);
        Write(folder / "all.cal", s.calendar);
        Write(folder / "options.cfg", std::string(200, '\0'));
        Write(folder / "invite.lst", "");
        Write(folder / "muzzle.lst", "");
    }

    fs::path program = demo / "program";
    fs::create_directories(program);
    for (const fs::directory_entry& entry : fs::directory_iterator(programFolder)) {
        if (entry.is_regular_file() && entry.path().filename() != "Quorvadata.ini")
            fs::copy_file(entry.path(), program / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    }
    fs::remove(program / "Quorvadata.ini");
    OverrideProgramFilePath((program / "quorva-run").string());

    Server = std::make_unique<SERVER>();
    SetNewServerValues(*Server);
    SERVER& server = *Server;
    server.HostName = "Quorva demo";
    for (const DemoSimulator& s : simulators) {
        std::string folder = s.folder;
        server.*s.simulator.path = folder;
        server.*s.simulator.calendarFile = folder + "all.cal";
        server.*s.simulator.inviteFile = folder + "invite.lst";
        server.*s.simulator.muzzleFile = folder + "muzzle.lst";
    }
    server.FieldSize = 24;
    server.ArenaN3 = server.ArenaNL = 6;
    server.Timing = TimingContinuous;
    server.RaceDelay = 0; // no pause between races, so the demo is over within a minute
    server.StopAtEnd = 1;
    server.ResultsToHTML = 1;
    WriteServerSettings();

    EventList.push_back(
        std::make_unique<RACE>(DemoEvent(simulators[0], 1, "ashford", "Ashford Motor Speedway")));
    EventList.push_back(std::make_unique<RACE>(DemoEvent(simulators[1], 3, "oakridge", "Oak Ridge Mile")));
    EventList.push_back(
        std::make_unique<RACE>(DemoEvent(simulators[0], 2, "bayview", "Bayview International Raceway")));
    WriteEvents();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: quorva-demo <demo folder> <program folder> <stand-in simulator>\n";
        return 2;
    }
    try {
        MakeDemo(fs::absolute(argv[1]), argv[2], argv[3]);
    } catch (const std::exception& failure) {
        std::cerr << "quorva-demo: " << failure.what() << "\n";
        return 1;
    }
    return 0;
}
