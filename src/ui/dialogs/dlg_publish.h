#pragma once

#include "settings/publish_settings.h"

#include <wx/dialog.h>

// "Results Publishing": where every race's results are kept for the league, and the league's name on
// the pages. OK stores both in section [PUBLISH]; they take effect when Quorva next starts a schedule.
class CDlgPublish : public wxDialog {
public:
    enum ControlId {
        IDC_PUBLISH_FOLDER = 7130,
        IDC_PUBLISH_TITLE = 7131,
    };

    explicit CDlgPublish(wxWindow* parent);

    void OnOK();

private:
    PUBLISH m_values;
};
