#include "ui/dialogs/dlg_check_report.h"

#include "startup/installation_check.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const wxSize reportSize(440, 220);
constexpr int margin = 7;

// Paths come from the settings file as stored, which may be Windows-1252 rather than UTF-8.
wxString Shown(const std::string& text) {
    wxString shown = wxString::FromUTF8(text);
    return shown.empty() && !text.empty() ? wxString(text.c_str(), wxCSConv(wxFONTENCODING_CP1252)) : shown;
}

} // namespace

CDlgCheckReport::CDlgCheckReport(const InstallationReport& report, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, "Installation Check", wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
    int border = ConvertDialogToPixels(wxSize(margin, 0)).GetWidth();
    auto* verdict = new wxStaticText(this, IDC_CHECK_VERDICT, Shown(VerdictText(report)));
    verdict->SetFont(verdict->GetFont().Bold());
    // Fixed-width letters keep the status marks in one column; long lines wrap, so what to do is seen.
    auto* text =
        new wxTextCtrl(this, IDC_CHECK_REPORT, Shown(FormatReport(report)), wxDefaultPosition,
                       ConvertDialogToPixels(reportSize), wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL);
    text->SetFont(wxFontInfo(text->GetFont().GetPointSize()).Family(wxFONTFAMILY_TELETYPE));
    text->SetInsertionPoint(0);
    auto* ok = new wxButton(this, wxID_OK, "OK", wxDefaultPosition, ConvertDialogToPixels(wxSize(50, 14)));
    ok->SetDefault();

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(verdict, 0, wxALL, border);
    column->Add(text, 1, wxEXPAND | wxLEFT | wxRIGHT, border);
    column->Add(ok, 0, wxALIGN_CENTER | wxALL, border);
    SetSizerAndFit(column);
    CentreOnParent();
}
