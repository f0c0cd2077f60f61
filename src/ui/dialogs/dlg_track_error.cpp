#include "ui/dialogs/dlg_track_error.h"

#include "forms/track_error_form.h"
#include "platform/messages.h"

#include <wx/button.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {
constexpr int templateId = 146;
const wxSize dialogSize(231, 127);
} // namespace

CDlgTrackError::CDlgTrackError(int itemNumber, const std::string& trackId, const std::string& simulatorName,
                               wxWindow* parent)
    : wxDialog(parent, templateId, "Track Error"), m_itemNumber(itemNumber), m_simulatorName(simulatorName),
      m_trackId(trackId) {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    auto place = [this](wxWindow* control, int x, int y, int width, int height) {
        control->SetSize(
            wxRect(ConvertDialogToPixels(wxPoint(x, y)), ConvertDialogToPixels(wxSize(width, height))));
    };
    // The lines keep their place when their texts are set, so the first one wraps inside it.
    place(new wxStaticText(this, IDC_FIRST_LINE, "", {}, {}, wxST_NO_AUTORESIZE), 10, 8, 211, 28);
    place(new wxStaticText(this, IDC_SECOND_LINE, "", {}, {}, wxST_NO_AUTORESIZE), 10, 42, 211, 10);
    place(new wxStaticText(this, wxID_STATIC, "Enter the track name here:"), 10, 62, 211, 10);
    m_nameField = new wxTextCtrl(this, IDC_TRACK_NAME);
    m_nameField->SetMaxLength(TrackNameLimit);
    place(m_nameField, 10, 74, 211, 14);
    auto* ok = new wxButton(this, wxID_OK, "OK");
    place(ok, 90, 102, 50, 14);
    ok->SetDefault();

    Bind(wxEVT_INIT_DIALOG, &CDlgTrackError::OnInitDialog, this);
    Bind(wxEVT_BUTTON, &CDlgTrackError::OnOK, this, wxID_OK);
    Bind(wxEVT_CHAR_HOOK, &CDlgTrackError::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &CDlgTrackError::OnClose, this);
}

void CDlgTrackError::OnInitDialog(wxInitDialogEvent& event) {
    auto* firstLine = static_cast<wxStaticText*>(FindWindow(IDC_FIRST_LINE));
    firstLine->SetLabel(wxString::FromUTF8(TrackErrorFirstLine(m_itemNumber, m_simulatorName)));
    firstLine->Wrap(firstLine->GetSize().GetWidth());
    FindWindow(IDC_SECOND_LINE)->SetLabel(wxString::FromUTF8(TrackErrorSecondLine(m_trackId)));
    m_trackName.clear();
    m_nameField->ChangeValue("");
    m_nameField->SetFocus();
    MessageBeep();
    event.Skip();
}

void CDlgTrackError::OnOK(wxCommandEvent&) {
    std::string name = m_nameField->GetValue().utf8_string();
    if (!name.empty()) {
        m_trackName = name;
        Finish(wxID_OK);
        return;
    }
    m_nameField->SetFocus();
    MessageBeep();
    ShowMessage(TrackNameRequired);
}

void CDlgTrackError::OnCharHook(wxKeyEvent& event) {
    // Escape cancels: it must not pass for the dialog's only button, OK.
    if (event.GetKeyCode() == WXK_ESCAPE) {
        Finish(wxID_CANCEL);
        return;
    }
    event.Skip();
}

void CDlgTrackError::OnClose(wxCloseEvent&) {
    Finish(wxID_CANCEL);
}

void CDlgTrackError::Finish(int result) {
    if (result != wxID_OK)
        m_trackName.clear();
    if (IsModal()) {
        EndModal(result);
    } else {
        SetReturnCode(result);
        Hide();
    }
}
