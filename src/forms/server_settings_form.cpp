#include "forms/server_settings_form.h"

#include "core/app_state.h"
#include "core/simulator.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"
#include "settings/server_settings.h"
#include "simfiles/options_cfg.h"

namespace {

constexpr int nameLength = 12;
constexpr int addedParamsLength = 80;
// The arena lists end with the invisible arena.
constexpr int arenaChoices = ArenaNameCount + 1;

using Field = RecordField<SERVER>;

// In the order they are checked; the first that fails stops the checking.
const Field fields[] = {
    {{"admin_password", "Admin password", FieldKind::Text, 0, 0, nameLength, "admin password", false, nullptr,
      true},
     nullptr,
     &SERVER::AdminPassword},
    {{"check_latency", "Max latency of ", FieldKind::Check}, &SERVER::CheckLatency},
    {{"connect_ipx", "IPX", FieldKind::Check}, &SERVER::ConnectIPX},
    {{"connect_net", "Internet (WON)", FieldKind::Check}, &SERVER::ConnectNET},
    {{"connect_tcp", "TCP/IP", FieldKind::Check}, &SERVER::ConnectTCP},
    {{"field_size", "Field size (1-43)", FieldKind::Integer, 1, 43}, &SERVER::FieldSize},
    {{"host_name", "Host name:", FieldKind::Text, 0, 0, nameLength, "host name"}, nullptr, &SERVER::HostName},
    {{"max_connections", "Max connections (1-42)", FieldKind::Integer, 1, 42}, &SERVER::MaxConnections},
    {{"millisecs", "ms (0-500)", FieldKind::Integer, 0, 500}, &SERVER::Millisecs},
    {{"results_to_html", "Convert results to HTML", FieldKind::Check}, &SERVER::ResultsToHTML},
    {{"show_display", "Show display (may not work in final patch)", FieldKind::Check}, &SERVER::ShowDisplay},
    {{"won_name", "WON login name", FieldKind::Text, 0, 0, nameLength, "WON login name"},
     nullptr,
     &SERVER::WonName},
    {{"won_password", "WON login password", FieldKind::Text, 0, 0, nameLength, "WON login password", false,
      nullptr, true},
     nullptr,
     &SERVER::WonPassword},
    {{"added_params", "Additional commandline parameters (80 characters max)", FieldKind::Text, 0, 0,
      addedParamsLength, nullptr, false, "additional commandline parameters"},
     nullptr,
     &SERVER::AddedParams},
    {{"security", "Security (0-5)", FieldKind::Integer, 0, 5}, &SERVER::Security},
    {{"arena_n3", "Nascar Racing 3", FieldKind::Choice, 0, arenaChoices}, &SERVER::ArenaN3},
    {{"arena_nl", "Nascar Legends", FieldKind::Choice, 0, arenaChoices}, &SERVER::ArenaNL},
};

} // namespace

ServerSettingsForm::ServerSettingsForm() : RecordForm(fields), m_shown(*Server) {
    ShowRecord(m_shown);
    Enable("arena_n3", N3Installed);
    Enable("arena_nl", NLInstalled);
}

std::vector<std::string> ServerSettingsForm::ChoiceLabels(std::string_view key) const {
    if (key != "arena_n3" && key != "arena_nl")
        return Form::ChoiceLabels(key);
    int first = key == "arena_n3" ? IDS_ARENA_N3_FIRST : IDS_ARENA_NL_FIRST;
    std::vector<std::string> names;
    for (int k = 0; k < ArenaNameCount; ++k)
        names.push_back(LoadString(first + k));
    names.push_back(LoadString(IDS_ARENA_INVISIBLE));
    return names;
}

std::optional<FormProblem> ServerSettingsForm::Accept() {
    SERVER read = m_shown;
    if (std::optional<FormProblem> problem = ReadRecord(read))
        return problem;
    // The dialogs opened from this one store their own fields meanwhile; only this form's are taken.
    CopyFields(read, *Server);
    WriteServerSettings();
    for (const Simulator& simulator : Simulators)
        if (Installed(simulator))
            PatchOptionsCfg(simulator.value);
    return std::nullopt;
}
