#include "ui/dialogs/dlg_publish.h"

#include "platform/messages.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/typing_limit.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 160;
const wxSize dialogSize(260, 96);
constexpr int folderLength = 254;
constexpr int titleLength = 79;

} // namespace

CDlgPublish::CDlgPublish(wxWindow* parent)
    : wxDialog(parent, templateId, "Results Publishing"), m_values(Publish) {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    DialogLayout place(this);
    place.Label("Results folder (empty: \"results\" in the program folder)", 7, 7, 246);
    wxTextCtrl* folder = place.Edit(IDC_PUBLISH_FOLDER, 7, 19, 246);
    place.Label("League title (empty: the host name)", 7, 39, 246);
    wxTextCtrl* title = place.Edit(IDC_PUBLISH_TITLE, 7, 51, 246);
    folder->ChangeValue(wxString::FromUTF8(m_values.Folder));
    title->ChangeValue(wxString::FromUTF8(m_values.Title));
    LimitTyping(folder, folderLength);
    LimitTyping(title, titleLength);
    place.OkCancel(149, 75);
    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
}

void CDlgPublish::OnOK() {
    auto* folder = static_cast<wxTextCtrl*>(FindWindow(IDC_PUBLISH_FOLDER));
    auto* title = static_cast<wxTextCtrl*>(FindWindow(IDC_PUBLISH_TITLE));
    PUBLISH values{folder->GetValue().utf8_string(), title->GetValue().utf8_string()};
    PublishCheck check = CheckPublishSettings(values);
    if (check.field != PublishField::None) {
        MessageBeep();
        ShowMessage(check.message, MessageIcon::Warning);
        wxTextCtrl* field = check.field == PublishField::Folder ? folder : title;
        field->SetFocus();
        field->SelectAll();
        return;
    }
    Publish = values;
    WritePublishSettings();
    FinishDialog(*this, wxID_OK);
}
