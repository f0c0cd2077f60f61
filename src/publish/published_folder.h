#pragma once

#include "platform/file_cause.h"
#include "publish/race_json.h"
#include "publish/run_status.h"
#include "publish/upcoming_starts.h"
#include "results/html_results.h"

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <vector>

// The folder the league reads: every race's page, standings file and JSON copy kept for good under
// names that never repeat, index.html listing them, the season's standings, status.html/status.json
// and the calendar feed schedule.ics. Every file is written
// in one step, so a reader never sees half a page, and nothing kept is ever overwritten or removed.
class PublishedFolder {
public:
    struct Failure {
        std::string path;
        FileFailure failure;
    };

    // folder is a Windows or POSIX path ending in a separator; the pages take their style from the
    // template at templatePath; seasonStart is [PUBLISH] SeasonStart.
    PublishedFolder(std::string folder, std::string title, std::string templatePath,
                    std::string seasonStart = "");

    // Keeps the race whose page was made from its standings: copies of the page, then the standings,
    // then its JSON copy, so the index never links a page that is not there yet, and a race whose
    // standings were kept can always be completed (RebuildIndex). The folder is made when missing.
    // Returns what could not be written.
    std::optional<Failure> KeepRace(const RaceResults& results, std::time_t ended);

    // Rebuilds index.html, newest first, and the season's standings.json and standings.html from the
    // JSON copies in the folder, after making the JSON copy
    // of every kept page and standings file that lacks one. Copies already read are taken from memory
    // while their size and time are unchanged, so the step stays short however many races are kept; a
    // damaged copy or one not ours is skipped with one line on standard error.
    std::optional<Failure> RebuildIndex();

    // Writes status.json and status.html, with the newest race of the last index as its last race.
    std::optional<Failure> WriteStatus(RunStatus status);

    // Writes schedule.ics with the starts given, none when the run has stopped; now is the time of writing.
    std::optional<Failure> WriteFeed(const std::vector<UpcomingStart>& starts, std::time_t now);

    // The newest kept race as of the last index.
    const std::optional<KeptRace>& Newest() const { return m_newest; }
    const std::string& Folder() const { return m_folder; }

private:
    std::optional<Failure> MakeFolder();
    std::optional<Failure> Write(const std::string& name, const std::string& bytes);
    std::optional<Failure> WriteJson(const std::string& baseName, int simulator, std::time_t ended);
    std::string Style() const;

    struct Cached {
        long long modified = 0;
        long long size = 0;
        std::optional<KeptRace> race;
    };
    // The copy as last read while its size and time are unchanged, else read afresh.
    Cached ReadCopy(const std::string& name, const struct stat& info) const;

    std::string m_folder;
    std::string m_title;
    std::string m_templatePath;
    std::string m_seasonStart;
    std::map<std::string, Cached> m_read;
    std::optional<KeptRace> m_newest;
};
