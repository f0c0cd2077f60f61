#include "settings/server_settings.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"
#include "simfiles/calendars.h"

#include <array>
#include <variant>

namespace {

constexpr const char* serverSection = "SERVER";

struct ServerKey {
    const char* key;
    std::variant<std::string SERVER::*, int SERVER::*> member;
    const char* textDefault;
    int numberDefault;
    size_t readLimit;
};

ServerKey Text(const char* key, std::string SERVER::*member, const char* readDefault, size_t readLimit) {
    return {key, member, readDefault, 0, readLimit};
}

ServerKey Number(const char* key, int SERVER::*member, int readDefault) {
    return {key, member, "", readDefault, 0};
}

// A folder or file path as long as the file locations dialog takes reads back whole.
constexpr size_t pathLimit = 512;

// In the order in which they are written.
const std::array<ServerKey, 42> serverKeys = {
    Text("HostName", &SERVER::HostName, "Anonymous", 79),
    Text("AdminPassword", &SERVER::AdminPassword, "Kelp", 79),
    Text("DailyTime", &SERVER::DailyTime, "9:00", 9),
    Text("PathNL", &SERVER::PathNL, "", pathLimit),
    Text("PathN3", &SERVER::PathN3, "", pathLimit),
    Text("CalendarFileNL", &SERVER::CalendarFileNL, "", pathLimit),
    Text("CalendarFileN3", &SERVER::CalendarFileN3, "", pathLimit),
    Text("ExeFileN3", &SERVER::ExeFileN3, "", 254),
    Text("ExeFileNL", &SERVER::ExeFileNL, "", 254),
    Text("InviteFileN3", &SERVER::InviteFileN3, "", pathLimit),
    Text("InviteFileNL", &SERVER::InviteFileNL, "", pathLimit),
    Text("MuzzleFileN3", &SERVER::MuzzleFileN3, "", pathLimit),
    Text("MuzzleFileNL", &SERVER::MuzzleFileNL, "", pathLimit),
    Number("CheckLatency", &SERVER::CheckLatency, 0),
    Number("Millisecs", &SERVER::Millisecs, 0),
    Number("RaceDelay", &SERVER::RaceDelay, 1),
    Number("Timing", &SERVER::Timing, TimingContinuous),
    Number("Pm", &SERVER::Pm, 1),
    Number("MaxConnections", &SERVER::MaxConnections, 1),
    Number("FieldSize", &SERVER::FieldSize, 0),
    Number("ArenaN3", &SERVER::ArenaN3, 0),
    Number("ArenaNL", &SERVER::ArenaNL, 0),
    Number("StopAtEnd", &SERVER::StopAtEnd, 0),
    Number("RememberRace", &SERVER::RememberRace, 0),
    Number("ResultsToHTML", &SERVER::ResultsToHTML, 0),
    Number("UseBitmap", &SERVER::UseBitmap, 1),
    Number("AutoStart", &SERVER::AutoStart, 0),
    Number("AutoTerminate", &SERVER::AutoTerminate, 0),
    Number("ConnectIPX", &SERVER::ConnectIPX, 0),
    Number("ConnectTCP", &SERVER::ConnectTCP, 1),
    Number("ConnectNET", &SERVER::ConnectNET, 1),
    Number("ShowDisplay", &SERVER::ShowDisplay, 0),
    Text("WonName", &SERVER::WonName, "", 79),
    Text("WonPassword", &SERVER::WonPassword, "", 79),
    Number("ClockAdjust", &SERVER::ClockAdjust, 5),
    Number("LimitTime", &SERVER::LimitTime, 0),
    Text("StartTime", &SERVER::StartTime, "6:00", 9),
    Number("StartTimePM", &SERVER::StartTimePM, 1),
    Text("StopTime", &SERVER::StopTime, "5:00", 9),
    Number("StopTimePM", &SERVER::StopTimePM, 0),
    // As many as the server settings dialog takes, so what it accepts reads back whole.
    Text("AddedParams", &SERVER::AddedParams, "", 80),
    Number("Security", &SERVER::Security, 0),
};

} // namespace

void ReadServerSettings(const ProfileFile& file) {
    if (!Server)
        return;
    if (file.ReadCause() == CauseFileNotFound) {
        WriteServerSettings();
        return;
    }
    for (const ServerKey& key : serverKeys) {
        if (auto text = std::get_if<std::string SERVER::*>(&key.member))
            Server.get()->*(*text) =
                file.GetString(serverSection, key.key, key.textDefault, key.readLimit + 1);
        else
            Server.get()->*std::get<int SERVER::*>(key.member) =
                file.GetInt(serverSection, key.key, key.numberDefault);
    }
    Server->LastRace = file.GetInt(serverSection, "LastRace", 0);
    CreateCalendarNL("");
    CreateCalendarN3("");
}

void WriteServerSettings() {
    if (!Server)
        return;
    const SERVER& server = *Server;
    ChangeSettings([&server](ProfileFile& file) {
        for (const ServerKey& key : serverKeys) {
            if (auto text = std::get_if<std::string SERVER::*>(&key.member))
                file.SetString(serverSection, key.key, server.*(*text));
            else
                file.SetString(serverSection, key.key,
                               std::to_string(server.*std::get<int SERVER::*>(key.member)));
        }
    });
}

void WriteLastRace() {
    if (!Server)
        return;
    std::string place = std::to_string(Server->LastRace);
    ChangeSettings([&place](ProfileFile& file) { file.SetString(serverSection, "LastRace", place); });
}
