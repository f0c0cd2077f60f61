#include "ui/dialogs/dlg_sched_config.h"

#include "core/app_state.h"
#include "platform/messages.h"
#include "ui/dialogs/race_controls.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/form_controls.h"
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

const std::vector<FieldControlId> controls = [] {
    std::vector<FieldControlId> bound = RaceFieldControls(IDC_EVENT_WARMUP_TIME);
    bound.insert(
        bound.end(),
        {{"date", IDC_DATE}, {"time", IDC_TIME}, {"time_pm", IDC_TIME_PM}, {"track", IDC_TRACK_LIST}});
    return bound;
}();

const TimeFieldIds timeField{IDC_TIME, IDC_TIME_PM, IDC_TIME_MEANING};

} // namespace

CDlgSchedConfig::CDlgSchedConfig(wxWindow* parent)
    : CDlgBase(templateId, parent, "Schedule Configuration", dialogSize) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };

    AddSimulatorGroup(this, m_form, 7, 7);
    new wxStaticText(this, wxID_ANY, m_form.Field("track").label, at(7, 37), size(190, 8));
    m_trackList = new wxListBox(this, IDC_TRACK_LIST, at(7, 47), size(190, 92), 0, nullptr, wxLB_SINGLE);
    new wxStaticText(this, wxID_ANY, "Selected Track For This Event", at(7, 146), size(104, 8));
    new wxStaticText(this, IDC_SELECTED_TRACK, "", at(112, 145), size(85, 10),
                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
    AddDamageGroup(this, m_form, 7, 158);
    AddWeatherGroup(this, m_form, 7, 188);

    AddRaceSettingsGroup(this, m_form, 203, 7, IDC_EVENT_WARMUP_TIME);
    AddTogglesGroup(this, m_form, 203, 135);
    new wxStaticBox(this, wxID_ANY, "Timing", at(203, 219), size(190, 42));
    new wxStaticText(this, wxID_ANY, m_form.Field("date").label, at(209, 233), size(18, 8));
    new wxTextCtrl(this, IDC_DATE, "", at(229, 231), size(52, 12));
    new wxStaticText(this, wxID_ANY, m_form.Field("time").label, at(289, 233), size(18, 8));
    new wxTextCtrl(this, IDC_TIME, "", at(309, 231), size(30, 12));
    new wxCheckBox(this, IDC_TIME_PM, m_form.Field("time_pm").label, at(345, 232), size(30, 10));
    AddTimeMeaning(*this, timeField, 209, 247, 178);
    LimitFormTyping(this, m_form, controls);

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
    m_form = EventForm(m_event, m_isNew);
    ShowForm(this, m_form, controls);
    // The time is not used outside the dated timing mode, so what it would mean is not said either.
    FindWindow(IDC_TIME_MEANING)->Show(m_form.Enabled("time"));
    ShowTimeMeaning(*this, timeField);
    FillTrackList();
}

void CDlgSchedConfig::FillTrackList() {
    EnterForm(this, m_form, controls);
    // A refused field is told here already, so stored values out of range show on opening.
    if (std::optional<FormProblem> refused = m_form.FirstRefused())
        ShowFormProblem(this, *refused, controls);
    if (std::optional<Message> problem = m_form.ListTracks()) {
        ShowMessage(problem->text);
        // Opening without tracks ends the dialog; a switch to a simulator without tracks goes back to
        // the simulator whose tracks are listed, and every value stays as it is.
        if (!m_form.Listed())
            CallAfter([this] { FinishDialog(*this, wxID_CANCEL); });
        else
            ShowForm(this, m_form, controls);
        return;
    }
    m_trackList->Clear();
    for (const std::string& name : m_form.TrackNames())
        m_trackList->Append(wxString::FromUTF8(name));
    ShowForm(this, m_form, controls);
    OnSelchangeTrack();
}

void CDlgSchedConfig::OnSelchangeTrack() {
    m_form.ChooseTrack(m_trackList->GetSelection());
    FindWindow(IDC_SELECTED_TRACK)->SetLabel(wxString::FromUTF8(m_form.ChosenTrackName()));
}

void CDlgSchedConfig::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        // The date shows as rewritten once it passed.
        ShowForm(this, m_form, controls);
        ShowFormProblem(this, *problem, controls);
        return;
    }
    FinishDialog(*this, wxID_OK);
}
