#pragma once

#include "forms/unattended_running_form.h"

#include <wx/dialog.h>

// "Unattended Running": where every race's results are kept for the league, the league's name on the
// pages, and how long a race may run before its simulator is ended. OK stores the first two in section
// [PUBLISH] and the last in [WATCHDOG]; they take effect when Quorva next starts a schedule.
class CDlgPublish : public wxDialog {
public:
    enum ControlId {
        IDC_PUBLISH_FOLDER = 7130,
        IDC_PUBLISH_TITLE = 7131,
        IDC_MAX_RACE_MINUTES = 7132,
    };

    explicit CDlgPublish(wxWindow* parent);

    void OnOK();

private:
    UnattendedRunningForm m_form;
};
