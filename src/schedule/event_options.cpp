#include "schedule/event_options.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "core/simulator.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/text_mode.h"
#include "platform/windows_1252.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <algorithm>
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

bool Unquotable(char c) {
    return c == '\'' || c == '\r' || c == '\n';
}

// Texts go between single quotes. A single quote would end the text early and a line end would start
// an item of its own, so both are left out; the dialogs refuse them, only a hand edit brings them.
std::string Quoted(const char* key, const std::string& stored) {
    std::string value = Utf8FromStored(stored);
    std::erase_if(value, Unquotable);
    return std::string(key) + " '" + value + "' ";
}

bool HasUnquotable(const std::string& text) {
    return std::any_of(text.begin(), text.end(), Unquotable);
}

// A text that the dialogs refused and a hand edit brought in.
bool Unwritable(const std::string& stored) {
    return !FitsWindows1252(Utf8FromStored(stored));
}

std::string UnquotableLine(const std::string& key) {
    return key +
           " holds a single quote or a line end, which the options file cannot carry; they are left out.";
}

std::string UnwritableLine(const std::string& key) {
    return key + " holds characters outside the Western European Windows character set, which the simulators "
                 "cannot read; the options file carries \"?\" for each.";
}

using NamedTexts = std::vector<std::pair<const char*, std::string>>;

// The server's texts that the options file carries between single quotes, by key; of the invite and
// muzzle lists only their file names.
NamedTexts QuotedServerTexts(const SERVER& server) {
    return {{"HostName", server.HostName},
            {"AdminPassword", server.AdminPassword},
            {"WonName", server.WonName},
            {"WonPassword", server.WonPassword},
            {"InviteFileN3", FileNameOf(server.InviteFileN3)},
            {"MuzzleFileN3", FileNameOf(server.MuzzleFileN3)},
            {"InviteFileNL", FileNameOf(server.InviteFileNL)},
            {"MuzzleFileNL", FileNameOf(server.MuzzleFileNL)}};
}

// One line for each of the texts, and each event's race password, that fails the test, naming its key.
template <typename Test, typename Line>
std::vector<std::string> TextLines(const NamedTexts& serverTexts, const RaceList& events, Test fails,
                                   Line line) {
    std::vector<std::string> lines;
    for (const auto& [key, value] : serverTexts) {
        if (fails(value))
            lines.push_back(line(key));
    }
    for (size_t n = 0; n < events.size(); ++n) {
        if (fails(events[n]->RacePassword))
            lines.push_back("Event " + std::to_string(n + 1) + " (" + Utf8FromStored(events[n]->TrackName) +
                            "): " + line("RacePassword"));
    }
    return lines;
}

} // namespace

LaunchFiles LaunchFilesOf(const RACE& event, const SERVER& server, int launchNumber) {
    const Simulator& simulator = SimulatorOf(event.Sim);
    LaunchFiles files;
    files.eventFile = server.*simulator.path + EventFileName(launchNumber);
    files.log = ChangeExtension(files.eventFile, ".log");
    if (event.SaveResults)
        files.standings = ChangeExtension(files.eventFile, simulator.standingsExtension);
    if (event.SaveResults && server.ResultsToHTML)
        files.page = ChangeExtension(files.eventFile, ".html");
    return files;
}

EventOptions::EventOptions(const RACE& event, const SERVER& server, LaunchFiles files)
    : m_event(event), m_server(server), m_files(std::move(files)) {}

std::string EventOptions::BuildOptionsText() const {
    const RACE& e = m_event;
    const SERVER& s = m_server;
    const Simulator& simulator = SimulatorOf(e.Sim);
    bool n3 = simulator.value == SimulatorN3;
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
        text += Quoted("invite", FileNameOf(s.*simulator.inviteFile));
    if (e.UseMuzzle)
        text += Quoted("muzzle", FileNameOf(s.*simulator.muzzleFile));
    // NASCAR Racing 3 is told its standings' name with the extension in capitals.
    std::string standings = FileNameOf(m_files.standings);
    text += Quoted("stn", n3 && !standings.empty() ? ChangeExtension(standings, ".WON") : standings);
    if (!s.AddedParams.empty())
        text += "\n" + Utf8FromStored(s.AddedParams);
    return text;
}

bool EventOptions::WriteEventFile() const {
    const std::string& path = m_files.eventFile;
    FileFailure failure = WriteFileAtomically(path, LfToCrLf(Windows1252FromUtf8(BuildOptionsText())));
    if (failure.cause != CauseNone) {
        ShowFileFailure(path, failure);
        return false;
    }
    return true;
}

std::string EventOptions::BuildCommandLine() const {
    if (!WriteEventFile())
        return "";
    return QuotedExeName() + " \"arena:" + ArenaName() + "\" \"serv: file " + FileNameOf(m_files.eventFile) +
           "\"";
}

std::string EventOptions::QuotedExeName() const {
    std::string name = FileNameOf(m_event.SimExe);
    // A Windows program reads its command line in Windows-1252, which Wine makes of UTF-8.
    return "\"" + (IsPosixPath(m_event.SimExe) ? name : Utf8FromStored(name)) + "\"";
}

std::string EventOptions::ArenaName() const {
    const Simulator& simulator = SimulatorOf(m_event.Sim);
    int arena = m_server.*simulator.arena;
    if (arena == invisibleArena)
        return LoadString(IDS_ARENA_INVISIBLE);
    if (arena < 0 || arena >= ArenaNameCount)
        return "";
    return LoadString(simulator.firstArenaName + arena);
}

std::string EventFileName(int launchNumber) {
    char name[32];
    std::snprintf(name, sizeof name, "evt%05d.dmn", launchNumber);
    return name;
}

std::vector<std::string> UnquotableTexts(const SERVER& server, const RaceList& events) {
    return TextLines(QuotedServerTexts(server), events, HasUnquotable, UnquotableLine);
}

std::vector<std::string> UnwritableTexts(const SERVER& server, const RaceList& events) {
    NamedTexts texts = QuotedServerTexts(server);
    texts.emplace_back("AddedParams", server.AddedParams);
    return TextLines(texts, events, Unwritable, UnwritableLine);
}
