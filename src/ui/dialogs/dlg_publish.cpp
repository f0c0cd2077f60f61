#include "ui/dialogs/dlg_publish.h"

#include "forms/stored_text.h"
#include "platform/messages.h"
#include "platform/windows_1252.h"
#include "settings/watchdog_settings.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"
#include "ui/support/typing_limit.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <optional>

namespace {

constexpr int templateId = 160;
const wxSize dialogSize(260, 150);
constexpr int folderLength = 254;
constexpr int titleLength = 79;
constexpr int minutesLength = 6;

void Refuse(wxTextCtrl* field, const std::string& message) {
    MessageBeep();
    ShowMessage(message, MessageIcon::Warning);
    field->SetFocus();
    field->SelectAll();
}

} // namespace

CDlgPublish::CDlgPublish(wxWindow* parent)
    : wxDialog(parent, templateId, "Unattended Running"), m_values(Publish) {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    DialogLayout place(this);
    place.Label("Results folder (empty: \"results\" in the program folder)", 7, 7, 246);
    wxTextCtrl* folder = place.Edit(IDC_PUBLISH_FOLDER, 7, 19, 246);
    place.Label("League title (empty: the host name)", 7, 39, 246);
    wxTextCtrl* title = place.Edit(IDC_PUBLISH_TITLE, 7, 51, 246);
    place.Label("Longest race in minutes, then its simulator is ended (0: no limit)", 7, 71, 246);
    wxTextCtrl* minutes = place.Edit(IDC_MAX_RACE_MINUTES, 7, 83, 40);
    // A stored value that a run would refuse shows as the no limit that the run reads it as.
    std::vector<std::string> refused;
    minutes->ChangeValue(std::to_string(ReadWatchdogSettings(refused).MaxRaceMinutes));
    LimitTyping(minutes, minutesLength);
    folder->ChangeValue(wxString::FromUTF8(Utf8FromStored(m_values.Folder)));
    title->ChangeValue(wxString::FromUTF8(Utf8FromStored(m_values.Title)));
    LimitTyping(folder, folderLength);
    LimitTyping(title, titleLength);
    AddNextRunNote(*this, 7, 101, 246, 24);
    place.OkCancel(149, 129);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
}

void CDlgPublish::OnOK() {
    auto* folder = static_cast<wxTextCtrl*>(FindWindow(IDC_PUBLISH_FOLDER));
    auto* title = static_cast<wxTextCtrl*>(FindWindow(IDC_PUBLISH_TITLE));
    PUBLISH values{EditedText(m_values.Folder, folder->GetValue().utf8_string()),
                   EditedText(m_values.Title, title->GetValue().utf8_string())};
    PublishCheck check = CheckPublishSettings(values);
    if (check.field != PublishField::None) {
        Refuse(check.field == PublishField::Folder ? folder : title, check.message);
        return;
    }
    auto* minutesField = static_cast<wxTextCtrl*>(FindWindow(IDC_MAX_RACE_MINUTES));
    std::optional<int> minutes = MaxRaceMinutesOf(minutesField->GetValue().utf8_string());
    if (!minutes) {
        Refuse(minutesField, MaxRaceMinutesRefusal());
        return;
    }
    Publish = values;
    // One failed write is told once; the second would only repeat it.
    if (WritePublishSettings())
        WriteWatchdogSettings({*minutes});
    FinishDialog(*this, wxID_OK);
}
