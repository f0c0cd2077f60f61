#include "ui/dialogs/dlg_server_settings.h"

#include "core/app_state.h"
#include "forms/server_settings_form.h"
#include "results/html_results.h"
#include "ui/dialogs/dlg_default_race.h"
#include "ui/dialogs/dlg_file_locations.h"
#include "ui/dialogs/dlg_publish.h"
#include "ui/dialogs/dlg_schedule.h"
#include "ui/dialogs/dlg_timing.h"
#include "ui/support/dialog_layout.h"
#include "ui/support/form_controls.h"
#include "ui/support/next_run_note.h"

#include <wx/choice.h>

namespace {

constexpr int templateId = 129;
const wxSize dialogSize(400, 300);

using Dlg = CDlgServerSettings;

const FieldControlId controls[] = {
    {"admin_password", Dlg::IDC_ADMIN_PASSWORD},
    {"check_latency", Dlg::IDC_CHECK_LATENCY},
    {"connect_ipx", Dlg::IDC_CONNECT_IPX},
    {"connect_net", Dlg::IDC_CONNECT_NET},
    {"connect_tcp", Dlg::IDC_CONNECT_TCP},
    {"field_size", Dlg::IDC_FIELD_SIZE},
    {"host_name", Dlg::IDC_HOST_NAME},
    {"max_connections", Dlg::IDC_MAX_CONNECTIONS},
    {"millisecs", Dlg::IDC_MILLISECS},
    {"results_to_html", Dlg::IDC_RESULTS_TO_HTML},
    {"show_display", Dlg::IDC_SHOW_DISPLAY},
    {"won_name", Dlg::IDC_WON_NAME},
    {"won_password", Dlg::IDC_WON_PASSWORD},
    {"added_params", Dlg::IDC_ADDED_PARAMS},
    {"security", Dlg::IDC_SECURITY},
    {"arena_n3", Dlg::IDC_ARENA_N3},
    {"arena_nl", Dlg::IDC_ARENA_NL},
};

int RunModally(wxDialog& dialog) {
    return dialog.ShowModal();
}

} // namespace

CDlgServerSettings::CDlgServerSettings(wxWindow* parent) : CDlgServerSettings(parent, RunModally) {}

CDlgServerSettings::CDlgServerSettings(wxWindow* parent, DialogRun runDialog)
    : CDlgBase(templateId, parent, "Server Settings", dialogSize), m_runDialog(std::move(runDialog)) {
    CreateControls();
    LimitFormTyping(this, m_form, controls);
    const std::pair<int, std::function<void()>> actions[] = {
        {wxID_OK, [this] { OnOK(); }},
        {IDC_TIMING_SETTINGS, [this] { OnTimingSettings(); }},
        {IDC_FILE_LOCATIONS, [this] { OnFileLocations(); }},
        {IDC_DEFAULT_RACE, [this] { OnDefaultRace(); }},
        {IDC_EDIT_SCHEDULE, [this] { OnEditSchedule(); }},
        {IDC_TEST_HTML_N3, [this] { OnTestHtml(SimulatorN3); }},
        {IDC_TEST_HTML_NL, [this] { OnTestHtml(SimulatorNL); }},
        {IDC_UNATTENDED_RUNNING, [this] { OnUnattendedRunning(); }}};
    for (const auto& [id, action] : actions)
        FindWindow(id)->Bind(wxEVT_BUTTON, [run = action](wxCommandEvent&) { run(); });
}

void CDlgServerSettings::CreateControls() {
    DialogLayout place(this);
    place.Group("Administrative", 7, 7, 190, 72);
    auto label = [this](const char* key) { return m_form.Field(key).label; };
    int y = 19;
    const std::pair<const char*, int> names[] = {{"host_name", IDC_HOST_NAME},
                                                 {"admin_password", IDC_ADMIN_PASSWORD},
                                                 {"won_name", IDC_WON_NAME},
                                                 {"won_password", IDC_WON_PASSWORD}};
    for (auto [key, id] : names) {
        place.Label(label(key), 13, y, 80);
        place.Edit(id, 95, y, 95);
        y += 14;
    }
    place.Group("Connections", 7, 83, 190, 84);
    place.Label(label("max_connections"), 13, 95, 120);
    place.Edit(IDC_MAX_CONNECTIONS, 150, 95, 30);
    place.Label(label("field_size"), 13, 109, 120);
    place.Edit(IDC_FIELD_SIZE, 150, 109, 30);
    place.Check(IDC_CHECK_LATENCY, label("check_latency"), 13, 125, 68);
    place.Edit(IDC_MILLISECS, 83, 123, 30);
    place.Label(label("millisecs"), 117, 123, 60);
    place.Label(label("security"), 13, 137, 120);
    place.Edit(IDC_SECURITY, 150, 137, 30);
    place.Label("(recommended values, 0 or 1)", 13, 151, 170);
    place.Group("Allowed Connection Types", 7, 171, 190, 26);
    place.Check(IDC_CONNECT_IPX, label("connect_ipx"), 13, 183, 40);
    place.Check(IDC_CONNECT_TCP, label("connect_tcp"), 60, 183, 50);
    place.Check(IDC_CONNECT_NET, label("connect_net"), 115, 183, 76);

    place.Group("Arena", 203, 7, 190, 44);
    place.Label(label("arena_n3"), 209, 19, 76);
    place.Label(label("arena_nl"), 209, 34, 76);
    for (auto [key, id] : {std::pair{"arena_n3", IDC_ARENA_N3}, {"arena_nl", IDC_ARENA_NL}}) {
        auto* arenas =
            new wxChoice(this, id, place.At(290, id == IDC_ARENA_N3 ? 18 : 33), place.Size(96, 12));
        for (const std::string& name : m_form.ChoiceLabels(key))
            arenas->Append(wxString::FromUTF8(name));
    }
    place.Group("General", 203, 55, 190, 90);
    place.Check(IDC_RESULTS_TO_HTML, label("results_to_html"), 209, 67, 178);
    place.Note(
        "Conversion to HTML does not occurr if race results are not saved (see default race configuration "
        "dialog box).",
        221, 79, 166, 26);
    place.Button(IDC_TEST_HTML_N3, "Test HTML (N3)", 209, 107, 85);
    place.Button(IDC_TEST_HTML_NL, "Test HTML (NL)", 300, 107, 86);
    place.Check(IDC_SHOW_DISPLAY, label("show_display"), 209, 127, 178);
    place.Label(label("added_params"), 203, 150, 190);
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
    m_form = ServerSettingsForm();
    ShowForm(this, m_form, controls);
}

void CDlgServerSettings::OnOK() {
    EnterForm(this, m_form, controls);
    if (std::optional<FormProblem> problem = m_form.Accept()) {
        ShowFormProblem(this, *problem, controls);
        return;
    }
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
    m_runDialog(schedule);
}

void CDlgServerSettings::OnTestHtml(SimulatorValue simulator) {
    CHtmlResults::Sample(simulator).MakeHtmlResults();
}

void CDlgServerSettings::OnUnattendedRunning() {
    CDlgPublish publish(this);
    m_runDialog(publish);
}
