#pragma once

#include "forms/file_locations_form.h"
#include "ui/support/dlg_base.h"

#include <functional>
#include <optional>
#include <string>

// "File Locations": where each simulator and its calendar, invite and muzzle list files are expected.
// A program path may be browsed for or looked up again in the registry, but neither OK nor Cancel
// stores anything: the program keeps looking where the settings file says. "Check Installation..."
// shows whether everything a schedule needs is in place, as "quorva-run --check" tells it.
class CDlgFileLocations : public CDlgBase {
public:
    enum ControlId {
        IDC_PATH_N3 = 7300,
        IDC_CALENDAR_N3 = 7301,
        IDC_INVITE_N3 = 7302,
        IDC_MUZZLE_N3 = 7303,
        IDC_PATH_NL = 7304,
        IDC_CALENDAR_NL = 7305,
        IDC_INVITE_NL = 7306,
        IDC_MUZZLE_NL = 7307,
        IDC_RESTORE_N3 = 7815,
        IDC_BROWSE_N3 = 7816,
        IDC_BROWSE_NL = 7817,
        IDC_RESTORE_NL = 7818,
        IDC_CHECK_INSTALLATION = 7819,
    };

    // Asks the operator for a folder; nothing when the operator cancels.
    using FolderChooser = std::function<std::optional<std::string>(wxWindow* owner)>;
    // Runs the report dialog modally.
    using DialogRun = std::function<int(wxDialog& dialog)>;

    explicit CDlgFileLocations(wxWindow* parent);
    // With the folder browser, and the run of the report dialog, replaced (tests).
    CDlgFileLocations(wxWindow* parent, FolderChooser chooseFolder, DialogRun runReport = RunModally);

    void OnBrowse(SimulatorValue simulator);
    void OnRestoreFromRegistry(SimulatorValue simulator);
    void OnCheckInstallation();
    void OnOK();

private:
    void OnInitDialog(wxInitDialogEvent& event) override;

    static int RunModally(wxDialog& dialog);

    FolderChooser m_chooseFolder;
    DialogRun m_runReport;
    FileLocationsForm m_form;
};
