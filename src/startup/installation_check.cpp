#include "startup/installation_check.h"

#include "core/app_state.h"
#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "core/simulator.h"
#include "platform/executable_kind.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/search_path.h"
#include "platform/write_check.h"
#include "schedule/countdown.h"
#include "settings/install_lookup.h"
#include "settings/settings_file.h"
#include "simfiles/calendars.h"
#include "startup/wine_check.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What the check needs of each simulator beyond the simulator table, at the same index.
struct Installation {
    const char* installItem;
    const int* trackCount;
};

const Installation installations[] = {{InstallItemN3, &TrackCountN3}, {InstallItemNL, &TrackCountNL}};
static_assert(std::size(installations) == std::size(Simulators));

const Installation& InstallationOf(const Simulator& simulator) {
    return installations[simulator.value];
}

// "HKLM\SOFTWARE\...\App Paths\NASCAR Legends.exe", as Wine's registry tool names the key.
std::string RegistryKeyName(const std::string& installItem) {
    const std::string machine = "LocalMachine";
    std::string key = "HKLM" + installItem.substr(machine.size());
    key.pop_back();
    return key;
}

std::string Plural(size_t count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

bool IsFolder(const std::string& hostPath) {
    struct stat info;
    return stat(hostPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Why the file cannot be opened as given; nothing is read or written.
FileCause OpenCause(const std::string& hostPath, int flags) {
    int fd = open(hostPath.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return CauseFromErrno(errno);
    close(fd);
    return CauseNone;
}

class InstallationCheck {
public:
    explicit InstallationCheck(std::time_t now) : m_now(now) {}

    InstallationReport Run() {
        // Without a simulator, start-up ends before it reads the settings file.
        bool started = Server && (N3Installed || NLInstalled);
        CheckPrefix();
        for (const Simulator& simulator : Simulators) {
            if (started && Installed(simulator))
                CheckSimulator(simulator);
            else
                NotInstalled(simulator);
        }
        CheckProgramFolder(started);
        if (started)
            CheckSchedule();
        return std::move(m_report);
    }

private:
    void Add(CheckStatus status, std::string text, std::vector<std::string> said = {}) {
        m_report.lines.push_back({status, std::move(text), std::move(said)});
    }

    void CheckPrefix() {
        std::string prefix = WinePrefix();
        struct stat info;
        if (stat(prefix.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
            Add(CheckStatus::Failure, "Wine prefix " + prefix +
                                          " does not exist: set WINEPREFIX to the prefix the simulators are "
                                          "installed in (a new one is made with: wineboot -i)");
        else if (info.st_uid != geteuid())
            Add(CheckStatus::Failure, "Wine prefix " + prefix + " belongs to another user (uid " +
                                          std::to_string(info.st_uid) +
                                          "), and Wine refuses it: run Quorva as that user, or set "
                                          "WINEPREFIX to a prefix of this user's own");
        else
            Add(CheckStatus::Ok, "Wine prefix " + prefix);
    }

    void NotInstalled(const Simulator& s) {
        bool otherInstalled = N3Installed || NLInstalled;
        size_t events = std::count_if(EventList.begin(), EventList.end(),
                                      [&](const auto& event) { return event->Sim == s.value; });
        std::string key = RegistryKeyName(InstallationOf(s).installItem);
        std::string text =
            std::string(s.name) + ": not installed (the registry has no value Path under " + key + ")";
        if (otherInstalled && events == 0) {
            Add(CheckStatus::Ok, text);
            return;
        }
        if (events > 0)
            text +=
                ", yet " + Plural(events, "event of the schedule uses", "events of the schedule use") + " it";
        Add(CheckStatus::Failure, text + ": register its folder with: wine reg add \"" + key +
                                      "\" /v Path /t REG_SZ /d \"C:\\Sims\\" + s.id + "\" /f");
    }

    void CheckSimulator(const Simulator& s) {
        const SERVER& server = *Server;
        const std::string name = std::string(s.name) + ": ";
        const std::string pathKey = std::string("Path") + s.id;
        const char* installItem = InstallationOf(s).installItem;

        std::string registered = LookupInstallPath(installItem);
        std::string registeredHost = HostPath(registered);
        if (registered == PathNotFound)
            Add(CheckStatus::Warning, name + "the registry has no value Path under " +
                                          RegistryKeyName(installItem) +
                                          " any more; the settings file's folder counts");
        else if (IsFolder(registeredHost))
            Add(CheckStatus::Ok,
                name + "the registry names the folder " + registered + " (" + registeredHost + ")");
        else
            Add(CheckStatus::Warning, name + "the registry names the folder " + registered + " (" +
                                          registeredHost +
                                          "), which does not exist; the settings file's folder counts");

        const std::string& folder = server.*s.path;
        std::string folderHost = HostPath(folder);
        std::string folderText =
            name + "folder " + folder + " (" + pathKey + " in the settings file) is " + folderHost;
        if (IsFolder(folderHost))
            Add(CheckStatus::Ok, folderText);
        else
            Add(CheckStatus::Failure, folderText + ", which does not exist: set " + pathKey + " in " +
                                          SettingsFilePath() +
                                          " to the simulator's folder while Quorva is not running");

        ExecutableKind kind = CheckExecutable(s, name);
        if (IsWindowsKind(kind)) {
            for (CheckLine& line : m_wine.Check(kind)) {
                line.text.insert(0, name);
                m_report.lines.push_back(std::move(line));
            }
        }
        CheckCalendar(s, name);
        CheckOptionsCfg(folder + "options.cfg", name);
        FileCause folderCause = FolderTakesNewFile(folderHost);
        if (folderCause == CauseNone)
            Add(CheckStatus::Ok,
                name + "folder " + folderHost + " can be written (the event files go there)");
        else
            Add(CheckStatus::Failure, name + "folder " + folderHost + " cannot be written (" +
                                          FileCauseText(folderCause) +
                                          "): the event files go there; give the user running Quorva write "
                                          "access to it");
        if (IsWindowsKind(kind))
            CheckDisplay(name);
    }

    ExecutableKind CheckExecutable(const Simulator& s, const std::string& name) {
        std::string path = (*Server).*s.path + (*Server).*s.exeFile;
        std::string host = WithExistingNameCase(HostPath(path));
        ExecutableKind kind = ExecutableKindOf(host);
        std::string text = name + "program " + path + " (" + host + ")";
        std::string exeKey = std::string("ExeFile") + s.id;
        switch (kind) {
        case ExecutableKind::Missing:
            Add(CheckStatus::Failure, text + " not found: install the simulator there, or set " + exeKey +
                                          " in the settings file to its program's name");
            break;
        case ExecutableKind::Unreadable:
            Add(CheckStatus::Failure,
                text + " cannot be read: give the user running Quorva read access to it");
            break;
        case ExecutableKind::NotAProgram:
        case ExecutableKind::WindowsOther:
            Add(CheckStatus::Failure,
                text + " is " + ExecutableKindText(kind) + ": put the simulator's own program there");
            break;
        case ExecutableKind::Windows32:
        case ExecutableKind::Windows64:
            Add(CheckStatus::Ok, text + ": " + ExecutableKindText(kind) + ", run through Wine");
            break;
        case ExecutableKind::Linux:
            if (access(host.c_str(), X_OK) == 0)
                Add(CheckStatus::Ok, text + ": " + ExecutableKindText(kind) + ", started directly");
            else
                Add(CheckStatus::Failure, text + ": " + ExecutableKindText(kind) +
                                              " without permission to run: chmod +x '" + host + "'");
            break;
        }
        return kind;
    }

    void CheckCalendar(const Simulator& s, const std::string& name) {
        const std::string& calendar = (*Server).*s.calendarFile;
        std::string host = HostPath(calendar);
        std::string calendarKey = std::string("CalendarFile") + s.id;
        std::string text = name + "calendar " + calendar + " (" + host + ")";
        if (calendar.empty())
            text = name + "no calendar named";
        else if (!FileExists(calendar))
            text += " not found";
        if (calendar.empty() || !FileExists(calendar))
            Add(CheckStatus::Failure, text + ": the simulator takes its tracks from it; set " + calendarKey +
                                          " in the settings file");
        else if (*InstallationOf(s).trackCount == 0)
            Add(CheckStatus::Failure, text + " lists no tracks: put the simulator's calendar there");
        else
            Add(CheckStatus::Ok,
                text + ", " + Plural(static_cast<size_t>(*InstallationOf(s).trackCount), "track", "tracks"));
    }

    // Server Info stores the allowed connection types in options.cfg; a schedule runs without that.
    void CheckOptionsCfg(const std::string& path, const std::string& name) {
        std::string host = HostPath(path);
        FileCause cause = OpenCause(host, O_WRONLY | O_APPEND);
        if (cause == CauseNone && IsReadOnly(path))
            cause = CauseAccessDenied;
        if (cause == CauseNone)
            Add(CheckStatus::Ok, name + "options.cfg (" + host + ") can be written");
        else if (cause == CauseFileNotFound)
            Add(CheckStatus::Warning,
                name + "options.cfg (" + host +
                    ") is missing: Server Info cannot give the simulator its connection "
                    "types; it comes with the simulator's installation");
        else
            Add(CheckStatus::Warning, name + "options.cfg (" + host + ") cannot be written (" +
                                          FileCauseText(cause) +
                                          "): Server Info cannot give the simulator its connection types; "
                                          "give the user running Quorva write access to it");
    }

    void CheckDisplay(const std::string& name) {
        const char* display = std::getenv("DISPLAY");
        std::string xvfbRun = FindOnPath("xvfb-run");
        if (display != nullptr && *display != '\0')
            Add(CheckStatus::Ok, name + "Wine uses the display " + display);
        else if (!xvfbRun.empty())
            Add(CheckStatus::Ok,
                name + "DISPLAY is not set: Wine runs on a virtual display of its own (" + xvfbRun + " -a)");
        else
            Add(CheckStatus::Failure, name + "Wine needs a display: DISPLAY is not set and xvfb-run is not "
                                             "installed; install it (as root: apt-get install xvfb)");
    }

    void CheckProgramFolder(bool started) {
        std::string folder = GetProgramFolder();
        FileCause cause = FolderTakesNewFile(folder);
        if (cause == CauseNone)
            Add(CheckStatus::Ok, "Program folder " + folder + " can be written");
        else
            Add(CheckStatus::Failure, "Program folder " + folder + " cannot be written (" +
                                          FileCauseText(cause) +
                                          "): Quorva stores its settings there; give the user running Quorva "
                                          "write access to it");

        std::string page = folder + "Quorvahtml.html";
        bool pagesOn = started && Server->ResultsToHTML != 0;
        if (FileExists(page))
            Add(CheckStatus::Ok, "Results template " + page + " is there");
        else
            Add(pagesOn ? CheckStatus::Failure : CheckStatus::Warning,
                "Results template " + page + " is missing" +
                    (pagesOn ? ": every race's results page is made from it"
                             : ", needed once results pages are on") +
                    "; copy Quorvahtml.html from Quorva's data folder");

        std::string settings = SettingsFilePath();
        FileCause settingsCause = OpenCause(settings, O_RDONLY);
        if (settingsCause == CauseNone)
            Add(CheckStatus::Ok, "Settings file " + settings + " can be read");
        else
            Add(CheckStatus::Failure, "Settings file " + settings + " cannot be read (" +
                                          FileCauseText(settingsCause) +
                                          "): Quorva makes it at its first start with a simulator installed");
    }

    void CheckSchedule() {
        size_t events = EventList.size();
        if (events == 0)
            Add(CheckStatus::Failure, "Schedule: no events: add them with the windowed program's "
                                      "\"Server Info...\", \"Create/Edit Schedule...\"");
        else
            Add(CheckStatus::Ok, "Schedule: " + Plural(events, "event", "events"));
        if (Server->Timing == TimingSpecific && events > 0) {
            // The runner skips an event whose date and time have passed.
            size_t ahead = std::count_if(EventList.begin(), EventList.end(),
                                         [&](const auto& event) { return EventClockTime(*event) >= m_now; });
            std::string text = "Schedule: dated events, " + std::to_string(ahead) + " of " +
                               std::to_string(events) + " still ahead";
            if (ahead > 0)
                Add(CheckStatus::Ok, text);
            else
                Add(CheckStatus::Failure,
                    text + ": give events later dates or times with \"Create/Edit Schedule...\"");
        }
        if (Server->AdminPassword == "kelp")
            Add(CheckStatus::Warning, "Admin password: still the default \"kelp\", which anyone may know; "
                                      "change it in \"Server Info...\", or without a display set "
                                      "AdminPassword in [SERVER] of " +
                                          SettingsFilePath() + " while Quorva is not running");
        else
            Add(CheckStatus::Ok, "Admin password: changed from the default");
    }

    std::time_t m_now;
    InstallationReport m_report;
    WineCheck m_wine;
};

} // namespace

int InstallationReport::Count(CheckStatus status) const {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(),
                                          [&](const CheckLine& line) { return line.status == status; }));
}

InstallationReport CheckInstallation(std::time_t now) {
    return InstallationCheck(now).Run();
}

std::string FormatReport(const InstallationReport& report) {
    std::string text;
    for (const CheckLine& line : report.lines) {
        const char* mark = line.status == CheckStatus::Ok        ? "  ok    "
                           : line.status == CheckStatus::Warning ? "  warn  "
                                                                 : "  FAIL  ";
        text += mark + line.text + "\n";
        for (const std::string& said : line.said)
            text += "          " + said + "\n";
    }
    return text;
}

std::string VerdictText(const InstallationReport& report) {
    int failures = report.Count(CheckStatus::Failure);
    int warnings = report.Count(CheckStatus::Warning);
    std::string warned =
        warnings == 0 ? "" : " (" + Plural(static_cast<size_t>(warnings), "warning", "warnings") + ")";
    if (failures == 0)
        return "Ready: everything a schedule needs is in place" + warned + ".";
    return "Not ready: " + Plural(static_cast<size_t>(failures), "point fails", "points fail") + warned +
           "; put them right and check again.";
}
