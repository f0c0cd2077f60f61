#include "ui/dialogs/dlg_server_settings.h"

#include "core/app_state.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "results/html_results.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"
#include "simfiles/options_cfg.h"
#include "ui/dialogs/dlg_default_race.h"
#include "ui/dialogs/dlg_file_locations.h"
#include "ui/dialogs/dlg_publish.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_timing.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/next_run_note.h"
#include "ui/support/record_fields.h"

#include <wx/choice.h>

namespace {

constexpr int templateId = 129;
const wxSize dialogSize(400, 300);
constexpr int nameLength = 12;
constexpr int addedParamsLength = 80;

using Dlg = CDlgServerSettings;
using ServerField = RecordField<SERVER>;

// The fields in the order they are read; the first that fails its check stops the reading.
const ServerField readingOrder[] = {
    {{Dlg::IDC_ADMIN_PASSWORD, FieldKind::Text, 0, 0, nameLength, "admin password"},
     nullptr,
     &SERVER::AdminPassword},
    {{Dlg::IDC_CHECK_LATENCY, FieldKind::Check}, &SERVER::CheckLatency},
    {{Dlg::IDC_CONNECT_IPX, FieldKind::Check}, &SERVER::ConnectIPX},
    {{Dlg::IDC_CONNECT_NET, FieldKind::Check}, &SERVER::ConnectNET},
    {{Dlg::IDC_CONNECT_TCP, FieldKind::Check}, &SERVER::ConnectTCP},
    {{Dlg::IDC_FIELD_SIZE, FieldKind::Integer, 1, 43}, &SERVER::FieldSize},
    {{Dlg::IDC_HOST_NAME, FieldKind::Text, 0, 0, nameLength, "host name"}, nullptr, &SERVER::HostName},
    {{Dlg::IDC_MAX_CONNECTIONS, FieldKind::Integer, 1, 42}, &SERVER::MaxConnections},
    {{Dlg::IDC_MILLISECS, FieldKind::Integer, 0, 500}, &SERVER::Millisecs},
    {{Dlg::IDC_RESULTS_TO_HTML, FieldKind::Check}, &SERVER::ResultsToHTML},
    {{Dlg::IDC_SHOW_DISPLAY, FieldKind::Check}, &SERVER::ShowDisplay},
    {{Dlg::IDC_WON_NAME, FieldKind::Text, 0, 0, nameLength, "WON login name"}, nullptr, &SERVER::WonName},
    {{Dlg::IDC_WON_PASSWORD, FieldKind::Text, 0, 0, nameLength, "WON login password"},
     nullptr,
     &SERVER::WonPassword},
    {{Dlg::IDC_ADDED_PARAMS, FieldKind::Text, 0, 0, addedParamsLength, nullptr, false,
      "additional commandline parameters"},
     nullptr,
     &SERVER::AddedParams},
    {{Dlg::IDC_SECURITY, FieldKind::Integer, 0, 5}, &SERVER::Security},
};

int RunModally(wxDialog& dialog) {
    return dialog.ShowModal();
}

} // namespace

CDlgServerSettings::CDlgServerSettings(wxWindow* parent) : CDlgServerSettings(parent, RunModally) {}

CDlgServerSettings::CDlgServerSettings(wxWindow* parent, DialogRun runDialog)
    : CDlgBase(templateId, parent, "Server Settings", dialogSize), m_runDialog(std::move(runDialog)) {
    CreateControls();
    LimitTextTyping<SERVER>(this, readingOrder);
    const std::pair<int, std::function<void()>> actions[] = {
        {wxID_OK, [this] { OnOK(); }},
        {IDC_TIMING_SETTINGS, [this] { OnTimingSettings(); }},
        {IDC_FILE_LOCATIONS, [this] { OnFileLocations(); }},
        {IDC_DEFAULT_RACE, [this] { OnDefaultRace(); }},
        {IDC_EDIT_SCHEDULE, [this] { OnEditSchedule(); }},
        {IDC_TEST_HTML_N3, [this] { OnTestHtml(0); }},
        {IDC_TEST_HTML_NL, [this] { OnTestHtml(1); }},
        {IDC_UNATTENDED_RUNNING, [this] { OnUnattendedRunning(); }}};
    for (const auto& [id, action] : actions)
        FindWindow(id)->Bind(wxEVT_BUTTON, [run = action](wxCommandEvent&) { run(); });
}

void CDlgServerSettings::CreateControls() {
    DialogLayout place(this);
    place.Group("Administrative", 7, 7, 190, 72);
    const std::pair<int, const char*> names[] = {{IDC_HOST_NAME, "Host name:"},
                                                 {IDC_ADMIN_PASSWORD, "Admin password"},
                                                 {IDC_WON_NAME, "WON login name"},
                                                 {IDC_WON_PASSWORD, "WON login password"}};
    int y = 19;
    for (auto [id, text] : names) {
        place.Label(text, 13, y, 80);
        place.Edit(id, 95, y, 95);
        y += 14;
    }
    place.Group("Connections", 7, 83, 190, 84);
    place.Label("Max connections (1-42)", 13, 95, 120);
    place.Edit(IDC_MAX_CONNECTIONS, 150, 95, 30);
    place.Label("Field size (1-43)", 13, 109, 120);
    place.Edit(IDC_FIELD_SIZE, 150, 109, 30);
    place.Check(IDC_CHECK_LATENCY, "Max latency of ", 13, 125, 68);
    place.Edit(IDC_MILLISECS, 83, 123, 30);
    place.Label("ms (0-500)", 117, 123, 60);
    place.Label("Security (0-5)", 13, 137, 120);
    place.Edit(IDC_SECURITY, 150, 137, 30);
    place.Label("(recommended values, 0 or 1)", 13, 151, 170);
    place.Group("Allowed Connection Types", 7, 171, 190, 26);
    place.Check(IDC_CONNECT_IPX, "IPX", 13, 183, 40);
    place.Check(IDC_CONNECT_TCP, "TCP/IP", 60, 183, 50);
    place.Check(IDC_CONNECT_NET, "Internet (WON)", 115, 183, 76);

    place.Group("Arena", 203, 7, 190, 44);
    place.Label("Nascar Racing 3", 209, 19, 76);
    place.Label("Nascar Legends", 209, 34, 76);
    for (auto [id, first] :
         {std::pair{IDC_ARENA_N3, IDS_ARENA_N3_FIRST}, {IDC_ARENA_NL, IDS_ARENA_NL_FIRST}}) {
        auto* arenas =
            new wxChoice(this, id, place.At(290, id == IDC_ARENA_N3 ? 18 : 33), place.Size(96, 12));
        for (int k = 0; k < ArenaNameCount; ++k)
            arenas->Append(wxString::FromUTF8(LoadString(first + k)));
        arenas->Append(wxString::FromUTF8(LoadString(IDS_ARENA_INVISIBLE)));
    }
    place.Group("General", 203, 55, 190, 90);
    place.Check(IDC_RESULTS_TO_HTML, "Convert results to HTML", 209, 67, 178);
    place.Note(
        "Conversion to HTML does not occurr if race results are not saved (see default race configuration "
        "dialog box).",
        221, 79, 166, 26);
    place.Button(IDC_TEST_HTML_N3, "Test HTML (N3)", 209, 107, 85);
    place.Button(IDC_TEST_HTML_NL, "Test HTML (NL)", 300, 107, 86);
    place.Check(IDC_SHOW_DISPLAY, "Show display (may not work in final patch)", 209, 127, 178);
    place.Label("Additional commandline parameters (80 characters max)", 203, 150, 190);
    place.Edit(IDC_ADDED_PARAMS, 203, 162, 190);
    place.Note(
        "Contents of this field are appended to the end of the commandline generated by Quorva for EVERY "
        "race.",
        203, 177, 190, 18);

    place.Button(IDC_TIMING_SETTINGS, "Timing Settings...", 7, 209, 92);
    place.Button(IDC_FILE_LOCATIONS, "File Locations...", 105, 209, 92);
    place.Button(IDC_DEFAULT_RACE, "Default Race Settings...", 7, 227, 92);
    place.Button(IDC_EDIT_SCHEDULE, "Create/Edit Schedule...", 105, 227, 92);
    place.Button(IDC_UNATTENDED_RUNNING, "Unattended Running...", 203, 209, 92);
    AddNextRunNote(*this, 7, 275, 274, 18);
    place.OkCancel(287, 278);
}

void CDlgServerSettings::OnInitDialog(wxInitDialogEvent& event) {
    CDlgBase::OnInitDialog(event);
    SetTitle("Server Settings, v" + wxString::FromUTF8(ProgramVersion));
    m_values = *Server;
    ShowRecordFields<SERVER>(this, readingOrder, m_values);
    ShowChoicePosition(this, IDC_ARENA_N3, m_values.ArenaN3);
    ShowChoicePosition(this, IDC_ARENA_NL, m_values.ArenaNL);
    FindWindow(IDC_ARENA_NL)->Enable(NLInstalled);
    FindWindow(IDC_ARENA_N3)->Enable(N3Installed);
}

void CDlgServerSettings::OnOK() {
    if (!ReadRecordFields<SERVER>(this, readingOrder, m_values))
        return;
    CopyRecordFields<SERVER>(readingOrder, m_values, *Server);
    Server->ArenaN3 = ChosenPosition(this, IDC_ARENA_N3, m_values.ArenaN3);
    Server->ArenaNL = ChosenPosition(this, IDC_ARENA_NL, m_values.ArenaNL);
    WriteServerSettings();
    if (N3Installed)
        PatchOptionsCfg(0);
    if (NLInstalled)
        PatchOptionsCfg(1);
    FinishDialog(*this, wxID_OK);
}

void CDlgServerSettings::OnTimingSettings() {
    CDlgTiming timing(this);
    m_runDialog(timing);
}

void CDlgServerSettings::OnFileLocations() {
    CDlgFileLocations locations(this);
    m_runDialog(locations);
}

void CDlgServerSettings::OnDefaultRace() {
    CDlgDefaultRace defaultRace(this);
    m_runDialog(defaultRace);
}

void CDlgServerSettings::OnEditSchedule() {
    CDlgSchedule schedule(this);
    if (m_runDialog(schedule) != wxID_OK)
        return;
    WriteEvents(schedule.ScheduleChanged());
    ScheduleLoaded = !EventList.empty();
}

void CDlgServerSettings::OnTestHtml(int simulator) {
    CHtmlResults::Sample(simulator).MakeHtmlResults();
}

void CDlgServerSettings::OnUnattendedRunning() {
    CDlgPublish publish(this);
    m_runDialog(publish);
}
