#include "ui/dialogs/dlg_timing.h"

#include "core/app_state.h"
#include "platform/messages.h"
#include "settings/server_settings.h"
#include "ui/support/field_checks.h"
#include "ui/support/record_fields.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 150;
const wxSize dialogSize(400, 300);
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
        FindWindow(IDC_CONTINUOUS_LOOP + mode)->Bind(wxEVT_RADIOBUTTON, [this, mode](wxCommandEvent&) {
            ApplyLayout(mode);
        });
    FindWindow(IDC_STOP_AT_END)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { StopAtEndRule(); });
    FindWindow(IDC_LIMIT_TIME)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { TimeFrameRule(); });
}

void CDlgTiming::CreateControls() {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    auto label = [&](const char* text, int x, int y, int width) {
        return new wxStaticText(this, wxID_ANY, text, at(x, y + 2), size(width, 8));
    };
    auto note = [&](const char* text, int x, int y, int width, int height) {
        auto* shown = new wxStaticText(this, wxID_ANY, text, at(x, y), size(width, height));
        shown->Wrap(size(width, height).GetWidth());
    };
    auto edit = [&](int id, int x, int y, int width) {
        new wxTextCtrl(this, id, "", at(x, y), size(width, 12));
    };
    auto check = [&](int id, const char* text, int x, int y, int width) {
        new wxCheckBox(this, id, text, at(x, y), size(width, 10));
    };

    new wxStaticBox(this, wxID_ANY, "Timing", at(7, 7), size(190, 258));
    new wxRadioButton(this, IDC_CONTINUOUS_LOOP, "Continuous loop", at(13, 19), size(150, 10), wxRB_GROUP);
    label("Time between races (1-60)", 25, 31, 98);
    edit(IDC_RACE_DELAY, 125, 31, 24);
    label("minutes", 153, 31, 36);
    new wxRadioButton(this, IDC_DAILY_TIME_MODE, "Daily time", at(13, 54), size(150, 10));
    label("Time to start event", 25, 66, 72);
    edit(IDC_DAILY_TIME, 100, 66, 30);
    check(IDC_DAILY_PM, "PM", 135, 67, 30);
    label("(00:01 - 12:00)", 25, 78, 72);
    label("Verify time every", 25, 94, 72);
    edit(IDC_VERIFY_INTERVAL, 100, 94, 24);
    label("minutes (0-60)", 128, 94, 62);
    new wxRadioButton(this, IDC_SPECIFIC_MODE, "Specific date/time for each event", at(13, 117),
                      size(170, 10));
    note("Selecting this option requires that you specify a date and time to run each event at the time that "
         "you schedule that event. The \"Run schedule from...\" settings are also disabled.",
         25, 130, 164, 48);

    new wxStaticBox(this, wxID_ANY, "Start/Stop", at(203, 7), size(190, 258));
    check(IDC_LIMIT_TIME, "Limit schedule to specified time-frame", 209, 19, 178);
    label("Run schedule from", 215, 33, 68);
    edit(IDC_START_TIME, 285, 33, 30);
    check(IDC_START_PM, "PM", 320, 34, 30);
    label("to", 215, 49, 68);
    edit(IDC_STOP_TIME, 285, 49, 30);
    check(IDC_STOP_PM, "PM", 320, 50, 30);
    note(
        "If you wish to continue each day where you left off, make sure you check the \"Remember last race\" "
        "checkbox below.",
        209, 68, 178, 32);
    check(IDC_STOP_AT_END, "Stop at end of schedule", 209, 108, 178);
    check(IDC_AUTO_TERMINATE, "Shut down program at end of schedule", 209, 122, 178);
    check(IDC_AUTO_START, "Start schedule at program startup", 209, 136, 178);
    check(IDC_REMEMBER_RACE, "Remember last race executed", 209, 150, 178);

    auto* ok = new wxButton(this, wxID_OK, "OK", at(147, 278), size(50, 14));
    new wxButton(this, wxID_CANCEL, "Cancel", at(203, 278), size(50, 14));
    ok->SetDefault();
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
    for (const ServerField& field : readingOrder) {
        if (field.number != nullptr)
            (*Server).*field.number = m_values.*field.number;
        else
            (*Server).*field.text = m_values.*field.text;
    }
    WriteServerSettings();
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
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
