#pragma once

#include "core/simulator.h"
#include "forms/server_settings_form.h"
#include "ui/support/dlg_base.h"

#include <functional>

// "Server Settings": the server-wide settings, and the way to the timing, file locations, default race,
// schedule and results publishing dialogs. OK stores the settings and the allowed connection types of each
// installed simulator.
class CDlgServerSettings : public CDlgBase {
public:
    enum ControlId {
        IDC_HOST_NAME = 7100,
        IDC_ADMIN_PASSWORD = 7101,
        IDC_WON_NAME = 7102,
        IDC_WON_PASSWORD = 7103,
        IDC_MAX_CONNECTIONS = 7104,
        IDC_FIELD_SIZE = 7105,
        IDC_CHECK_LATENCY = 7106,
        IDC_MILLISECS = 7107,
        IDC_CONNECT_IPX = 7108,
        IDC_CONNECT_TCP = 7109,
        IDC_CONNECT_NET = 7110,
        IDC_SHOW_DISPLAY = 7111,
        IDC_ARENA_N3 = 7112,
        IDC_ARENA_NL = 7113,
        IDC_RESULTS_TO_HTML = 7114,
        IDC_TEST_HTML_N3 = 7115,
        IDC_TEST_HTML_NL = 7116,
        IDC_ADDED_PARAMS = 7117,
        IDC_TIMING_SETTINGS = 7118,
        IDC_FILE_LOCATIONS = 7119,
        IDC_DEFAULT_RACE = 7120,
        IDC_EDIT_SCHEDULE = 7121,
        IDC_UNATTENDED_RUNNING = 7125,
        IDC_SECURITY = 7814,
    };

    // Runs a further settings dialog modally and gives its result.
    using DialogRun = std::function<int(wxDialog& dialog)>;

    explicit CDlgServerSettings(wxWindow* parent);
    // With the further dialogs run by the given hands (tests).
    CDlgServerSettings(wxWindow* parent, DialogRun runDialog);

    void OnOK();
    void OnTimingSettings();
    void OnFileLocations();
    void OnDefaultRace();
    void OnEditSchedule();
    void OnTestHtml(SimulatorValue simulator);
    void OnUnattendedRunning();

private:
    void CreateControls();
    void OnInitDialog(wxInitDialogEvent& event) override;

    DialogRun m_runDialog;
    ServerSettingsForm m_form;
};
