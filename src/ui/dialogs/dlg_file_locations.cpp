#include "ui/dialogs/dlg_file_locations.h"

#include "core/app_state.h"
#include "startup/installation_check.h"
#include "ui/dialogs/dlg_check_report.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/dlg_folder_browse.h"
#include "ui/support/form_controls.h"
#include "ui/support/next_run_note.h"

#include <wx/busyinfo.h>
#include <wx/button.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 147;
const wxSize dialogSize(400, 300);

std::optional<std::string> BrowseForFolder(wxWindow* owner) {
    CDlgFolderBrowse browser(owner);
    browser.SetTitle("Browse For Path");
    browser.SetFolderLabel("");
    if (browser.ShowModal() != wxID_OK)
        return std::nullopt;
    return browser.GetPath();
}

using Dlg = CDlgFileLocations;

const FieldControlId controls[] = {
    {"path_n3", Dlg::IDC_PATH_N3},     {"calendar_n3", Dlg::IDC_CALENDAR_N3},
    {"invite_n3", Dlg::IDC_INVITE_N3}, {"muzzle_n3", Dlg::IDC_MUZZLE_N3},
    {"path_nl", Dlg::IDC_PATH_NL},     {"calendar_nl", Dlg::IDC_CALENDAR_NL},
    {"invite_nl", Dlg::IDC_INVITE_NL}, {"muzzle_nl", Dlg::IDC_MUZZLE_NL},
};

// Each simulator's buttons and program path, by its value.
struct SimulatorButtons {
    int browse;
    int restore;
    int path;
};
const SimulatorButtons simulatorButtons[] = {
    {CDlgFileLocations::IDC_BROWSE_N3, CDlgFileLocations::IDC_RESTORE_N3, CDlgFileLocations::IDC_PATH_N3},
    {CDlgFileLocations::IDC_BROWSE_NL, CDlgFileLocations::IDC_RESTORE_NL, CDlgFileLocations::IDC_PATH_NL},
};

} // namespace

CDlgFileLocations::CDlgFileLocations(wxWindow* parent) : CDlgFileLocations(parent, BrowseForFolder) {}

CDlgFileLocations::CDlgFileLocations(wxWindow* parent, FolderChooser chooseFolder, DialogRun runReport)
    : CDlgBase(templateId, parent, "File Locations", dialogSize), m_chooseFolder(std::move(chooseFolder)),
      m_runReport(std::move(runReport)) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    for (const Simulator& simulator : Simulators) {
        int sim = simulator.value;
        int top = 7 + sim * 78;
        new wxStaticBox(this, wxID_ANY, simulator.label, at(7, top), size(386, 72));
        for (int row = 0; row < 4; ++row) {
            int y = top + 12 + row * 14;
            const FieldControlId& control = controls[sim * 4 + row];
            new wxStaticText(this, wxID_ANY, m_form.Field(control.key).label, at(13, y + 2), size(64, 8));
            // The program path leaves room for its buttons.
            new wxTextCtrl(this, control.id, "", at(80, y), size(row == 0 ? 172 : 306, 12));
        }
        new wxButton(this, simulatorButtons[sim].browse, "...", at(256, top + 11), size(24, 14));
        new wxButton(this, simulatorButtons[sim].restore, "Restore From Registry", at(284, top + 11),
                     size(103, 14));
    }
    const std::pair<const char*, int> notes[] = {
        {"If either of the program paths above read \"\"Path not found\"\", it means that the sim either is "
         "not "
         "installed, or was not installed correctly.  Sierra's install program makes registry entries which "
         "this program requires for proper operation.",
         28},
        {"At this time, the \"file\" fields above cannot be changed. If anyone can present a good argument "
         "supporting the ability to change the filenames and/or locations, I'll more than likely support it.",
         28},
        {"Lastly, all files specified above MUST exist in \"Program path\" for the associated simulator.",
         10}};
    int y = 166;
    for (auto [text, height] : notes) {
        auto* note = new wxStaticText(this, wxID_ANY, text, at(7, y), size(386, height));
        note->Wrap(size(386, height).GetWidth());
        y += height + 6;
    }
    LimitFormTyping(this, m_form, controls);
    DialogLayout place(this);
    place.Button(IDC_CHECK_INSTALLATION, "Check Installation...", 7, 278, 80);
    AddNextRunNote(*this, 92, 274, 190, 24);
    place.OkCancel(287, 278);

    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    FindWindow(IDC_CHECK_INSTALLATION)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        OnCheckInstallation();
    });
    for (const Simulator& simulator : Simulators) {
        SimulatorValue sim = simulator.value;
        FindWindow(simulatorButtons[sim].browse)->Bind(wxEVT_BUTTON, [this, sim](wxCommandEvent&) {
            OnBrowse(sim);
        });
        FindWindow(simulatorButtons[sim].restore)->Bind(wxEVT_BUTTON, [this, sim](wxCommandEvent&) {
            OnRestoreFromRegistry(sim);
        });
    }
}

void CDlgFileLocations::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("File Locations, v" + wxString::FromUTF8(ProgramVersion));
    m_form = FileLocationsForm();
    ShowForm(this, m_form, controls);
}

void CDlgFileLocations::OnBrowse(SimulatorValue simulator) {
    std::optional<std::string> folder = m_chooseFolder(this);
    if (!folder)
        return;
    static_cast<wxTextCtrl*>(FindWindow(simulatorButtons[simulator].path))
        ->ChangeValue(wxString::FromUTF8(*folder));
}

void CDlgFileLocations::OnRestoreFromRegistry(SimulatorValue simulator) {
    m_form.RestoreFromRegistry(simulator);
    ShowForm(this, m_form, controls);
}

int CDlgFileLocations::RunModally(wxDialog& dialog) {
    return dialog.ShowModal();
}

void CDlgFileLocations::OnCheckInstallation() {
    std::optional<InstallationReport> report;
    {
        // Wine may take a minute to set up a new prefix.
        wxBusyInfo busy("Checking the installation; Wine may take a minute...", this);
        report = CheckInstallation(std::time(nullptr));
    }
    CDlgCheckReport dialog(*report, this);
    m_runReport(dialog);
}

void CDlgFileLocations::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        ShowFormProblem(this, *problem, controls);
        return;
    }
    FinishDialog(*this, wxID_OK);
}
