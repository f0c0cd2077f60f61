#include "publish/results_publisher.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "publish/archive_name.h"
#include "schedule/countdown.h"
#include "settings/publish_settings.h"

#include <algorithm>

namespace {

constexpr size_t nextEventsShown = 5;

StatusEvent StatusEventOf(const RACE& event, std::time_t startsAt) {
    return {SimulatorId(event.Sim), event.TrackName, startsAt};
}

// The events that follow the event at index in EventList, each once, in running order; a start is known
// only where each event has its own date.
std::vector<StatusEvent> EventsAfter(int index) {
    std::vector<StatusEvent> events;
    size_t count = EventList.size();
    bool dated = Server && Server->Timing == TimingSpecific;
    for (size_t k = 1; k < count && events.size() < nextEventsShown; ++k) {
        const RACE& event = *EventList[(static_cast<size_t>(index) + k) % count];
        events.push_back(StatusEventOf(event, dated ? EventClockTime(event) : 0));
    }
    return events;
}

} // namespace

std::unique_ptr<ResultsPublisher> PublisherFromSettings() {
    return std::make_unique<ResultsPublisher>(PublishedFolderPath(), PublishedTitle(),
                                              GetProgramFolder() + "Quorvahtml.html", Publish.SeasonStart);
}

ResultsPublisher::ResultsPublisher(const std::string& folder, const std::string& title,
                                   const std::string& templatePath, const std::string& seasonStart)
    : m_folder(folder, title, templatePath, seasonStart) {
    RemoveStaleTemporaryFiles(folder);
}

void ResultsPublisher::Tell(const std::optional<PublishedFolder::Failure>& failure) {
    if (!failure || m_told)
        return;
    m_told = true;
    std::string text = "The results could not be published in " + m_folder.Folder() +
                       "; the race's own page is made and the schedule goes on.\n\n" +
                       FileFailureText(failure->path, failure->failure);
    ShowMessage(text, MessageIcon::Warning);
}

void ResultsPublisher::ReadIndexOnce() {
    if (m_indexRead)
        return;
    m_indexRead = true;
    Tell(m_folder.RebuildIndex());
}

void ResultsPublisher::WriteStatus(RunStatus status) {
    ReadIndexOnce();
    status.lastRace = m_folder.Newest();
    // The time of writing alone is no change.
    if (m_written) {
        RunStatus unchanged = status;
        unchanged.updated = m_written->updated;
        if (unchanged == *m_written)
            return;
    }
    std::optional<PublishedFolder::Failure> failure = m_folder.WriteStatus(status);
    Tell(failure);
    if (!failure)
        m_written = status;
}

void ResultsPublisher::CountingDown(const RACE& event, int index, std::time_t startsAt, std::time_t now) {
    RunStatus status;
    status.state = RunState::CountingDown;
    status.updated = now;
    status.event = StatusEventOf(event, startsAt);
    status.nextEvents = EventsAfter(index);
    WriteStatus(status);
    if (!Server)
        return;
    // After the last of an event's runs the schedule goes on with run 1, of the same event when it is the
    // only one.
    int runs = std::max(event.Runs, 1);
    int runNumber = index == m_racedIndex ? m_racesInARow % runs + 1 : 1;
    Tell(m_folder.WriteFeed(UpcomingStarts(*Server, EventList, index, runNumber, startsAt, now), now));
}

void ResultsPublisher::RaceStarted(const RACE& event, int index, std::time_t now) {
    m_racesInARow = index == m_racedIndex ? m_racesInARow + 1 : 1;
    m_racedIndex = index;
    m_told = false;
    RunStatus status;
    status.state = RunState::Racing;
    status.updated = now;
    status.since = now;
    status.event = StatusEventOf(event, 0);
    status.nextEvents = EventsAfter(index);
    WriteStatus(status);
}

void ResultsPublisher::ResultsMade(const RACE&, const RaceResults& results, std::time_t now) {
    std::optional<PublishedFolder::Failure> failure = m_folder.KeepRace(results, now);
    if (!failure) {
        failure = m_folder.RebuildIndex();
        m_indexRead = true;
    }
    Tell(failure);
}

void ResultsPublisher::RunEnded(RunEnd how, const std::string& error, std::time_t now) {
    RunStatus status;
    status.state = how == RunEnd::ScheduleOver ? RunState::StoppedAtEnd
                   : how == RunEnd::Error      ? RunState::StoppedOnError
                                               : RunState::NotRunning;
    status.updated = now;
    status.error = error;
    WriteStatus(status);
    Tell(m_folder.WriteFeed({}, now));
}
