#include "ui/dialogs/dlg_about.h"

#include "core/path_helpers.h"
#include "platform/module_version.h"
#include "ui/dialogs/dlg_main.h"
#include "ui/support/hyper_link.h"
#include "ui/support/program_icon.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 100;
const wxSize dialogSize(301, 108);

} // namespace

std::string AboutWebPage() {
    return "file://" + GetProgramFolder() + "README.md";
}

std::string AboutAlternatePage() {
    return "file://localhost" + GetProgramFolder() + "README.md";
}

CDlgAbout::CDlgAbout(wxWindow* parent) : wxDialog(parent, templateId, "About Quorva") {
    SetClientSize(ConvertDialogToPixels(dialogSize));
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    wxIcon icon = ProgramIcon();
    new wxStaticBitmap(this, wxID_ANY, icon, at(11, 10));
    CModuleVersion version;
    bool read = version.GetFileVersionInfo("");
    std::string number = read ? version.GetValue("ProductVersion") : "0.00";
    new wxStaticText(this, IDC_VERSION_LINE, wxString::FromUTF8("Quorva, Version " + number), at(40, 10),
                     size(250, 8), wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    struct LinkSpec {
        int id;
        const char* label;
        std::string url;
        int y;
    };
    for (const LinkSpec& spec : {LinkSpec{IDC_WEB_PAGE, "Quorva Web Page", AboutWebPage(), 26},
                                 LinkSpec{IDC_ALTERNATE_PAGE, "( Alternate URL )", AboutAlternatePage(), 38},
                                 LinkSpec{IDC_EMAIL, "E-mail Author", AboutEmail, 50}}) {
        auto* link = new CHyperLink(this, spec.id, spec.label, at(40, spec.y), size(250, 9),
                                    wxALIGN_CENTRE_HORIZONTAL);
        link->SetUnderline(false);
        link->SetURL(spec.url);
    }
    new wxStaticText(this, IDC_COPYRIGHT, ProgramCopyright(), at(40, 66), size(250, 8),
                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
    auto* ok = new wxButton(this, wxID_OK, "OK", at(125, 86), size(50, 14));
    ok->SetDefault();
}

CHyperLink* CDlgAbout::Link(int id) const {
    return dynamic_cast<CHyperLink*>(FindWindow(id));
}
