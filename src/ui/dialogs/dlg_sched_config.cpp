#include "ui/dialogs/dlg_sched_config.h"

#include "core/app_state.h"
#include "forms/field_checks.h"
#include "platform/messages.h"
#include "simfiles/calendars.h"
#include "ui/dialogs/race_controls.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"
#include "ui/support/radio_click.h"
#include "ui/support/time_meaning_label.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 131;
const wxSize dialogSize(400, 300);

// The fields in the order they are read; the first that fails its check stops the reading.
const std::vector<RaceField> readingOrder =
    RaceFieldsInOrder({IDC_ALLOW_AI,          IDC_CAUTION_FLAGS,  IDC_CONSECUTIVE_RUNS,
                       IDC_DOUBLE_FILE,       IDC_FORCE_SMOKE,    IDC_PACE_LAP,
                       IDC_PRACTICE_TIME,     IDC_RACE_LENGTH,    IDC_ARCADE_MODE,
                       IDC_RACE_PASSWORD,     IDC_DAMAGE_NONE,    IDC_SIM_N3,
                       IDC_EVENT_WARMUP_TIME, IDC_FIXED_SETUPS,   IDC_FIXED_WEATHER,
                       IDC_TEMPERATURE,       IDC_WIND_SPEED,     IDC_SAVE_RESULTS,
                       IDC_AI_STRENGTH,       IDC_POST_RACE_TIME, IDC_USE_INVITE,
                       IDC_USE_MUZZLE,        IDC_DATE,           IDC_TIME,
                       IDC_TIME_PM,           IDC_SAVE_REPLAY});

const CCalendarFile* CalendarOf(int sim) {
    return sim == 1 ? static_cast<const CCalendarFile*>(CalendarNL.get()) : CalendarN3.get();
}

const TimeFieldIds timeField{IDC_TIME, IDC_TIME_PM, IDC_TIME_MEANING};

} // namespace

CDlgSchedConfig::CDlgSchedConfig(wxWindow* parent)
    : CDlgBase(templateId, parent, "Schedule Configuration", dialogSize) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };

    AddSimulatorGroup(this, 7, 7);
    new wxStaticText(this, wxID_ANY, "Select Track", at(7, 37), size(190, 8));
    m_trackList = new wxListBox(this, IDC_TRACK_LIST, at(7, 47), size(190, 92), 0, nullptr, wxLB_SINGLE);
    new wxStaticText(this, wxID_ANY, "Selected Track For This Event", at(7, 146), size(104, 8));
    new wxStaticText(this, IDC_SELECTED_TRACK, "", at(112, 145), size(85, 10),
                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
    AddDamageGroup(this, 7, 158);
    AddWeatherGroup(this, 7, 188);

    AddRaceSettingsGroup(this, 203, 7, IDC_EVENT_WARMUP_TIME, "Race length (1-100%)");
    AddTogglesGroup(this, 203, 135);
    new wxStaticBox(this, wxID_ANY, "Timing", at(203, 219), size(190, 42));
    new wxStaticText(this, wxID_ANY, "Date", at(209, 233), size(18, 8));
    new wxTextCtrl(this, IDC_DATE, "", at(229, 231), size(52, 12));
    new wxStaticText(this, wxID_ANY, "Time", at(289, 233), size(18, 8));
    new wxTextCtrl(this, IDC_TIME, "", at(309, 231), size(30, 12));
    new wxCheckBox(this, IDC_TIME_PM, "PM", at(345, 232), size(30, 10));
    AddTimeMeaning(*this, timeField, 209, 247, 178);

    AddNextRunNote(*this, 7, 275, 274, 18);
    DialogLayout(this).OkCancel(287, 278);

    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    m_trackList->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { OnSelchangeTrack(); });
    for (int id : {IDC_SIM_N3, IDC_SIM_NL})
        OnRadioClick(static_cast<wxRadioButton*>(FindWindow(id)), [this] { FillTrackList(); });
}

void CDlgSchedConfig::SetRace(RACE* event, bool isNew) {
    m_event = event;
    m_isNew = isNew;
}

void CDlgSchedConfig::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Schedule Configuration, v" + wxString::FromUTF8(ProgramVersion));
    m_values = m_isNew || m_event == nullptr ? *DefaultRace : *m_event;
    m_selectedEntry = m_isNew ? 0 : m_values.TrackNumber;
    if (Server->Timing == 2) {
        m_values.Runs = 1;
        FindWindow(IDC_CONSECUTIVE_RUNS)->Disable();
    } else {
        for (int id : {IDC_DATE, IDC_TIME, IDC_TIME_PM})
            FindWindow(id)->Disable();
        // The time is not used in this timing mode, so what it would mean is not said either.
        FindWindow(IDC_TIME_MEANING)->Hide();
    }
    FitRaceToInstallation(this, m_values);
    ShowRaceFields(this, readingOrder, m_values);
    ShowTimeMeaning(*this, timeField);
    FillTrackList();
}

void CDlgSchedConfig::FillTrackList() {
    // A failing field is reported here already, so stored values out of range show on opening.
    ReadRaceFields(this, readingOrder, m_values);
    int sim = ChosenSimulator(this);
    const CCalendarFile* calendar = CalendarOf(sim);
    const char* problem = nullptr;
    if (calendar == nullptr)
        problem = "Calendar file not initialized";
    else if (calendar->GetTrackCount() == 0)
        problem = "Schedule Tab reports no tracks found in specified calendar file.";
    if (problem != nullptr) {
        ShowMessage(problem);
        // Opening without tracks ends the dialog; a switch to a simulator without tracks goes back to
        // the simulator whose tracks are listed, and every value stays as it is.
        if (m_listedSim < 0)
            CallAfter([this] { FinishDialog(*this, wxID_CANCEL); });
        else
            ChooseSimulator(this, m_listedSim);
        return;
    }
    m_trackList->Clear();
    int count = calendar->GetTrackCount();
    for (const std::string& name : calendar->GetTrackNames())
        m_trackList->Append(wxString::FromUTF8(name));
    m_listedSim = sim;
    int line = m_isNew ? 0 : m_selectedEntry - 1;
    m_trackList->SetSelection(line >= 0 && line < count ? line : wxNOT_FOUND);
    OnSelchangeTrack();
}

void CDlgSchedConfig::OnSelchangeTrack() {
    int line = m_trackList->GetSelection();
    FindWindow(IDC_SELECTED_TRACK)->SetLabel(line == wxNOT_FOUND ? wxString() : m_trackList->GetString(line));
    m_selectedEntry = line == wxNOT_FOUND ? 0 : line + 1;
}

void CDlgSchedConfig::OnOK() {
    if (!ReadRaceFields(this, readingOrder, m_values) || !ValidateDate() || !ValidateTime())
        return;
    int line = m_trackList->GetSelection();
    const CCalendarFile* calendar = CalendarOf(m_listedSim);
    if (line == wxNOT_FOUND || calendar == nullptr || line >= calendar->GetTrackCount()) {
        ShowMessage("Please select a track for this event.", MessageIcon::Warning);
        m_trackList->SetFocus();
        return;
    }
    RACE event = m_values;
    event.Sim = m_listedSim;
    event.SimExe = m_listedSim == 1 ? Server->PathNL + Server->ExeFileNL : Server->PathN3 + Server->ExeFileN3;
    event.CalendarFile = calendar->GetFileName();
    event.TrackId = calendar->GetTrackId(line);
    event.TrackName = m_trackList->GetString(line).utf8_string();
    event.TrackNumber = line + 1;
    event.WindDirection = ChosenPosition(this, IDC_WIND_DIRECTION, m_values.WindDirection);
    *m_event = event;
    // The runner's remembered place means nothing once an event is added or changed.
    Server->LastRace = -1;
    FinishDialog(*this, wxID_OK);
}

bool CDlgSchedConfig::ValidateDate() {
    if (Server->Timing != 2)
        return true;
    std::string date = m_values.Date;
    if (std::optional<std::string> reason = CheckDateField(date)) {
        MessageBeep();
        ShowMessage("Error (Race date) - " + *reason);
        FindWindow(IDC_DATE)->SetFocus();
        return false;
    }
    m_values.Date = date;
    static_cast<wxTextCtrl*>(FindWindow(IDC_DATE))->ChangeValue(date);
    return true;
}

bool CDlgSchedConfig::ValidateTime() {
    if (std::optional<TimeFault> fault = CheckTimeField(m_values.Time)) {
        MessageBeep();
        ShowMessage("Error (Race time) - " + RaceTimeReason(*fault));
        FindWindow(IDC_TIME)->SetFocus();
        return false;
    }
    return true;
}
