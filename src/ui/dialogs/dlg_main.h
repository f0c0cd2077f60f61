#pragma once

#include "ui/support/dlg_bitmap.h"

#include <functional>

// The program's window: "Server Info..." opens the settings, "Start Schedule..." runs the schedule in the
// running dialog, "Exit" ends the program, and its context menu opens the About box (GTK gives programs no
// window menu to put it in).
class CDlgMain : public CDlgBitmap {
public:
    enum ControlId {
        IDC_SERVER_INFO = 7000,
        IDC_START_SCHEDULE = 7001,
        IDC_HIDDEN_LIST = 7002,
        IDC_COPYRIGHT = 7808,
        IDM_ABOUTBOX = 16,
    };

    // Runs the running dialog over the main dialog and gives its result.
    using ScheduleRun = std::function<int(wxWindow* owner)>;
    // Runs the server settings dialog over the main dialog.
    using SettingsRun = std::function<void(wxWindow* owner)>;

    explicit CDlgMain(wxWindow* parent);
    // With the running dialog, and the settings dialog, replaced (tests).
    CDlgMain(wxWindow* parent, ScheduleRun runSchedule, SettingsRun runSettings = RunServerSettings);

    static void RunServerSettings(wxWindow* owner);

    void UpdateStartButton();
    void OnServerInfo();
    void OnStartSchedule();
    // Exit: the dialog ends, and with it the program.
    void Exit();

private:
    void OnInitDialog(wxInitDialogEvent& event) override;
    void OnContextMenu(wxContextMenuEvent& event);

    ScheduleRun m_runSchedule;
    SettingsRun m_runSettings;
};

// The copyright line of the program's own version block, or "Copyright notice not found.".
wxString ProgramCopyright();
