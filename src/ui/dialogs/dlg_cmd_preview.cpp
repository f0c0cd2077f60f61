#include "ui/dialogs/dlg_cmd_preview.h"

#include "platform/text_mode.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace {
constexpr int templateId = 151;
const wxSize dialogSize(326, 173);
} // namespace

CDlgCmdPreview::CDlgCmdPreview(const std::string& text, wxWindow* parent)
    : wxDialog(parent, templateId, "Command Line Options File Preview") {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    auto* field =
        new wxTextCtrl(this, IDC_PREVIEW_TEXT, wxString::FromUTF8(LfToCrLf(text)),
                       ConvertDialogToPixels(wxPoint(7, 7)), ConvertDialogToPixels(wxSize(312, 136)),
                       wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL | wxBORDER_SUNKEN);
    field->SetInsertionPoint(0);
    auto* ok = new wxButton(this, wxID_OK, "OK", ConvertDialogToPixels(wxPoint(138, 152)),
                            ConvertDialogToPixels(wxSize(50, 14)));
    ok->SetDefault();
}
