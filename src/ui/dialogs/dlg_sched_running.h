#pragma once

#include "resources/race_control_ids.h"
#include "schedule/run_messages.h"
#include "schedule/schedule_runner.h"
#include "startup/run_session.h"
#include "ui/support/dlg_base.h"
#include "ui/support/painted_launcher.h"
#include "ui/support/window_ticks.h"

#include <memory>

class wxCheckBox;
class wxListBox;
class wxStaticText;

// "Schedule Is Running": the window of a running schedule. It shows the events with the mark on the
// next one, that event's settings and the time left, and forwards the operator's commands and the
// timer's ticks to the schedule it runs. The schedule runs as long as the dialog is open.
class CDlgSchedRunning : public CDlgBase, public ScheduleView {
public:
    enum ControlId {
        IDC_EVENT_LIST = 7600,
        IDC_SKIP_EVENT = 7601,
        IDC_START_NOW = 7602,
        IDC_STOP_AT_END = 7603,
        IDC_SELECTED_SIM = 7604,
        IDC_TRACK = 7605,
        IDC_WEATHER = 7606,
        IDC_DAMAGE_MODEL = 7608,
        IDC_COUNTDOWN = 7705,
        IDC_PREVIEW = 7807,
        IDC_TEST_TIMING = 7810,
        IDC_RACE_PROBLEM = 7811,
        IDC_NEXT_START = 7830,
        IDC_BACK_OFF = 7831,
    };

    // The program's: the system clock, simulators started as processes, a timer a second, and the
    // published folder of the settings.
    explicit CDlgSchedRunning(wxWindow* parent);
    // With the clock, launcher and timers given (tests).
    CDlgSchedRunning(wxWindow* parent, const Clock& clock, SimulatorLauncher& launcher,
                     ScheduleRunner::TimerFactory makeTimer);
    ~CDlgSchedRunning() override;

    // Starts the run; the dialog does so itself once it shows. A second start replaces the first run.
    void StartRun();
    // The run, from its start; commands may be posted to it from any thread.
    RunSession& Session() { return *m_session; }
    ScheduleRunner& Runner() { return m_session->Runner(); }

    void SetCaption(const std::string& caption) override;
    void SetEventItems(const std::vector<std::string>& items) override;
    void ReplaceEventItem(int index, const std::string& text) override;
    void SelectEventItem(int index) override;
    void ShowNextEvent(const NextEventTexts& texts, const RACE& event) override;
    // The countdown, and beside it the date and clock time it reaches.
    void ShowCountdown(const std::string& text, int seconds) override;
    void ShowRunText(const std::string& text) override;
    void SetStopAtEnd(bool checked, bool enabled) override;
    bool StopAtEndChecked() const override;
    void EndRun(int result) override;
    void RaceStarted(int, const std::string&, const std::string&) override;
    void RaceNotStarted(const std::string&) override {}
    void RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) override;
    void ResultsPublished(const std::string&) override {}
    // Shown until the next launch.
    void BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) override;
    bool StopRequestedDuringRace() override { return false; }

    // The list's text for an item: the mark, or room for it, before the track.
    static wxString ListText(const std::string& item);

private:
    // The red line under the switches, kept until the next problem; details in its tooltip.
    void ShowProblem(const std::string& text, const std::string& details);
    // A step of the run: a command of the operator's or a tick.
    void Command(const std::function<void()>& command);
    // The operator's command, carried out by the run at once.
    void Carry(const RunCommand& command);
    void CreateControls();
    void OnInitDialog(wxInitDialogEvent& event) override;
    void OnPreview(wxCommandEvent& event);
    // While a race runs the window says so, and its controls take no input.
    void ShowRacing(bool racing);

    SystemClock m_systemClock;
    const Clock& m_clock;
    SimulatorLauncher& m_launcher;
    ScheduleRunner::TimerFactory m_makeTimer;
    // The program's run publishes its races; the tests' runs do not.
    RunSession::ObserverFactory m_makeObserver;
    // What the run tells goes to the problem line, not to message boxes.
    RunMessages m_messages;
    PaintedLauncher m_paintedLauncher;
    std::shared_ptr<WindowTicks> m_ticks;
    // The running schedule, with this program folder's run lock, from StartRun on.
    std::unique_ptr<RunSession> m_session;

    wxListBox* m_eventList = nullptr;
    wxCheckBox* m_stopAtEnd = nullptr;
    wxStaticText* m_countdown = nullptr;
    wxStaticText* m_nextStart = nullptr;
    wxStaticText* m_backOff = nullptr;
    wxStaticText* m_raceProblem = nullptr;
    wxStaticText* m_panelTitle = nullptr;
    wxStaticText* m_hint = nullptr;
    std::vector<wxWindow*> m_disabledForRace;
};
