#include "ui/dialogs/dlg_timing.h"

#include "core/app_state.h"
#include "forms/field_checks.h"
#include "platform/messages.h"
#include "settings/server_settings.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"
#include "ui/support/radio_click.h"
#include "ui/support/record_fields.h"
#include "ui/support/time_meaning_label.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 150;
const wxSize dialogSize(400, 312);
constexpr int timeLength = 5;

using ServerField = RecordField<SERVER>;

// The fields in the order they are read; the first that fails its check stops the reading.
const ServerField readingOrder[] = {
    {{CDlgTiming::IDC_DAILY_TIME, FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::DailyTime},
    {{CDlgTiming::IDC_RACE_DELAY, FieldKind::Integer, 1, 60}, &SERVER::RaceDelay},
    {{CDlgTiming::IDC_DAILY_PM, FieldKind::Check}, &SERVER::Pm},
    {{CDlgTiming::IDC_CONTINUOUS_LOOP, FieldKind::Radio, 0, 3}, &SERVER::Timing},
    {{CDlgTiming::IDC_STOP_AT_END, FieldKind::Check}, &SERVER::StopAtEnd},
    {{CDlgTiming::IDC_REMEMBER_RACE, FieldKind::Check}, &SERVER::RememberRace},
    {{CDlgTiming::IDC_AUTO_START, FieldKind::Check}, &SERVER::AutoStart},
    {{CDlgTiming::IDC_AUTO_TERMINATE, FieldKind::Check}, &SERVER::AutoTerminate},
    {{CDlgTiming::IDC_VERIFY_INTERVAL, FieldKind::Integer, 0, 60}, &SERVER::ClockAdjust},
    {{CDlgTiming::IDC_START_TIME, FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::StartTime},
    {{CDlgTiming::IDC_START_PM, FieldKind::Check}, &SERVER::StartTimePM},
    {{CDlgTiming::IDC_STOP_TIME, FieldKind::Text, 0, 0, timeLength}, nullptr, &SERVER::StopTime},
    {{CDlgTiming::IDC_STOP_PM, FieldKind::Check}, &SERVER::StopTimePM},
    {{CDlgTiming::IDC_LIMIT_TIME, FieldKind::Check}, &SERVER::LimitTime},
};

// The time-frame of the continuous loop: its two times and their PM boxes.
const int timeFrame[] = {CDlgTiming::IDC_START_TIME, CDlgTiming::IDC_START_PM, CDlgTiming::IDC_STOP_TIME,
                         CDlgTiming::IDC_STOP_PM};

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
    LimitTextTyping<SERVER>(this, readingOrder);
    Bind(wxEVT_INIT_DIALOG, &CDlgTiming::OnInitDialog, this);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    for (int mode = 0; mode < 3; ++mode)
        OnRadioClick(static_cast<wxRadioButton*>(FindWindow(IDC_CONTINUOUS_LOOP + mode)),
                     [this, mode] { ApplyLayout(mode); });
    FindWindow(IDC_STOP_AT_END)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { StopAtEndRule(); });
    FindWindow(IDC_LIMIT_TIME)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { TimeFrameRule(); });
}

void CDlgTiming::CreateControls() {
    DialogLayout place(this);
    place.Group("Timing", 7, 7, 190, 258);
    place.Radio(IDC_CONTINUOUS_LOOP, "Continuous loop", 13, 19, 150, true);
    place.Label("Time between races (1-60)", 25, 31, 98);
    place.Edit(IDC_RACE_DELAY, 125, 31, 24);
    place.Label("minutes", 153, 31, 36);
    place.Radio(IDC_DAILY_TIME_MODE, "Daily time", 13, 54, 150, false);
    place.Label("Time to start event", 25, 66, 72);
    place.Edit(IDC_DAILY_TIME, 100, 66, 30);
    place.Check(IDC_DAILY_PM, "PM", 135, 67, 30);
    place.Label("(00:01 - 12:00)", 25, 78, 72);
    AddTimeMeaning(*this, timeFields[0], 25, 88, 164);
    place.Label("Verify time every", 25, 99, 72);
    place.Edit(IDC_VERIFY_INTERVAL, 100, 99, 24);
    place.Label("minutes (0-60)", 128, 99, 62);
    place.Radio(IDC_SPECIFIC_MODE, "Specific date/time for each event", 13, 117, 170, false);
    place.Note(
        "Selecting this option requires that you specify a date and time to run each event at the time that "
        "you schedule that event. The \"Run schedule from...\" settings are also disabled.",
        25, 130, 164, 48);

    place.Group("Start/Stop", 203, 7, 190, 258);
    place.Check(IDC_LIMIT_TIME, "Limit schedule to specified time-frame", 209, 19, 178);
    place.Label("Run schedule from", 215, 33, 68);
    place.Edit(IDC_START_TIME, 285, 33, 30);
    place.Check(IDC_START_PM, "PM", 320, 34, 30);
    AddTimeMeaning(*this, timeFields[1], 215, 47, 172);
    place.Label("to", 215, 57, 68);
    place.Edit(IDC_STOP_TIME, 285, 57, 30);
    place.Check(IDC_STOP_PM, "PM", 320, 58, 30);
    AddTimeMeaning(*this, timeFields[2], 215, 71, 172);
    place.Note(
        "If you wish to continue each day where you left off, make sure you check the \"Remember last race\" "
        "checkbox below.",
        209, 84, 178, 32);
    place.Check(IDC_STOP_AT_END, "Stop at end of schedule", 209, 118, 178);
    place.Check(IDC_AUTO_TERMINATE, "Shut down program at end of schedule", 209, 132, 178);
    place.Check(IDC_AUTO_START, "Start schedule at program startup", 209, 146, 178);
    place.Check(IDC_REMEMBER_RACE, "Remember last race executed", 209, 160, 178);

    AddNextRunNote(*this, 7, 268, 386, 18);
    place.OkCancel(147, 290);
}

void CDlgTiming::OnInitDialog(wxInitDialogEvent& event) {
    event.Skip();
    SetTitle("Timing Settings, v" + wxString::FromUTF8(ProgramVersion));
    m_values = *Server;
    if (m_values.StopAtEnd == 0) {
        m_values.AutoTerminate = 0;
        FindWindow(IDC_AUTO_TERMINATE)->Disable();
    }
    ShowRecordFields<SERVER>(this, readingOrder, m_values);
    if (m_values.Timing >= 0 && m_values.Timing <= 2)
        ApplyLayout(m_values.Timing);
    for (const TimeFieldIds& ids : timeFields)
        ShowTimeMeaning(*this, ids);
}

void CDlgTiming::ApplyLayout(int mode) {
    auto* limit = static_cast<wxCheckBox*>(FindWindow(IDC_LIMIT_TIME));
    auto* stopAtEnd = static_cast<wxCheckBox*>(FindWindow(IDC_STOP_AT_END));
    bool loop = mode == 0;
    if (!loop)
        limit->SetValue(false);
    limit->Enable(loop);
    for (int id : timeFrame)
        FindWindow(id)->Enable(loop);
    // Events that run at their own times end with the last one.
    if (mode == 2)
        stopAtEnd->SetValue(true);
    stopAtEnd->Enable(mode != 2);
    StopAtEndRule();
}

void CDlgTiming::StopAtEndRule() {
    m_values.StopAtEnd = static_cast<wxCheckBox*>(FindWindow(IDC_STOP_AT_END))->GetValue() ? 1 : 0;
    auto* terminate = static_cast<wxCheckBox*>(FindWindow(IDC_AUTO_TERMINATE));
    if (m_values.StopAtEnd == 0) {
        m_values.AutoTerminate = 0;
        terminate->SetValue(false);
    }
    terminate->Enable(m_values.StopAtEnd != 0);
}

void CDlgTiming::TimeFrameRule() {
    bool limited = static_cast<wxCheckBox*>(FindWindow(IDC_LIMIT_TIME))->GetValue();
    for (int id : timeFrame)
        FindWindow(id)->Enable(limited);
}

void CDlgTiming::OnOK() {
    if (!ReadRecordFields<SERVER>(this, readingOrder, m_values))
        return;
    // Every time is checked, also one whose field the timing mode disables.
    if (!ValidateTime(IDC_DAILY_TIME, "Daily Time: ") ||
        !ValidateTime(IDC_START_TIME, "Schedule Start Time: ") ||
        !ValidateTime(IDC_STOP_TIME, "Schedule Stop Time: "))
        return;
    CopyRecordFields<SERVER>(readingOrder, m_values, *Server);
    WriteServerSettings();
    FinishDialog(*this, wxID_OK);
}

bool CDlgTiming::ValidateTime(int id, const char* prefix) {
    std::string text = static_cast<wxTextCtrl*>(FindWindow(id))->GetValue().utf8_string();
    std::optional<TimeFault> fault = CheckTimeField(text);
    if (!fault)
        return true;
    MessageBeep();
    ShowMessage(prefix + TimingTimeReason(*fault));
    FindWindow(id)->SetFocus();
    return false;
}
