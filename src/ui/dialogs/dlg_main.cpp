#include "ui/dialogs/dlg_main.h"

#include "core/app_state.h"
#include "platform/module_version.h"
#include "resources/pictures.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "ui/dialogs/dlg_about.h"
#include "ui/dialogs/dlg_sched_running.h"
#include "ui/dialogs/dlg_server_settings.h"
#include "ui/support/program_icon.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/stattext.h>

namespace {

constexpr int templateId = 102;
const wxSize dialogSize(400, 301);

int RunScheduleDialog(wxWindow* owner) {
    CDlgSchedRunning running(owner);
    return running.ShowModal();
}

} // namespace

wxString ProgramCopyright() {
    CModuleVersion version;
    if (!version.GetFileVersionInfo(""))
        return "Copyright notice not found.";
    return wxString::FromUTF8(version.GetValue("LegalCopyright"));
}

CDlgMain::CDlgMain(wxWindow* parent) : CDlgMain(parent, RunScheduleDialog) {}

void CDlgMain::RunServerSettings(wxWindow* owner) {
    CDlgServerSettings settings(owner);
    settings.ShowModal();
}

CDlgMain::CDlgMain(wxWindow* parent, ScheduleRun runSchedule, SettingsRun runSettings)
    : CDlgBitmap(templateId, parent, "", dialogSize), m_runSchedule(std::move(runSchedule)),
      m_runSettings(std::move(runSettings)) {
    auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    auto* serverInfo = new wxButton(this, IDC_SERVER_INFO, "Server Info...", at(125, 170), size(150, 24));
    auto* start = new wxButton(this, IDC_START_SCHEDULE, "Start Schedule...", at(125, 200), size(150, 24));
    new wxListBox(this, IDC_HIDDEN_LIST, at(50, 250), size(300, 12));
    new wxStaticText(this, IDC_COPYRIGHT, "", at(50, 250), size(300, 12),
                     wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_STATIC);
    auto* exit = new wxButton(this, wxID_OK, "Exit", at(175, 276), size(50, 14));
    exit->SetDefault();
    SetIcon(ProgramIcon());
    serverInfo->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnServerInfo(); });
    start->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnStartSchedule(); });
    exit->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Exit(); });
    Bind(wxEVT_CONTEXT_MENU, &CDlgMain::OnContextMenu, this);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { CDlgAbout(this).ShowModal(); }, IDM_ABOUTBOX);
}

void CDlgMain::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBitmap::OnInitDialog(event);
    if (Server && Server->UseBitmap != 0)
        SetBitmap(IDB_BACKGROUND, Stretch);
    auto* list = static_cast<wxListBox*>(FindWindow(IDC_HIDDEN_LIST));
    list->Clear();
    list->SetSelection(wxNOT_FOUND);
    list->Disable();
    list->Hide();
    UpdateStartButton();
    SetTitle("Quorva, v" + wxString::FromUTF8(ProgramVersion));
    FindWindow(IDC_COPYRIGHT)->SetLabel(ProgramCopyright());
    // The schedule starts once the window is up, so a run that ends the program ends a shown dialog.
    if (Server && Server->AutoStart != 0 && !EventList.empty())
        CallAfter(&CDlgMain::OnStartSchedule);
}

void CDlgMain::UpdateStartButton() {
    FindWindow(IDC_START_SCHEDULE)->Enable(ScheduleLoaded);
}

void CDlgMain::OnServerInfo() {
    m_runSettings(this);
    // The settings dialog may have stored a schedule, or emptied it.
    UpdateStartButton();
}

void CDlgMain::OnStartSchedule() {
    if (m_runSchedule(this) == RunResultShutDown)
        Exit();
}

void CDlgMain::Exit() {
    if (IsModal())
        EndModal(wxID_OK);
    else
        SetReturnCode(wxID_OK);
}

void CDlgMain::OnContextMenu(wxContextMenuEvent&) {
    std::string about = LoadString(IDS_ABOUTBOX);
    if (about.empty())
        return;
    wxMenu menu;
    menu.AppendSeparator();
    menu.Append(IDM_ABOUTBOX, wxString::FromUTF8(about));
    PopupMenu(&menu);
}
