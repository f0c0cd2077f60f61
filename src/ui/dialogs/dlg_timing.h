#pragma once

#include "forms/timing_form.h"

#include <wx/dialog.h>

// "Timing Settings": how the schedule is timed, and how it starts and ends. OK stores the settings in
// the server record and the settings file; Cancel changes nothing. Unlike the other dialogs it opens
// where the desktop puts it and leaves its owner where it is.
class CDlgTiming : public wxDialog {
public:
    enum ControlId {
        IDC_CONTINUOUS_LOOP = 7200,
        IDC_DAILY_TIME_MODE = 7201,
        IDC_SPECIFIC_MODE = 7202,
        IDC_DAILY_TIME = 7203,
        IDC_DAILY_PM = 7204,
        IDC_VERIFY_INTERVAL = 7205,
        IDC_START_TIME = 7206,
        IDC_STOP_TIME = 7207,
        IDC_START_PM = 7208,
        IDC_STOP_PM = 7209,
        IDC_STOP_AT_END = 7210,
        IDC_AUTO_TERMINATE = 7211,
        IDC_AUTO_START = 7212,
        IDC_REMEMBER_RACE = 7213,
        IDC_RACE_DELAY = 7700,
        IDC_LIMIT_TIME = 7806,
        IDC_DAILY_MEANING = 7832,
        IDC_START_MEANING = 7833,
        IDC_STOP_MEANING = 7834,
    };

    explicit CDlgTiming(wxWindow* parent);

    void OnOK();

private:
    void CreateControls();
    void OnInitDialog(wxInitDialogEvent& event);

    TimingForm m_form;
};
