#include "publish/published_folder.h"

#include "core/simulator.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "publish/archive_name.h"
#include "publish/calendar_feed.h"
#include "publish/season_standings.h"
#include "publish/site_pages.h"
#include "publish/standings_pages.h"
#include "results/stn_file.h"
#include "results/won_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <sys/stat.h>
#include <vector>

PublishedFolder::PublishedFolder(std::string folder, std::string title, std::string templatePath,
                                 std::string seasonStart)
    : m_folder(std::move(folder)), m_title(std::move(title)), m_templatePath(std::move(templatePath)),
      m_seasonStart(std::move(seasonStart)) {}

std::optional<PublishedFolder::Failure> PublishedFolder::MakeFolder() {
    std::string host = HostPath(m_folder);
    struct stat info {};
    int error = stat(host.c_str(), &info) == 0 ? (S_ISDIR(info.st_mode) ? 0 : ENOTDIR) : errno;
    if (error == ENOENT) {
        std::error_code made;
        std::filesystem::create_directories(host, made);
        error = made.value();
    }
    if (error != 0)
        return Failure{m_folder, FailureFromErrno(FileStep::MakeFolder, error)};
    return std::nullopt;
}

std::optional<PublishedFolder::Failure> PublishedFolder::Write(const std::string& name,
                                                               const std::string& bytes) {
    FileFailure failure = WriteFileAtomically(m_folder + name, bytes);
    if (failure.cause != CauseNone)
        return Failure{m_folder + name, failure};
    return std::nullopt;
}

std::string PublishedFolder::Style() const {
    return StyleOfTemplate(ReadFileBytes(m_templatePath).bytes);
}

std::optional<PublishedFolder::Failure> PublishedFolder::KeepRace(const RaceResults& results,
                                                                  std::time_t ended) {
    if (auto failure = MakeFolder())
        return failure;
    int simulator = results.simulator;
    bool won = simulator == SimulatorN3;
    std::string track = won ? results.won->GetTrack() : results.stn->GetTrack();
    std::string baseName = ArchiveBaseName(ended, simulator, track, [this](const std::string& name) {
        return PathExists(m_folder + name + ".html") || PathExists(m_folder + name + ".json") ||
               std::any_of(std::begin(Simulators), std::end(Simulators), [&](const Simulator& kept) {
                   return PathExists(m_folder + name + kept.standingsExtension);
               });
    });
    if (auto failure = Write(baseName + ".html", WithLeagueHeader(results.page, m_title)))
        return failure;
    const std::string& standings = won ? results.won->GetBytes() : results.stn->GetBytes();
    if (auto failure = Write(baseName + SimulatorOf(simulator).standingsExtension, standings))
        return failure;
    RaceFacts facts{ended, simulator, baseName};
    return Write(baseName + ".json", won ? RaceJson(facts, *results.won) : RaceJson(facts, *results.stn));
}

std::optional<PublishedFolder::Failure> PublishedFolder::WriteJson(const std::string& baseName, int simulator,
                                                                   std::time_t ended) {
    std::string standings = m_folder + baseName + SimulatorOf(simulator).standingsExtension;
    // A copy that cannot be read would give a race without drivers.
    if (FileCause cause = ReadFileBytes(standings).cause; cause != CauseNone)
        return Failure{standings, {cause, FileStep::Read, 0}};
    RaceFacts facts{ended, simulator, baseName};
    if (simulator == SimulatorN3) {
        CWonFile won(standings);
        return Write(baseName + ".json", RaceJson(facts, won));
    }
    CStnFile stn(standings);
    return Write(baseName + ".json", RaceJson(facts, stn));
}

PublishedFolder::Cached PublishedFolder::ReadCopy(const std::string& name, const struct stat& info) const {
    Cached cached{static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
                  static_cast<long long>(info.st_size), std::nullopt};
    auto known = m_read.find(name);
    if (known != m_read.end() && known->second.modified == cached.modified &&
        known->second.size == cached.size)
        return known->second;
    FileReadResult bytes = ReadFileBytes(m_folder + name);
    std::string why = "it cannot be read";
    if (bytes.cause == CauseNone)
        cached.race = KeptRaceFromJson(bytes.bytes, why);
    if (!cached.race)
        std::fprintf(stderr, "The index leaves out %s: %s.\n", HostPath(m_folder + name).c_str(),
                     why.c_str());
    return cached;
}

std::optional<PublishedFolder::Failure> PublishedFolder::RebuildIndex() {
    if (auto failure = MakeFolder())
        return failure;
    std::map<std::string, Cached> read;
    // Kept standings by name without extension, with their simulator and time of writing.
    std::map<std::string, std::pair<int, std::time_t>> standings;
    std::error_code error;
    std::filesystem::directory_iterator end;
    for (std::filesystem::directory_iterator entry(HostPath(m_folder), error); !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        std::string extension = entry->path().extension().string();
        struct stat info {};
        if (stat(entry->path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        for (const Simulator& kept : Simulators)
            if (extension == kept.standingsExtension)
                standings[entry->path().stem().string()] = {kept.value, info.st_mtim.tv_sec};
        if (extension == ".json" && name != "status.json" && name != "standings.json")
            read.emplace(name, ReadCopy(name, info));
    }
    if (error)
        return Failure{m_folder, FailureFromErrno(FileStep::List, error.value())};
    // A race whose keeping was cut short (a crash, a write that failed) left its page and standings
    // without the JSON copy: it is completed from them, the standings' time of writing as its end, so
    // that it reaches the index. One that cannot be completed keeps no other race out of the index.
    std::optional<Failure> incomplete;
    for (const auto& [baseName, written] : standings) {
        std::string name = baseName + ".json";
        if (read.contains(name) || !PathExists(m_folder + baseName + ".html"))
            continue;
        if (auto failure = WriteJson(baseName, written.first, written.second)) {
            if (!incomplete)
                incomplete = failure;
            continue;
        }
        struct stat info {};
        if (stat(HostPath(m_folder + name).c_str(), &info) == 0)
            read.emplace(name, ReadCopy(name, info));
    }
    m_read = std::move(read);

    // Races that ended in the same second come in the order their copies were written.
    std::vector<const Cached*> kept;
    for (const auto& [name, cached] : m_read)
        if (cached.race)
            kept.push_back(&cached);
    std::sort(kept.begin(), kept.end(), [](const Cached* a, const Cached* b) {
        return a->race->ended != b->race->ended ? a->race->ended > b->race->ended : a->modified > b->modified;
    });
    std::vector<const KeptRace*> races;
    for (const Cached* cached : kept)
        races.push_back(&*cached->race);
    m_newest = races.empty() ? std::nullopt : std::optional<KeptRace>(*races.front());
    std::string style = Style();
    std::optional<Failure> failure = Write("index.html", IndexPage(m_title, style, races));
    std::vector<SimulatorStandings> season = SeasonStandings(
        races, SeasonStartTime(m_seasonStart).value_or(std::numeric_limits<std::time_t>::min()));
    if (!failure)
        failure = Write("standings.json", StandingsJson(m_title, m_seasonStart, season));
    if (!failure)
        failure = Write("standings.html", StandingsPage(m_title, style, m_seasonStart, season));
    return failure ? failure : incomplete;
}

std::optional<PublishedFolder::Failure> PublishedFolder::WriteStatus(RunStatus status) {
    if (auto failure = MakeFolder())
        return failure;
    status.lastRace = m_newest;
    if (auto failure = Write("status.json", StatusJson(m_title, status)))
        return failure;
    return Write("status.html", StatusPage(m_title, Style(), status));
}

std::optional<PublishedFolder::Failure> PublishedFolder::WriteFeed(const std::vector<UpcomingStart>& starts,
                                                                   std::time_t now) {
    if (auto failure = MakeFolder())
        return failure;
    return Write("schedule.ics", CalendarFeed(m_title, starts, now));
}
