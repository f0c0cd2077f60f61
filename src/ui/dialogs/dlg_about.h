#pragma once

#include <wx/dialog.h>

#include <string>

class CHyperLink;

// "About Quorva": the program's version and copyright, and links to its pages.
class CDlgAbout : public wxDialog {
public:
    enum ControlId {
        IDC_VERSION_LINE = 7800,
        IDC_WEB_PAGE = 7803,
        IDC_ALTERNATE_PAGE = 7804,
        IDC_EMAIL = 7805,
        IDC_COPYRIGHT = 7808,
    };

    explicit CDlgAbout(wxWindow* parent);

    CHyperLink* Link(int id) const;
};

// The links' targets: the README in the program's folder, the same file through the local host, and a
// mail to the program's maintainers.
std::string AboutWebPage();
std::string AboutAlternatePage();
inline constexpr const char* AboutEmail = "mailto:quorva@localhost";
