// simstandin: stands in for a racing simulator's dedicated server. Started the way Quorva starts a
// simulator, with "arena:<name>" and "serv: file evtNNNNN.dmn", it records what it saw of its start in
// evtNNNNN.seen, reads that event file from its current folder, "races" the track that the event names in
// the folder's calendar (all.cal; without one, a track of its own) for SIMSTANDIN_DELAY_MS milliseconds (3000
// when unset), leaves the standings file that the event file names and exits. Built for Linux and, with
// MinGW-w64, as a Windows program run through Wine.
//
// For tests of failing simulators: SIMSTANDIN_ERROR_BYTES writes that much text to standard error before
// the race, SIMSTANDIN_EXIT_STATUS ends it at once with that status, without a race, and SIMSTANDIN_CRASH
// makes it crash at once.

#include "event_file.h"
#include "race.h"
#include "seen_file.h"
#include "standings_text.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>
#include <thread>

namespace {

constexpr int failed = 2;
// The season's calendar in the simulator's folder, as both simulators keep it.
constexpr const char* calendarFileName = "all.cal";
constexpr long defaultDelayMilliseconds = 3000;

int Fail(const std::string& message) {
    std::cerr << "simstandin: " << message << "\n";
    return failed;
}

// A whole non-negative number from the environment, or the fallback.
long Setting(const char* name, long fallback) {
    const char* setting = std::getenv(name);
    if (setting == nullptr || *setting == '\0')
        return fallback;
    char* end = nullptr;
    long value = std::strtol(setting, &end, 10);
    return *end == '\0' && value >= 0 ? value : fallback;
}

void WriteErrorNoise(long bytes) {
    const std::string line = "simstandin: noise on the error output, as a failing simulator makes\n";
    for (long written = 0; written < bytes; written += static_cast<long>(line.size()))
        std::cerr << line;
    std::cerr.flush();
}

} // namespace

int main(int argc, char** argv) {
    const std::string usage = "usage: simstandin \"arena:<name>\" \"serv: file evtNNNNN.dmn\"";
    std::smatch arena;
    std::smatch server;
    std::string arenaArgument = argc > 1 ? argv[1] : "";
    std::string serverArgument = argc > 2 ? argv[2] : "";
    if (argc != 3 || !std::regex_match(arenaArgument, arena, std::regex("arena:(.*)")) ||
        !std::regex_match(serverArgument, server, std::regex("serv: file (evt([0-9]{5,10})\\.dmn)")))
        return Fail(usage);
    std::string eventFileName = server[1];
    unsigned long long launchNumber = std::stoull(server[2]);
    std::ofstream(SeenFileName(eventFileName), std::ios::binary) << SeenText(argc, argv);
    WriteErrorNoise(Setting("SIMSTANDIN_ERROR_BYTES", 0));
    if (Setting("SIMSTANDIN_CRASH", 0) != 0) {
        std::cerr << "simstandin: crashes at once" << std::endl;
        volatile int* nowhere = nullptr;
        *nowhere = 1;
    }
    if (long status = Setting("SIMSTANDIN_EXIT_STATUS", -1); status >= 0) {
        std::cerr << "simstandin: ends at once with status " << status << ", without a race" << std::endl;
        return static_cast<int>(status);
    }

    std::ifstream eventFile(eventFileName, std::ios::binary);
    if (!eventFile)
        return Fail("cannot open the event file " + eventFileName + " in the current folder");
    std::stringstream bytes;
    bytes << eventFile.rdbuf();
    EventFileReading reading = ReadEventFile(bytes.str());
    if (!reading.event)
        return Fail(eventFileName + " is not an event file: " + reading.problem);
    const StandInEvent& event = *reading.event;

    std::stringstream calendar;
    calendar << std::ifstream(calendarFileName, std::ios::binary).rdbuf();
    Race race = RunRace(event, launchNumber, CalendarTrackOf(calendar.str(), event.race));
    std::cout << "simstandin: " << (event.nascarRacing3 ? "NASCAR Racing 3" : "NASCAR Legends") << " event "
              << launchNumber << " in arena \"" << arena[1] << "\": " << race.laps << " laps of "
              << race.trackName << " with " << race.drivers.size() << " drivers" << std::endl;
    std::this_thread::sleep_for(
        std::chrono::milliseconds(Setting("SIMSTANDIN_DELAY_MS", defaultDelayMilliseconds)));

    if (event.standingsName.empty())
        return 0;
    std::ofstream standings(event.standingsName, std::ios::binary | std::ios::trunc);
    standings << (event.nascarRacing3 ? WonText(race) : StnText(race));
    standings.close();
    if (!standings)
        return Fail("cannot write the standings file " + event.standingsName);
    std::cout << "simstandin: " << race.drivers[0].name << " won; standings in " << event.standingsName
              << std::endl;
    return 0;
}
