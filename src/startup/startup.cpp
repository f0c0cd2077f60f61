#include "startup/startup.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "core/simulator.h"
#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/messages.h"
#include "settings/install_lookup.h"
#include "settings/publish_settings.h"
#include "settings/race_store.h"
#include "settings/server_settings.h"
#include "settings/settings_file.h"
#include "simfiles/calendars.h"
#include "startup/program_version.h"

namespace {

// The folder found for a simulator, and the file paths that follow from it; false when not installed.
bool TakeInstallation(SERVER& server, const Simulator& simulator) {
    std::string& folder = server.*simulator.path;
    if (folder == PathNotFound)
        return false;
    AddBackslash(folder);
    server.*simulator.calendarFile = folder + "all.cal";
    server.*simulator.inviteFile = folder + "invite.lst";
    server.*simulator.muzzleFile = folder + "muzzle.lst";
    return true;
}

} // namespace

bool CreateServer() {
    if (!Server)
        Server = std::make_unique<SERVER>();
    SERVER& server = *Server;
    server = SERVER{};
    SetNewServerValues(server);
    server.PathNL = LookupInstallPath(InstallItemNL);
    server.PathN3 = LookupInstallPath(InstallItemN3);

    NLInstalled = TakeInstallation(server, Simulators[SimulatorNL]);
    if (NLInstalled)
        CreateCalendarNL(server.CalendarFileNL);
    N3Installed = TakeInstallation(server, Simulators[SimulatorN3]);
    if (N3Installed) {
        CreateCalendarN3(server.CalendarFileN3);
    } else if (!NLInstalled) {
        ShowMessage("No sims have been installed (correctly) on this computer.", MessageIcon::Warning);
        return false;
    }
    return true;
}

void CreateDefaultRace(const ProfileFile& settings) {
    if (!DefaultRace)
        DefaultRace = std::make_unique<RACE>();
    *DefaultRace = RACE{};
    SetNewDefaultRaceValues(*DefaultRace, NLInstalled);
    ReadDefaultRace(settings);
}

bool StartUp() {
    MakeWinePrefixAbsolute();
    RemoveStaleTemporaryFiles(GetProgramFolder());
    ScheduleLoaded = false;
    ClearEvents();
    if (!CreateServer())
        return false;
    std::optional<ProfileFile> settings = ReadSettingsFile();
    if (!settings)
        return false;
    ReadServerSettings(*settings);
    CreateDefaultRace(*settings);
    // Event files and results pages are replaced in the simulators' folders, so a kill can leave one there.
    for (const Simulator& simulator : Simulators)
        if (Installed(simulator))
            RemoveStaleTemporaryFiles((*Server).*simulator.path);
    ReadEvents(*settings);
    ReadPublishSettings(*settings);
    ReadProgramVersion();
    return true;
}

void ShutDown() {
    DestroyCalendars();
    Server.reset();
    DefaultRace.reset();
    ClearEvents();
}
