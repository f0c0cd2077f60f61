#include "ui/dialogs/dlg_timing.h"

#include "core/app_state.h"
#include "core/server.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/form_controls.h"
#include "ui/support/next_run_note.h"
#include "ui/support/radio_click.h"
#include "ui/support/time_meaning_label.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>

namespace {

constexpr int templateId = 150;
const wxSize dialogSize(400, 312);
using Dlg = CDlgTiming;

const FieldControlId controls[] = {
    {"daily_time", Dlg::IDC_DAILY_TIME},
    {"race_delay", Dlg::IDC_RACE_DELAY},
    {"daily_pm", Dlg::IDC_DAILY_PM},
    {"timing", Dlg::IDC_CONTINUOUS_LOOP},
    {"stop_at_end", Dlg::IDC_STOP_AT_END},
    {"remember_race", Dlg::IDC_REMEMBER_RACE},
    {"auto_start", Dlg::IDC_AUTO_START},
    {"auto_terminate", Dlg::IDC_AUTO_TERMINATE},
    {"verify_interval", Dlg::IDC_VERIFY_INTERVAL},
    {"start_time", Dlg::IDC_START_TIME},
    {"start_pm", Dlg::IDC_START_PM},
    {"stop_time", Dlg::IDC_STOP_TIME},
    {"stop_pm", Dlg::IDC_STOP_PM},
    {"limit_time", Dlg::IDC_LIMIT_TIME},
};

const TimeFieldIds timeFields[] = {
    {CDlgTiming::IDC_DAILY_TIME, CDlgTiming::IDC_DAILY_PM, CDlgTiming::IDC_DAILY_MEANING},
    {CDlgTiming::IDC_START_TIME, CDlgTiming::IDC_START_PM, CDlgTiming::IDC_START_MEANING},
    {CDlgTiming::IDC_STOP_TIME, CDlgTiming::IDC_STOP_PM, CDlgTiming::IDC_STOP_MEANING},
};

} // namespace

CDlgTiming::CDlgTiming(wxWindow* parent)
    : wxDialog(parent, templateId, "Timing Settings", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE) {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    CreateControls();
    LimitFormTyping(this, m_form, controls);
    Bind(wxEVT_INIT_DIALOG, &CDlgTiming::OnInitDialog, this);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    auto changed = [this](const char* key) {
        ChangeForm(this, m_form, controls, [this, key] { m_form.Changed(key); });
    };
    for (int mode : {TimingContinuous, TimingDaily, TimingSpecific})
        OnRadioClick(static_cast<wxRadioButton*>(FindWindow(IDC_CONTINUOUS_LOOP + mode)),
                     [changed] { changed("timing"); });
    for (auto [id, key] : {std::pair{IDC_STOP_AT_END, "stop_at_end"}, {IDC_LIMIT_TIME, "limit_time"}})
        FindWindow(id)->Bind(wxEVT_CHECKBOX, [changed, key = key](wxCommandEvent& event) {
            event.Skip();
            changed(key);
        });
}

void CDlgTiming::CreateControls() {
    DialogLayout place(this);
    auto label = [this](const char* key) { return m_form.Field(key).label; };
    place.Group(label("timing"), 7, 7, 190, 258);
    place.Radio(IDC_CONTINUOUS_LOOP, "Continuous loop", 13, 19, 150, true);
    place.Label(label("race_delay"), 25, 31, 98);
    place.Edit(IDC_RACE_DELAY, 125, 31, 24);
    place.Label("minutes", 153, 31, 36);
    place.Radio(IDC_DAILY_TIME_MODE, "Daily time", 13, 54, 150, false);
    place.Label(label("daily_time"), 25, 66, 72);
    place.Edit(IDC_DAILY_TIME, 100, 66, 30);
    place.Check(IDC_DAILY_PM, label("daily_pm"), 135, 67, 30);
    place.Label("(00:01 - 12:00)", 25, 78, 72);
    AddTimeMeaning(*this, timeFields[0], 25, 88, 164);
    place.Label(label("verify_interval"), 25, 99, 72);
    place.Edit(IDC_VERIFY_INTERVAL, 100, 99, 24);
    place.Label("minutes (0-60)", 128, 99, 62);
    place.Radio(IDC_SPECIFIC_MODE, "Specific date/time for each event", 13, 117, 170, false);
    place.Note(
        "Selecting this option requires that you specify a date and time to run each event at the time that "
        "you schedule that event. The \"Run schedule from...\" settings are also disabled.",
        25, 130, 164, 48);

    place.Group("Start/Stop", 203, 7, 190, 258);
    place.Check(IDC_LIMIT_TIME, label("limit_time"), 209, 19, 178);
    place.Label(label("start_time"), 215, 33, 68);
    place.Edit(IDC_START_TIME, 285, 33, 30);
    place.Check(IDC_START_PM, label("start_pm"), 320, 34, 30);
    AddTimeMeaning(*this, timeFields[1], 215, 47, 172);
    place.Label(label("stop_time"), 215, 57, 68);
    place.Edit(IDC_STOP_TIME, 285, 57, 30);
    place.Check(IDC_STOP_PM, label("stop_pm"), 320, 58, 30);
    AddTimeMeaning(*this, timeFields[2], 215, 71, 172);
    place.Note(
        "If you wish to continue each day where you left off, make sure you check the \"Remember last race\" "
        "checkbox below.",
        209, 84, 178, 32);
    place.Check(IDC_STOP_AT_END, label("stop_at_end"), 209, 118, 178);
    place.Check(IDC_AUTO_TERMINATE, label("auto_terminate"), 209, 132, 178);
    place.Check(IDC_AUTO_START, label("auto_start"), 209, 146, 178);
    place.Check(IDC_REMEMBER_RACE, label("remember_race"), 209, 160, 178);

    AddNextRunNote(*this, 7, 268, 386, 18);
    place.OkCancel(147, 290);
}

void CDlgTiming::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    SetTitle("Timing Settings, v" + wxString::FromUTF8(ProgramVersion));
    m_form = TimingForm();
    ShowForm(this, m_form, controls);
    for (const TimeFieldIds& ids : timeFields)
        ShowTimeMeaning(*this, ids);
}

void CDlgTiming::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        ShowFormProblem(this, *problem, controls);
        return;
    }
    FinishDialog(*this, wxID_OK);
}
