#include "startup/run_session.h"

#include "platform/process.h"
#include "schedule/schedule_lock.h"

// Passes everything on to the front end's view and keeps what it shows in the session, on the run's
// thread. As a race begins the run's thread waits for its end, so the snapshot is published then too.
class RunSession::View : public ScheduleView {
public:
    View(RunSession& session, const Clock& clock)
        : m_session(session), m_shown(session.m_shown), m_front(session.m_frontView), m_clock(clock) {}

    void SetCaption(const std::string& caption) override { m_front.SetCaption(caption); }
    void SetEventItems(const std::vector<std::string>& items) override {
        m_front.SetEventItems(items);
        m_shown.items = items;
    }
    void ReplaceEventItem(int index, const std::string& text) override {
        m_front.ReplaceEventItem(index, text);
        if (index >= 0 && index < static_cast<int>(m_shown.items.size()))
            m_shown.items[static_cast<size_t>(index)] = text;
    }
    void SelectEventItem(int index) override {
        m_front.SelectEventItem(index);
        m_shown.marked = index;
    }
    void ShowNextEvent(const NextEventTexts& texts, const RACE& event) override {
        m_front.ShowNextEvent(texts, event);
        m_shown.next = texts;
    }
    void ShowCountdown(const std::string& text, int seconds) override {
        m_front.ShowCountdown(text, seconds);
        m_shown.countdown = text;
        m_shown.seconds = seconds;
    }
    void ShowRunText(const std::string& text) override {
        m_front.ShowRunText(text);
        m_shown.next.consecutiveRun = text;
    }
    void SetStopAtEnd(bool checked, bool enabled) override {
        m_front.SetStopAtEnd(checked, enabled);
        m_shown.stopAtEnd = checked;
        m_shown.stopAtEndEnabled = enabled;
    }
    bool StopAtEndChecked() const override { return m_front.StopAtEndChecked(); }
    void EndRun(int result) override {
        m_shown.running = false;
        m_session.Publish();
        m_front.EndRun(result);
    }
    void RaceStarted(int launchNumber, const std::string& commandLine, const std::string& how) override {
        m_shown.racingSince = m_clock.Now();
        m_shown.countdown.clear();
        {
            // Commands queued for the turn that launched the race are discarded as the window's input
            // is, but a stop among them stops the run once the race is over, as one posted during it does.
            std::lock_guard lock(m_session.m_mutex);
            for (const RunCommand& command : m_session.m_posted)
                m_session.m_stopAfterRace |= command.kind == RunCommand::Stop;
            m_session.m_posted.clear();
        }
        m_session.Publish();
        m_front.RaceStarted(launchNumber, commandLine, how);
    }
    void RaceNotStarted(const std::string& why) override { m_front.RaceNotStarted(why); }
    void RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) override {
        m_shown.racingSince = 0;
        // A stop posted from now on is carried out as the run's next turn; one posted before is asked for
        // at the race's end.
        m_session.Publish();
        m_front.RaceEnded(outcome, outputFile);
    }
    void ResultsPublished(const std::string& pagePath) override { m_front.ResultsPublished(pagePath); }
    void BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) override {
        m_front.BackingOff(failuresInARow, pauseMinutes, until);
    }
    bool StopRequestedDuringRace() override {
        bool front = m_front.StopRequestedDuringRace();
        std::lock_guard lock(m_session.m_mutex);
        return front || m_session.m_stopAfterRace;
    }

private:
    RunSession& m_session;
    RunSnapshot& m_shown;
    ScheduleView& m_front;
    const Clock& m_clock;
};

std::unique_ptr<RunSession> RunSession::Open(Parts parts) {
    std::unique_ptr<RunLock> lock = LockScheduleForRun();
    if (!lock)
        return nullptr;
    return std::unique_ptr<RunSession>(new RunSession(std::move(lock), parts));
}

RunSession::RunSession(std::unique_ptr<RunLock> lock, Parts& parts)
    : m_lock(std::move(lock)), m_frontView(parts.view), m_wake(std::move(parts.wake)),
      m_view(std::make_unique<View>(*this, parts.clock)) {
    if (parts.makeObserver)
        m_observer = parts.makeObserver();
    m_runner =
        std::make_unique<ScheduleRunner>(parts.clock, parts.launcher, *m_view, std::move(parts.makeTimer));
    m_runner->SetObserver(m_observer.get());
}

RunSession::~RunSession() {
    m_runner.reset();
    m_observer.reset();
    m_lock.reset();
}

void RunSession::Start() {
    m_shown.running = true;
    m_runner->OnInitDialog();
    Publish();
}

void RunSession::Tick() {
    RunPosted();
    m_runner->OnCountdownTick();
    Publish();
}

void RunSession::RunPosted() {
    std::deque<RunCommand> posted;
    {
        std::lock_guard lock(m_mutex);
        posted.swap(m_posted);
    }
    for (const RunCommand& command : posted)
        CarryOut(command);
    Publish();
}

void RunSession::Carry(const RunCommand& command) {
    CarryOut(command);
    Publish();
}

void RunSession::CarryOut(const RunCommand& command) {
    switch (command.kind) {
    case RunCommand::StartNow:
        m_runner->OnStartNow();
        break;
    case RunCommand::Skip:
        m_runner->OnSkipEvent();
        break;
    case RunCommand::Choose:
        m_runner->OnSelectEvent(command.index);
        break;
    case RunCommand::StopAtEnd:
        if (!m_runner->Ended() && !m_runner->Racing() && m_shown.stopAtEndEnabled)
            m_view->SetStopAtEnd(command.checked, true);
        break;
    case RunCommand::Stop:
        m_runner->OnOK();
        break;
    case RunCommand::Cancel:
        m_runner->OnCancel();
        break;
    case RunCommand::EndRace:
        if (m_runner->Racing())
            RequestRaceEnd();
        break;
    }
}

void RunSession::ShowProblem(const std::string& line) {
    m_shown.problem = line;
    Publish();
}

void RunSession::Publish() {
    // The front end's own switch may have been changed by its operator meanwhile.
    m_shown.stopAtEnd = m_frontView.StopAtEndChecked();
    std::lock_guard lock(m_mutex);
    m_snapshot = m_shown;
    if (!m_shown.running)
        m_stopAfterRace = false;
}

bool RunSession::Post(const RunCommand& command) {
    {
        std::lock_guard lock(m_mutex);
        if (!m_snapshot.running)
            return false;
        if (m_snapshot.racingSince != 0) {
            // The race's wait polls for a race end request, so this one reaches it while the race runs.
            if (command.kind == RunCommand::EndRace)
                RequestRaceEnd();
            else if (command.kind == RunCommand::Stop)
                m_stopAfterRace = true;
            return command.kind == RunCommand::EndRace || command.kind == RunCommand::Stop;
        }
        if (command.kind == RunCommand::EndRace)
            return false;
        m_posted.push_back(command);
    }
    if (m_wake)
        m_wake();
    return true;
}

RunSnapshot RunSession::Snapshot() const {
    std::lock_guard lock(m_mutex);
    RunSnapshot snapshot = m_snapshot;
    snapshot.stopping = m_stopAfterRace;
    return snapshot;
}
