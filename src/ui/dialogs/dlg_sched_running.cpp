#include "ui/dialogs/dlg_sched_running.h"

#include "platform/host_path.h"
#include "platform/local_time.h"
#include "platform/windows_1252.h"
#include "publish/results_publisher.h"
#include "schedule/run_texts.h"
#include "ui/dialogs/dlg_cmd_preview.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 144;
const wxSize dialogSize(400, 318);
const char* const panelTitle = "Next Event To Be Run";
const char* const racingPanelTitle = "Event Now Running";
const char* const stopHint = "To stop the clock and interupt the schedule, click the \"Stop\" button.";

struct Row {
    int id;
    const char* label;
    int height;
};

// The next event's panel, label beside value, top to bottom.
const Row panelRows[] = {
    {CDlgSchedRunning::IDC_SELECTED_SIM, "Selected sim:", 10},
    {CDlgSchedRunning::IDC_TRACK, "Track", 10},
    {CDlgSchedRunning::IDC_WEATHER, "Weather:", 18},
    {IDC_RACE_LENGTH, "Race length:", 10},
    {IDC_PRACTICE_TIME, "Practice time:", 10},
    {IDC_WARMUP_TIME, "Warmup time:", 10},
    {IDC_POST_RACE_TIME, "Post race time:", 10},
    {CDlgSchedRunning::IDC_DAMAGE_MODEL, "Damage model:", 10},
    {IDC_CONSECUTIVE_RUNS, "Consecutive run:", 10},
};

struct Toggle {
    int id;
    const char* label;
    int RACE::*field;
};

const Toggle toggles[] = {
    {IDC_ARCADE_MODE, "Arcade race mode", &RACE::ArcadeMode},
    {IDC_CAUTION_FLAGS, "Caution flags", &RACE::CautionFlags},
    {IDC_PACE_LAP, "Pace lap", &RACE::PaceLap},
    {IDC_FIXED_SETUPS, "Use fixed setups", &RACE::FixedSetups},
    {IDC_DOUBLE_FILE, "Double-file restarts", &RACE::DoubleFileRestarts},
    {IDC_ALLOW_AI, "Allow AI cars", &RACE::AllowAI},
    {IDC_FORCE_SMOKE, "Force smoke", &RACE::ForceSmoke},
    {IDC_SAVE_RESULTS, "Save race results", &RACE::SaveResults},
    {IDC_SAVE_REPLAY, "Save replay", &RACE::SaveReplay},
    {IDC_USE_INVITE, "Use invite list", &RACE::UseInvite},
    {IDC_USE_MUZZLE, "Use muzzle list", &RACE::UseMuzzle},
};

} // namespace

CDlgSchedRunning::CDlgSchedRunning(wxWindow* parent)
    : CDlgSchedRunning(parent, m_systemClock, m_paintedLauncher, nullptr) {
    // The published folder's problems are told as messages, which the run's messages take.
    m_makeObserver = PublisherFromSettings;
}

CDlgSchedRunning::CDlgSchedRunning(wxWindow* parent, const Clock& clock, SimulatorLauncher& launcher,
                                   ScheduleRunner::TimerFactory makeTimer)
    : CDlgBase(templateId, parent, "Schedule Is Running", dialogSize), m_clock(clock), m_launcher(launcher),
      m_makeTimer(std::move(makeTimer)),
      m_messages([this] { return m_clock.Now(); },
                 [this] { ShowProblem(m_messages.NewestLine(), m_messages.List()); }),
      m_ticks(std::make_shared<WindowTicks>([this] { Command([this] { m_session->Tick(); }); },
                                            [this] { Command([this] { m_session->RunPosted(); }); })) {
    if (!m_makeTimer)
        m_makeTimer = [ticks = m_ticks] { return std::make_unique<CCountdownTimer>(ticks); };
    CreateControls();
}

CDlgSchedRunning::~CDlgSchedRunning() {
    m_ticks->Close();
    m_session.reset();
}

void CDlgSchedRunning::CreateControls() {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };

    new wxStaticText(this, wxID_ANY, "Scheduled Events", at(7, 7), size(180, 8));
    m_eventList = new wxListBox(this, IDC_EVENT_LIST, at(7, 17), size(180, 200), 0, nullptr, wxLB_SINGLE);
    auto* skip = new wxButton(this, IDC_SKIP_EVENT, "Skip Event", at(7, 222), size(60, 14));
    auto* startNow = new wxButton(this, IDC_START_NOW, "Start Now", at(72, 222), size(60, 14));
    m_stopAtEnd = new wxCheckBox(this, IDC_STOP_AT_END, "Stop at end of schedule", at(7, 242), size(120, 10));

    m_panelTitle = new wxStaticText(this, wxID_ANY, panelTitle, at(195, 7), size(198, 8));
    int y = 19;
    for (const Row& row : panelRows) {
        new wxStaticText(this, wxID_ANY, row.label, at(195, y + 1), size(62, 8));
        // A one-line value too long for its box ends in an ellipsis rather than being cut off.
        long ellipsis = row.height == 10 ? wxST_ELLIPSIZE_END : 0;
        new wxStaticText(this, row.id, "", at(259, y), size(134, row.height),
                         wxBORDER_SUNKEN | wxST_NO_AUTORESIZE | ellipsis);
        y += row.height + 3;
    }
    new wxStaticBox(this, wxID_ANY, "Toggles:", at(195, y), size(198, 70));
    for (size_t k = 0; k < std::size(toggles); ++k) {
        int column = static_cast<int>(k % 2), line = static_cast<int>(k / 2);
        auto* box = new wxCheckBox(this, toggles[k].id, toggles[k].label,
                                   at(201 + column * 96, y + 11 + line * 10), size(92, 10));
        box->Disable();
    }
    y += 74;
    // The label takes the width its text needs in the desktop's font.
    new wxStaticText(this, wxID_ANY, "Time to next event:", at(195, y + 1));
    m_countdown = new wxStaticText(this, IDC_COUNTDOWN, "", at(267, y), size(126, 10),
                                   wxBORDER_SUNKEN | wxST_NO_AUTORESIZE);
    m_nextStart =
        new wxStaticText(this, IDC_NEXT_START, "", at(195, y + 12), size(198, 8), wxST_NO_AUTORESIZE);
    auto* preview =
        new wxButton(this, IDC_PREVIEW, "Preview CommandLine For This Race", at(195, y + 22), size(198, 14));
    auto* testTiming =
        new wxCheckBox(this, IDC_TEST_TIMING, "Test timing (debug only)", at(7, 256), size(120, 10));
    testTiming->Hide();
    // A race that did not happen is told here, so an unattended schedule goes on without a message box.
    m_raceProblem =
        new wxStaticText(this, IDC_RACE_PROBLEM, "", at(7, 259), size(386, 16), wxST_NO_AUTORESIZE);
    m_raceProblem->SetForegroundColour(*wxRED);
    m_backOff = new wxStaticText(this, IDC_BACK_OFF, "", at(7, 277), size(386, 8), wxST_NO_AUTORESIZE);

    new wxStaticLine(this, wxID_ANY, at(7, 288), size(386, 1));
    m_hint = new wxStaticText(this, wxID_ANY, stopHint, at(7, 298), size(330, 8), wxST_NO_AUTORESIZE);
    auto* stop = new wxButton(this, wxID_OK, "Stop", at(343, 295), size(50, 14));
    stop->SetDefault();

    skip->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Carry({RunCommand::Skip}); });
    startNow->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Carry({RunCommand::StartNow}); });
    stop->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Carry({RunCommand::Stop}); });
    preview->Bind(wxEVT_BUTTON, &CDlgSchedRunning::OnPreview, this);
    // Only the pointer's double click chooses the next event: the toolkit reports Enter and Space on the
    // list as a double click of the list too. Enter still presses the default button, "Stop".
    m_eventList->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& click) {
        click.Skip();
        Carry({RunCommand::Choose, m_eventList->GetSelection()});
    });
    m_eventList->Bind(wxEVT_LISTBOX_DCLICK, [](wxCommandEvent&) {});
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Carry({RunCommand::Cancel}); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& key) {
        if (key.GetKeyCode() == WXK_ESCAPE)
            Carry({RunCommand::Cancel});
        else
            key.Skip();
    });
}

void CDlgSchedRunning::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    // The run starts once the window is up, so a run that ends at once ends a shown dialog.
    CallAfter(&CDlgSchedRunning::StartRun);
}

void CDlgSchedRunning::StartRun() {
    m_messages.Begin();
    m_messages.Step();
    m_session.reset();
    // Another runner of this program folder keeps this one from starting.
    m_session = RunSession::Open(
        {m_clock, m_launcher, *this, m_makeTimer, [ticks = m_ticks] { ticks->Wake(); }, m_makeObserver});
    if (!m_session) {
        EndRun(RunResultStop);
        return;
    }
    m_session->Start();
}

void CDlgSchedRunning::Command(const std::function<void()>& command) {
    // Before the run has started there is nothing to command.
    if (!m_session)
        return;
    m_messages.Step();
    command();
}

void CDlgSchedRunning::Carry(const RunCommand& command) {
    Command([&] { m_session->Carry(command); });
}

void CDlgSchedRunning::OnPreview(wxCommandEvent&) {
    if (!m_session)
        return;
    CDlgCmdPreview preview(Runner().PreviewOptionsText(), this);
    preview.ShowModal();
}

wxString CDlgSchedRunning::ListText(const std::string& item) {
    size_t tab = item.find('\t');
    std::string mark = item.substr(0, tab);
    std::string rest = tab == std::string::npos ? "" : item.substr(tab + 1);
    // A track name from a settings file of the Windows program is Windows-1252.
    return wxString::FromUTF8(Utf8FromStored((mark.empty() ? "      " : mark + "  ") + rest));
}

void CDlgSchedRunning::SetCaption(const std::string& caption) {
    SetTitle(wxString::FromUTF8(caption));
}

void CDlgSchedRunning::SetEventItems(const std::vector<std::string>& items) {
    m_eventList->Clear();
    for (const std::string& item : items)
        m_eventList->Append(ListText(item));
}

void CDlgSchedRunning::ReplaceEventItem(int index, const std::string& text) {
    if (index >= 0 && index < static_cast<int>(m_eventList->GetCount()))
        m_eventList->SetString(static_cast<unsigned>(index), ListText(text));
}

void CDlgSchedRunning::SelectEventItem(int index) {
    if (index >= 0 && index < static_cast<int>(m_eventList->GetCount()))
        m_eventList->SetSelection(index);
}

void CDlgSchedRunning::ShowNextEvent(const NextEventTexts& texts, const RACE& event) {
    const std::pair<int, const std::string*> shown[] = {{IDC_SELECTED_SIM, &texts.simulator},
                                                        {IDC_TRACK, &texts.track},
                                                        {IDC_WEATHER, &texts.weather},
                                                        {IDC_RACE_LENGTH, &texts.raceLength},
                                                        {IDC_PRACTICE_TIME, &texts.practiceTime},
                                                        {IDC_WARMUP_TIME, &texts.warmupTime},
                                                        {IDC_POST_RACE_TIME, &texts.postRaceTime},
                                                        {IDC_DAMAGE_MODEL, &texts.damageModel},
                                                        {IDC_CONSECUTIVE_RUNS, &texts.consecutiveRun}};
    for (auto [id, text] : shown)
        FindWindow(id)->SetLabel(wxString::FromUTF8(Utf8FromStored(*text)));
    for (const Toggle& toggle : toggles)
        static_cast<wxCheckBox*>(FindWindow(toggle.id))->SetValue(event.*toggle.field != 0);
}

void CDlgSchedRunning::ShowCountdown(const std::string& text, int seconds) {
    m_countdown->SetLabel(text);
    m_nextStart->SetLabel(NextStartText(m_clock.Now() + seconds));
}

void CDlgSchedRunning::ShowRunText(const std::string& text) {
    FindWindow(IDC_CONSECUTIVE_RUNS)->SetLabel(wxString::FromUTF8(text));
}

void CDlgSchedRunning::SetStopAtEnd(bool checked, bool enabled) {
    m_stopAtEnd->SetValue(checked);
    m_stopAtEnd->Enable(enabled);
}

bool CDlgSchedRunning::StopAtEndChecked() const {
    return m_stopAtEnd->GetValue();
}

void CDlgSchedRunning::RaceStarted(int, const std::string&, const std::string&) {
    ShowRacing(true);
}

void CDlgSchedRunning::ShowRacing(bool racing) {
    if (racing) {
        for (int id : {int(IDC_EVENT_LIST), int(IDC_SKIP_EVENT), int(IDC_START_NOW), int(IDC_STOP_AT_END),
                       int(wxID_OK), int(IDC_PREVIEW)})
            if (wxWindow* control = FindWindow(id); control->IsEnabled()) {
                control->Disable();
                m_disabledForRace.push_back(control);
            }
    } else {
        for (wxWindow* control : m_disabledForRace)
            control->Enable();
        m_disabledForRace.clear();
    }
    m_panelTitle->SetLabel(racing ? racingPanelTitle : panelTitle);
    if (racing) {
        m_countdown->SetLabel("");
        m_nextStart->SetLabel("");
        m_backOff->SetLabel("");
    }
    wxFont font = m_hint->GetFont();
    font.SetWeight(racing ? wxFONTWEIGHT_BOLD : wxFONTWEIGHT_NORMAL);
    m_hint->SetFont(font);
    m_hint->SetLabel(racing ? wxString::FromUTF8(RaceInProgressText(m_clock.Now())) : wxString(stopHint));
    Update();
}

void CDlgSchedRunning::RaceEnded(const RaceOutcome& outcome, const std::string& outputFile) {
    ShowRacing(false);
    if (outcome.raced && !outcome.cutShort)
        return;
    // Kept until another launch fails, with its time, for an operator who looks in later.
    std::string text = FormatLocalTime(std::time(nullptr), "%H:%M") + ", launch " +
                       std::to_string(Runner().LaunchNumber()) + ": " + outcome.text + "\n" +
                       (outcome.lastLines.empty() ? "" : outcome.lastLines.back() + "  ") +
                       (outputFile.empty() ? "" : "(" + outputFile + ")");
    std::string details = "Its last output:";
    for (const std::string& line : outcome.lastLines)
        details += "\n" + line;
    if (!outputFile.empty())
        details += "\n\nEverything it wrote is in " + HostPath(outputFile);
    ShowProblem(text, details);
}

void CDlgSchedRunning::BackingOff(int failuresInARow, int pauseMinutes, std::time_t until) {
    m_backOff->SetLabel(BackOffText(failuresInARow, pauseMinutes, until));
}

void CDlgSchedRunning::ShowProblem(const std::string& text, const std::string& details) {
    m_raceProblem->SetLabel(wxString::FromUTF8(text));
    m_raceProblem->SetToolTip(wxString::FromUTF8(details));
    if (m_session)
        m_session->ShowProblem(text);
}

void CDlgSchedRunning::EndRun(int result) {
    m_messages.End();
    if (IsModal())
        EndModal(result);
    else
        SetReturnCode(result);
}
