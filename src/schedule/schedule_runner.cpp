#include "schedule/schedule_runner.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "core/simulator.h"
#include "platform/current_folder.h"
#include "platform/host_path.h"
#include "platform/local_time.h"
#include "platform/messages.h"
#include "results/html_results.h"
#include "schedule/race_limit.h"
#include "schedule/timing_checks.h"
#include "settings/server_settings.h"
#include "settings/watchdog_settings.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int timerPeriod = 1000;
constexpr size_t commandLineLimit = 511;
// Enough of a simulator's output to show its last lines.
constexpr size_t outputTailBytes = 16384;

const char* const noEventsMessage = "The schedule holds no events.  Terminating schedule.";
const char* const allExpiredMessage = "All scheduled races have expired.  Terminating schedule.";
const char* const noTimerMessage = "Unable to allocate memory for countdown timer. Terminating schedule.";

std::string CouldNotStartMessage(const std::string& simExe, const std::string& commandLine) {
    return "Could not start simulator\n(" + simExe + ")\nwith the following commandline parameters:\n" +
           commandLine + "\n\nTerminating schedule.";
}

// The simulator's folder as the current folder: the folder setting without its closing backslash.
std::string SimulatorFolder(const RACE& event) {
    std::string folder = (*Server).*SimulatorOf(event.Sim).path;
    if (!folder.empty() && folder[0] != '\\')
        folder.pop_back();
    return folder;
}

} // namespace

ScheduleRunner::ScheduleRunner(const Clock& clock, SimulatorLauncher& launcher, ScheduleView& view,
                               TimerFactory makeTimer)
    : m_clock(clock), m_launcher(launcher), m_view(view), m_makeTimer(std::move(makeTimer)) {}

ScheduleRunner::~ScheduleRunner() {
    DestroyCountdown();
}

void ScheduleRunner::OnInitDialog() {
    const SERVER& server = *Server;
    m_view.SetCaption(RunCaption(ProgramVersion, server.Timing));
    if (EventList.empty()) {
        ShowMessage(noEventsMessage);
        EndOnError("the schedule holds no events");
        return;
    }
    for (const std::string& line : OutOfRangeTimingValues(server, EventList))
        ShowMessage(line, MessageIcon::Warning);
    for (const std::string& line : UnquotableTexts(server, EventList))
        ShowMessage(line, MessageIcon::Warning);
    for (const std::string& line : UnwritableTexts(server, EventList))
        ShowMessage(line, MessageIcon::Warning);
    std::vector<std::string> watchdogProblems;
    m_raceLimit = RaceLimitOf(ReadWatchdogSettings(watchdogProblems));
    for (const std::string& line : watchdogProblems)
        ShowMessage(line, MessageIcon::Warning);
    m_daily = ParseDailyTime(server.DailyTime, server.Pm);
    bool specific = server.Timing == TimingSpecific;
    m_stopAtEnd = specific || server.StopAtEnd != 0;
    m_view.SetStopAtEnd(m_stopAtEnd, !specific);

    int count = static_cast<int>(EventList.size());
    long long start = !specific && server.RememberRace != 0 ? server.LastRace + 1LL : 0;
    m_currentIndex = start < 0 || start >= count ? 0 : static_cast<int>(start);

    bool anyPending = false;
    for (int p = 0; p < count; ++p) {
        RACE* event = EventList[static_cast<size_t>(p)].get();
        m_itemEvents.push_back(event);
        m_items.push_back(ItemText(p, p == m_currentIndex));
        if (specific && m_clock.Now() < EventClockTime(*event))
            anyPending = true;
    }
    m_view.SetEventItems(m_items);

    if (specific) {
        if (!anyPending) {
            ShowMessage(allExpiredMessage);
            EndOnError("every scheduled race has expired");
            return;
        }
        for (int passed = 0;
             passed < count && IsEventExpired(*m_itemEvents[static_cast<size_t>(m_currentIndex)]); ++passed)
            OnSkipEvent();
    }
    m_view.SelectEventItem(m_currentIndex);
    m_runNumber = 1;
    m_verifyTicks = server.ClockAdjust * 60LL;
    ShowNextEvent();
    StartCountdown();
}

void ScheduleRunner::ComputeCountdown() {
    m_tickCount = 0;
    std::time_t now = m_clock.Now();
    m_countdown = ComputeCountdownSeconds(*Server, m_daily, *m_currentEvent, now);
    if (BackOffMinutes(m_failuresInARow) > 0)
        m_countdown = std::max<CountdownSeconds>(m_countdown, m_backOffUntil - now);
}

int ScheduleRunner::OnCountdownTick() {
    // A tick that was on its way when the run ended changes nothing.
    if (m_ended || m_racing || m_currentEvent == nullptr)
        return 1;
    ++m_tickCount;
    if (m_tickCount == m_verifyTicks && Server->Timing == TimingDaily)
        ComputeCountdown();
    CountdownSeconds shown = m_countdown;
    // The view's seconds only pace what it shows; a countdown of decades is held at the largest it takes.
    m_view.ShowCountdown(CountdownText(shown),
                         static_cast<int>(std::clamp<CountdownSeconds>(shown, INT_MIN, INT_MAX)));
    --m_countdown;
    if (shown <= 0)
        OnStartNow();
    return 1;
}

void ScheduleRunner::OnSkipEvent() {
    if (m_ended || m_racing || m_items.empty())
        return;
    Server->LastRace = Server->RememberRace != 0 ? m_currentIndex : 0;
    int next = m_currentIndex + 1;
    if (next == static_cast<int>(m_items.size()))
        next = 0;
    MoveMark(next);
}

void ScheduleRunner::OnSelectEvent(int index) {
    if (m_ended || m_racing || index < 0 || index >= static_cast<int>(m_items.size()))
        return;
    Server->LastRace = Server->RememberRace != 0 ? m_currentIndex : 0;
    MoveMark(index);
}

void ScheduleRunner::MoveMark(int next) {
    size_t current = static_cast<size_t>(m_currentIndex);
    m_items[current] = ItemText(m_currentIndex, false);
    m_view.ReplaceEventItem(m_currentIndex, m_items[current]);
    m_items[static_cast<size_t>(next)] = ItemText(next, true);
    m_view.ReplaceEventItem(next, m_items[static_cast<size_t>(next)]);
    m_view.SelectEventItem(next);
    m_currentIndex = next;
    m_runNumber = 1;
    ShowNextEvent();
    // During a countdown the next event changes without a new countdown.
    if (m_observer && m_timerRunning)
        m_observer->CountingDown(*m_currentEvent, m_currentIndex, m_clock.Now() + m_countdown, m_clock.Now());
}

void ScheduleRunner::OnStartNow() {
    if (m_ended || m_racing || m_currentEvent == nullptr)
        return;
    DestroyCountdown();
    ++m_launchNumber;
    RACE& event = *m_currentEvent;
    SetCurrentFolder(SimulatorFolder(event));
    LaunchFiles files = LaunchFilesOf(event, *Server, m_launchNumber);
    std::string commandLine = EventOptions(event, *Server, files).BuildCommandLine();
    if (commandLine.empty()) {
        EventFileNotWritten(files.eventFile);
        return;
    }
    std::string outputFile = files.log;

    // A command line longer than the simulator's buffer is refused rather than cut.
    SimulatorLauncher::Start start;
    if (commandLine.size() <= commandLineLimit)
        start = m_launcher.StartSimulator(commandLine, outputFile);
    else
        start.failure = "the command line is longer than " + std::to_string(commandLineLimit) + " characters";
    if (!start.started) {
        m_view.RaceNotStarted(start.failure);
        MessageBeep();
        ShowMessage(CouldNotStartMessage(event.SimExe, commandLine));
        SetCurrentFolder(GetProgramFolder());
        m_errorText = "the simulator could not be started";
        StopAndStore(RunResultStop, RunEnd::Error);
        return;
    }
    if (start.outputCause != CauseNone) {
        ShowMessage("The simulator's output log " + outputFile + " cannot be opened (" +
                        FileCauseText(start.outputCause) + "): the simulator runs without it.",
                    MessageIcon::Warning);
        outputFile.clear();
    }
    m_racing = true;
    m_view.RaceStarted(m_launchNumber, commandLine, start.how);
    std::time_t raceStart = m_clock.Now();
    if (m_observer)
        m_observer->RaceStarted(event, m_currentIndex, raceStart);
    SimulatorLauncher::End end = m_launcher.WaitForSimulator(m_raceLimit);
    m_racing = false;
    RaceOutcome outcome =
        JudgeRace(end, outputFile.empty() ? "" : TailOfFile(HostPath(outputFile), outputTailBytes));
    if (outcome.cutShort)
        outcome.text += " (the race ran from " + FormatLocalTime(raceStart, "%H:%M:%S") + " to " +
                        FormatLocalTime(m_clock.Now(), "%H:%M:%S") + ")";
    m_view.RaceEnded(outcome, outputFile);
    CountLaunch(outcome);
    // The place after this race is stored before its results are made, so a restart after a crash while
    // they are published goes on from there instead of running the race again.
    if (Server->RememberRace != 0) {
        if (m_runNumber >= event.Runs)
            Server->LastRace = m_currentIndex;
        WriteLastRace();
    }
    // A simulator that did not race, or was ended during its race, left no standings to publish.
    if (Server->ResultsToHTML != 0 && outcome.raced && !outcome.cutShort)
        PublishResults(files);
    SetCurrentFolder(GetProgramFolder());
    AfterRace();
}

void ScheduleRunner::EventFileNotWritten(const std::string& eventFile) {
    RaceOutcome outcome{
        false, "The event file " + eventFile + " could not be written: the simulator was not started.", {}};
    m_view.RaceEnded(outcome, "");
    CountLaunch(outcome);
    SetCurrentFolder(GetProgramFolder());
    AfterRace();
}

int ScheduleRunner::BackOffMinutes(int failuresInARow) {
    constexpr int longest = 60;
    constexpr int doublings = 6; // 1 << 6 passes the longest pause
    if (failuresInARow < 2)
        return 0;
    return failuresInARow - 2 >= doublings ? longest : std::min(longest, 1 << (failuresInARow - 2));
}

void ScheduleRunner::CountLaunch(const RaceOutcome& outcome) {
    if (outcome.raced) {
        ++(outcome.cutShort ? m_tally.cutShort : m_tally.races);
        m_failuresInARow = 0;
        return;
    }
    ++m_tally.failedLaunches;
    ++m_failuresInARow;
    int minutes = BackOffMinutes(m_failuresInARow);
    if (minutes == 0)
        return;
    m_backOffUntil = m_clock.Now() + minutes * 60LL;
    m_view.BackingOff(m_failuresInARow, minutes, m_backOffUntil);
}

void ScheduleRunner::AfterRace() {
    ++m_runNumber;
    if (m_runNumber <= m_currentEvent->Runs) {
        m_view.ShowRunText(RunText(m_runNumber, m_currentEvent->Runs));
    } else {
        OnSkipEvent();
        m_stopAtEnd = m_view.StopAtEndChecked();
        if (m_currentIndex == 0 && m_stopAtEnd) {
            StopAndStore(Server->AutoTerminate != 0 ? RunResultShutDown : RunResultStop,
                         RunEnd::ScheduleOver);
            return;
        }
    }
    if (m_view.StopRequestedDuringRace()) {
        OnOK();
        return;
    }
    StartCountdown();
}

void ScheduleRunner::OnOK() {
    if (m_racing)
        return;
    StopAndStore(RunResultStop, RunEnd::Stopped);
}

void ScheduleRunner::OnCancel() {
    if (m_racing)
        return;
    PauseCountdown();
    End(RunResultCancel, RunEnd::Stopped);
}

void ScheduleRunner::StopAndStore(int result, RunEnd reason) {
    PauseCountdown();
    WriteLastRace();
    End(result, reason);
}

void ScheduleRunner::End(int result, RunEnd reason) {
    m_ended = true;
    m_endReason = reason;
    m_view.EndRun(result);
    if (m_observer)
        m_observer->RunEnded(reason, m_errorText, m_clock.Now());
}

void ScheduleRunner::EndOnError(const std::string& what) {
    m_errorText = what;
    End(RunResultStop, RunEnd::Error);
}

bool ScheduleRunner::IsEventExpired(const RACE& event) const {
    return EventClockTime(event) < m_clock.Now();
}

std::string ScheduleRunner::EventDate(const RACE& event) const {
    if (Server->Timing != TimingSpecific)
        return "";
    return EventDateLabel(EventClockTime(event), m_clock.Now());
}

std::string ScheduleRunner::ItemText(int index, bool marked) const {
    const RACE& event = *m_itemEvents[static_cast<size_t>(index)];
    return EventItemText(marked, event.TrackName, EventDate(event));
}

void ScheduleRunner::StartCountdown() {
    if (m_timer) {
        PauseCountdown();
        m_timer.reset();
    }
    m_timerRunning = false;
    m_timer = m_makeTimer();
    if (!m_timer) {
        ShowMessage(noTimerMessage);
        EndOnError("no countdown timer could be made");
        return;
    }
    m_timer->SetPeriod(timerPeriod);
    ComputeCountdown();
    if (m_observer)
        m_observer->CountingDown(*m_currentEvent, m_currentIndex, m_clock.Now() + m_countdown, m_clock.Now());
    ResumeCountdown();
}

void ScheduleRunner::ResumeCountdown() {
    ComputeCountdown();
    OnCountdownTick();
    // The tick may have launched the event and ended the run, or started a new countdown of its own.
    if (!m_ended && !m_timerRunning && m_timer) {
        m_timer->Start();
        m_timerRunning = true;
    }
}

void ScheduleRunner::PauseCountdown() {
    if (m_timerRunning && m_timer) {
        m_timer->Stop();
        m_timerRunning = false;
    }
}

void ScheduleRunner::DestroyCountdown() {
    PauseCountdown();
    m_timerRunning = false;
    m_timer.reset();
}

void ScheduleRunner::PublishResults(const LaunchFiles& files) {
    if (files.page.empty()) {
        MessageBeep();
        return;
    }
    CHtmlResults results(files.standings, files.page, m_currentEvent->Sim);
    if (!results.MakeHtmlResults())
        return;
    m_view.ResultsPublished(files.page);
    if (m_observer)
        m_observer->ResultsMade(*m_currentEvent, results.Made(), m_clock.Now());
}

void ScheduleRunner::ShowNextEvent() {
    m_currentEvent = m_itemEvents[static_cast<size_t>(m_currentIndex)];
    m_view.ShowNextEvent(NextEventPanel(*m_currentEvent, m_runNumber), *m_currentEvent);
}

std::string ScheduleRunner::PreviewOptionsText() const {
    if (m_racing || m_currentEvent == nullptr)
        return "";
    LaunchFiles files = LaunchFilesOf(*m_currentEvent, *Server, m_launchNumber);
    return EventOptions(*m_currentEvent, *Server, files).BuildOptionsText();
}
