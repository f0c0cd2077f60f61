#pragma once

#include <wx/dialog.h>

struct InstallationReport;

// "Installation Check": the installation check's verdict above its report, one line per point,
// read-only.
class CDlgCheckReport : public wxDialog {
public:
    enum ControlId { IDC_CHECK_VERDICT = 7820, IDC_CHECK_REPORT = 7821 };

    CDlgCheckReport(const InstallationReport& report, wxWindow* parent);
};
