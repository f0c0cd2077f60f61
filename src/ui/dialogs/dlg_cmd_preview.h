#pragma once

#include <wx/dialog.h>

#include <string>

// "Command Line Options File Preview": shows, read-only, the options text a race would be given.
class CDlgCmdPreview : public wxDialog {
public:
    enum ControlId { IDC_PREVIEW_TEXT = 7809 };

    CDlgCmdPreview(const std::string& text, wxWindow* parent);
};
