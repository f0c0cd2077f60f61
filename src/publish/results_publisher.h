#pragma once

#include "publish/published_folder.h"
#include "publish/run_status.h"
#include "schedule/run_observer.h"

#include <memory>
#include <optional>
#include <string>

// Keeps every race whose results page was made in the published folder, rebuilds the index and
// standings after it, writes the status whenever what it says changes, and the calendar feed at each
// countdown (the start of the run, after each race, a skip) and, empty, when the run ends. A folder that
// cannot be written never stops the schedule: the operator is told once per race (and once before the first),
// naming the file and cause.
class ResultsPublisher : public RunObserver {
public:
    // Made as a run starts: first removes from the folder the temporary files of replacements that an
    // earlier run left unfinished.
    ResultsPublisher(const std::string& folder, const std::string& title, const std::string& templatePath,
                     const std::string& seasonStart = "");

    void CountingDown(const RACE& event, int index, std::time_t startsAt, std::time_t now) override;
    void RaceStarted(const RACE& event, int index, std::time_t now) override;
    void ResultsMade(const RACE& event, const RaceResults& results, std::time_t now) override;
    void RunEnded(RunEnd how, const std::string& error, std::time_t now) override;

private:
    void WriteStatus(RunStatus status);
    void Tell(const std::optional<PublishedFolder::Failure>& failure);
    void ReadIndexOnce();

    PublishedFolder m_folder;
    bool m_indexRead = false;
    bool m_told = false;
    std::optional<RunStatus> m_written;
    // The event raced last and how many times in a row, for the run a countdown leads to.
    int m_racedIndex = -1;
    int m_racesInARow = 0;
};

// The publisher of the folder, title and season that the settings give, with the program's results template.
std::unique_ptr<ResultsPublisher> PublisherFromSettings();
