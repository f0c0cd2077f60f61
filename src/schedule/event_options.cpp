#include "schedule/event_options.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/text_mode.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <cstdio>

namespace {

constexpr int invisibleArena = 6;

// Every item ends with exactly one space.
std::string Item(const char* key, int value) {
    return std::string(key) + " " + std::to_string(value) + " ";
}

std::string Flag(const char* key, int value) {
    return Item(key, value != 0 ? 1 : 0);
}

// Texts go between single quotes as they are; the dialogs keep quotes and line ends out of them.
std::string Quoted(const char* key, const std::string& value) {
    return std::string(key) + " '" + value + "' ";
}

} // namespace

EventOptions::EventOptions(const RACE& event, const SERVER& server, int launchNumber)
    : m_event(event), m_server(server), m_launchNumber(launchNumber) {}

std::string EventOptions::BuildOptionsText(const std::string& eventFilePath) {
    const RACE& e = m_event;
    const SERVER& s = m_server;
    bool n3 = e.Sim == 0;
    std::string text = " " + Item("race", e.TrackNumber) + Item("len", e.RaceLength) +
                       Flag("mode", e.ArcadeMode) + Item("d", e.Damage) + Flag("y", e.CautionFlags) +
                       Flag("p", e.PaceLap) + Flag("df", e.DoubleFileRestarts) + Flag("ai", e.AllowAI) +
                       Flag("fix", e.FixedSetups) + Flag("sm", e.ForceSmoke) + Item("pr", e.PracticeTime) +
                       Item("wu", e.WarmupTime) + "\n";

    text += Item("temp", e.Temperature) + Item("windspd", e.WindSpeed) + Item("winddir", e.WindDirection);
    // NASCAR Racing 3 asks whether the weather is fixed, NASCAR Legends whether it varies.
    text += Flag("weather", n3 ? e.FixedWeather : !e.FixedWeather);
    if (n3)
        text += Flag("disp", s.ShowDisplay) + Quoted("uid", s.WonName) + Quoted("upw", s.WonPassword) +
                Item("ro", e.PostRaceTime);
    text += "\n";

    text += Item("maxp", s.FieldSize) + Item("maxc", s.MaxConnections) + Quoted("name", s.HostName) +
            Quoted("passw", e.RacePassword) + Quoted("admin", s.AdminPassword) +
            Item("lat", s.CheckLatency != 0 ? s.Millisecs : 0) + "\n";

    if (n3)
        text += Item("security", s.Security) + Flag("replay", e.SaveReplay);
    if (e.UseInvite)
        text += Quoted("invite", FileNameOf(n3 ? s.InviteFileN3 : s.InviteFileNL));
    if (e.UseMuzzle)
        text += Quoted("muzzle", FileNameOf(n3 ? s.MuzzleFileN3 : s.MuzzleFileNL));
    std::string standings =
        e.SaveResults ? ChangeExtension(FileNameOf(eventFilePath), n3 ? ".WON" : ".stn") : "";
    text += Quoted("stn", standings);
    if (!s.AddedParams.empty())
        text += "\n" + s.AddedParams;

    m_htmlPagePath = e.SaveResults && s.ResultsToHTML ? ChangeExtension(eventFilePath, ".html") : "";
    return text;
}

std::string EventOptions::WriteEventFile() {
    std::string path = (m_event.Sim == 0 ? m_server.PathN3 : m_server.PathNL) + EventFileName(m_launchNumber);
    FileCause cause = WriteFileAtomically(path, LfToCrLf(BuildOptionsText(path)));
    if (cause != CauseNone) {
        ShowFileOpenError(path, cause);
        return "";
    }
    return path;
}

std::string EventOptions::BuildCommandLine() {
    std::string file = FileNameOf(WriteEventFile());
    return QuotedExeName() + " \"arena:" + ArenaName() + "\" \"serv: file " + file + "\"";
}

std::string EventOptions::QuotedExeName() const {
    return "\"" + FileNameOf(m_event.SimExe) + "\"";
}

std::string EventOptions::ArenaName() const {
    int arena = m_event.Sim == 0 ? m_server.ArenaN3 : m_server.ArenaNL;
    if (arena == invisibleArena)
        return LoadString(IDS_ARENA_INVISIBLE);
    if (arena < 0 || arena >= ArenaNameCount)
        return "";
    return LoadString((m_event.Sim == 0 ? IDS_ARENA_N3_FIRST : IDS_ARENA_NL_FIRST) + arena);
}

std::string EventFileName(int launchNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "evt%05d.dmn", launchNumber);
    return name;
}
