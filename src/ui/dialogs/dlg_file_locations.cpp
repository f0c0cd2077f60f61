#include "ui/dialogs/dlg_file_locations.h"

#include "core/app_state.h"
#include "settings/install_lookup.h"
#include "startup/installation_check.h"
#include "ui/dialogs/dlg_check_report.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/dlg_folder_browse.h"
#include "ui/support/next_run_note.h"
#include "ui/support/record_fields.h"
#include "ui/support/typing_limit.h"

#include <wx/busyinfo.h>
#include <wx/button.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int templateId = 147;
const wxSize dialogSize(400, 300);
constexpr int pathLength = 512;

std::optional<std::string> BrowseForFolder(wxWindow* owner) {
    CDlgFolderBrowse browser(owner);
    browser.SetTitle("Browse For Path");
    browser.SetFolderLabel("");
    if (browser.ShowModal() != wxID_OK)
        return std::nullopt;
    return browser.GetPath();
}

FieldControl FieldOf(size_t index) {
    return {CDlgFileLocations::IDC_PATH_N3 + static_cast<int>(index), FieldKind::Text, 0, 0, pathLength};
}

} // namespace

CDlgFileLocations::CDlgFileLocations(wxWindow* parent) : CDlgFileLocations(parent, BrowseForFolder) {}

CDlgFileLocations::CDlgFileLocations(wxWindow* parent, FolderChooser chooseFolder, DialogRun runReport)
    : CDlgBase(templateId, parent, "File Locations", dialogSize), m_chooseFolder(std::move(chooseFolder)),
      m_runReport(std::move(runReport)) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    const char* const labels[] = {"Program path", "Calendar file", "Invite list file", "Muzzle list file"};
    for (int sim = 0; sim < 2; ++sim) {
        int top = 7 + sim * 78;
        int firstId = sim == 0 ? IDC_PATH_N3 : IDC_PATH_NL;
        new wxStaticBox(this, wxID_ANY, sim == 0 ? "Nascar Racing 3" : "Nascar Legends", at(7, top),
                        size(386, 72));
        for (int row = 0; row < 4; ++row) {
            int y = top + 12 + row * 14;
            new wxStaticText(this, wxID_ANY, labels[row], at(13, y + 2), size(64, 8));
            // Only the program path may be changed; the files are named after it.
            auto* field = new wxTextCtrl(this, firstId + row, "", at(80, y), size(row == 0 ? 172 : 306, 12),
                                         row == 0 ? 0 : wxTE_READONLY);
            LimitTyping(field, pathLength);
        }
        new wxButton(this, sim == 0 ? IDC_BROWSE_N3 : IDC_BROWSE_NL, "...", at(256, top + 11), size(24, 14));
        new wxButton(this, sim == 0 ? IDC_RESTORE_N3 : IDC_RESTORE_NL, "Restore From Registry",
                     at(284, top + 11), size(103, 14));
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
    DialogLayout place(this);
    place.Button(IDC_CHECK_INSTALLATION, "Check Installation...", 7, 278, 80);
    AddNextRunNote(*this, 92, 274, 190, 24);
    place.OkCancel(287, 278);

    FindWindow(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); });
    FindWindow(IDC_CHECK_INSTALLATION)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        OnCheckInstallation();
    });
    for (int sim = 0; sim < 2; ++sim) {
        FindWindow(sim == 0 ? IDC_BROWSE_N3 : IDC_BROWSE_NL)
            ->Bind(wxEVT_BUTTON, [this, sim](wxCommandEvent&) { OnBrowse(sim); });
        FindWindow(sim == 0 ? IDC_RESTORE_N3 : IDC_RESTORE_NL)
            ->Bind(wxEVT_BUTTON, [this, sim](wxCommandEvent&) { OnRestoreFromRegistry(sim); });
    }
}

void CDlgFileLocations::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("File Locations, v" + wxString::FromUTF8(ProgramVersion));
    m_values = {Server->PathN3, Server->CalendarFileN3, Server->InviteFileN3, Server->MuzzleFileN3,
                Server->PathNL, Server->CalendarFileNL, Server->InviteFileNL, Server->MuzzleFileNL};
    ShowValues();
}

void CDlgFileLocations::ShowValues() {
    for (size_t k = 0; k < m_values.size(); ++k)
        ShowFieldValue(this, FieldOf(k), {0, m_values[k]});
}

void CDlgFileLocations::OnBrowse(int simulator) {
    std::optional<std::string> folder = m_chooseFolder(this);
    if (!folder)
        return;
    static_cast<wxTextCtrl*>(FindWindow(simulator == 0 ? IDC_PATH_N3 : IDC_PATH_NL))
        ->ChangeValue(wxString::FromUTF8(*folder));
}

void CDlgFileLocations::OnRestoreFromRegistry(int simulator) {
    m_values[simulator == 0 ? 0 : 4] = LookupInstallPath(simulator == 0 ? InstallItemN3 : InstallItemNL);
    ShowValues();
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
    for (size_t k = 0; k < m_values.size(); ++k) {
        FieldValue value{0, m_values[k]};
        if (!ReadFieldValue(this, FieldOf(k), value))
            return;
        m_values[k] = value.text;
    }
    FinishDialog(*this, wxID_OK);
}
