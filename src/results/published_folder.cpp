#include "results/published_folder.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "results/archive_name.h"
#include "results/site_pages.h"
#include "results/stn_file.h"
#include "results/won_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr const char* standingsExtensions[] = {".won", ".stn"};

} // namespace

PublishedFolder::PublishedFolder(std::string folder, std::string title, std::string templatePath)
    : m_folder(std::move(folder)), m_title(std::move(title)), m_templatePath(std::move(templatePath)) {
    RemoveStaleTemporaryFiles(m_folder);
}

std::optional<PublishedFolder::Failure> PublishedFolder::MakeFolder() {
    std::error_code error;
    std::filesystem::create_directories(HostPath(m_folder), error);
    if (error)
        return Failure{m_folder, CauseFromErrno(error.value())};
    return std::nullopt;
}

std::optional<PublishedFolder::Failure> PublishedFolder::Write(const std::string& name,
                                                               const std::string& bytes) {
    FileCause cause = WriteFileAtomically(m_folder + name, bytes);
    if (cause != CauseNone)
        return Failure{m_folder + name, cause};
    return std::nullopt;
}

std::string PublishedFolder::Style() const {
    return StyleOfTemplate(ReadFileBytes(m_templatePath).bytes);
}

std::optional<PublishedFolder::Failure> PublishedFolder::KeepRace(const std::string& pagePath,
                                                                  const std::string& standingsPath,
                                                                  int simulator, std::time_t ended) {
    if (auto failure = MakeFolder())
        return failure;
    FileReadResult page = ReadFileBytes(pagePath);
    if (page.cause != CauseNone)
        return Failure{pagePath, page.cause};
    FileReadResult standings = ReadFileBytes(standingsPath);
    if (standings.cause != CauseNone)
        return Failure{standingsPath, standings.cause};

    std::unique_ptr<CStnFile> stn;
    std::unique_ptr<CWonFile> won;
    if (simulator == 0)
        won = std::make_unique<CWonFile>(standingsPath);
    else
        stn = std::make_unique<CStnFile>(standingsPath);
    std::string track = won ? won->GetTrack() : stn->GetTrack();
    RaceFacts facts{ended, simulator, ""};
    facts.baseName = ArchiveBaseName(ended, simulator, track, [this](const std::string& name) {
        return PathExists(m_folder + name + ".html") || PathExists(m_folder + name + ".json") ||
               std::any_of(std::begin(standingsExtensions), std::end(standingsExtensions),
                           [&](const char* extension) { return PathExists(m_folder + name + extension); });
    });
    std::string standingsExtension = standingsExtensions[simulator == 0 ? 0 : 1];
    if (auto failure = Write(facts.baseName + standingsExtension, standings.bytes))
        return failure;
    if (auto failure = Write(facts.baseName + ".html", WithLeagueHeader(page.bytes, m_title)))
        return failure;
    return Write(facts.baseName + ".json", won ? RaceJson(facts, *won) : RaceJson(facts, *stn));
}

std::optional<PublishedFolder::Failure> PublishedFolder::RebuildIndex() {
    if (auto failure = MakeFolder())
        return failure;
    std::map<std::string, Cached> read;
    std::error_code error;
    std::filesystem::directory_iterator entries(HostPath(m_folder), error);
    if (error)
        return Failure{m_folder, CauseFromErrno(error.value())};
    for (const auto& entry : entries) {
        std::string name = entry.path().filename().string();
        struct stat info {};
        if (entry.path().extension() != ".json" || name == "status.json" ||
            stat(entry.path().c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        Cached cached{static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec,
                      static_cast<long long>(info.st_size), std::nullopt};
        auto known = m_read.find(name);
        if (known != m_read.end() && known->second.modified == cached.modified &&
            known->second.size == cached.size) {
            read.insert(m_read.extract(known));
            continue;
        }
        FileReadResult bytes = ReadFileBytes(m_folder + name);
        std::string why = "it cannot be read";
        if (bytes.cause == CauseNone)
            cached.race = KeptRaceFromJson(bytes.bytes, why);
        if (!cached.race)
            std::fprintf(stderr, "The index leaves out %s: %s.\n", entry.path().c_str(), why.c_str());
        read.emplace(name, cached);
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
    return Write("index.html", IndexPage(m_title, Style(), races));
}

std::optional<PublishedFolder::Failure> PublishedFolder::WriteStatus(RunStatus status) {
    if (auto failure = MakeFolder())
        return failure;
    status.lastRace = m_newest;
    if (auto failure = Write("status.json", StatusJson(m_title, status)))
        return failure;
    return Write("status.html", StatusPage(m_title, Style(), status));
}
