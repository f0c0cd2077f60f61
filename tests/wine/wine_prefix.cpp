#include "wine_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

const char* const appPaths = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

std::string MakePrefix() {
    std::string prefix = WINE_TEST_PREFIX;
    std::filesystem::remove_all(prefix);
    std::string wine = "WINEPREFIX=" + Quoted(prefix) + " WINEDEBUG=-all ";
    std::string command = wine + "wineboot -i >/dev/null 2>&1";
    for (const char* sim : {"NASCAR Racing 3.exe|C:\\Sims\\N3", "NASCAR Legends.exe|C:\\Sims\\NL"}) {
        std::string entry = sim;
        size_t bar = entry.find('|');
        command += " && " + wine + "wine reg add " + Quoted(appPaths + entry.substr(0, bar)) +
                   " /v Path /t REG_SZ /d " + Quoted(entry.substr(bar + 1)) + " /f /reg:32 >/dev/null 2>&1";
    }
    // The registry reaches system.reg when the wineserver ends.
    command += " && " + wine + "wineserver -w";
    if (RunShell(command) != 0)
        ADD_FAILURE() << "Wine could not make a prefix: is Wine installed? ./test installs it.";
    return prefix;
}

} // namespace

const std::string& TestWinePrefix::Path() {
    static const std::string prefix = MakePrefix();
    return prefix;
}

int TestWinePrefix::Width() {
    static const int width = RunShell("WINEPREFIX=" + Quoted(Path()) + " wine " +
                                      Quoted(QUORVA_PROGRAM_DIR "/quorva-launch32.exe") +
                                      " 2>/dev/null | grep -q 'runs as a 32-bit'") == 0
                                 ? 32
                                 : 64;
    return width;
}

std::string TestWinePrefix::UseSimulatorFolders(const std::string& simsFolder) {
    // Copied, not linked: Wine names a current folder reached through a link by its target's path.
    std::filesystem::path sims = std::filesystem::path(Path()) / "drive_c" / "Sims";
    std::filesystem::remove_all(sims);
    std::filesystem::copy(simsFolder, sims, std::filesystem::copy_options::recursive);
    return sims.string() + "/";
}

int RunShell(const std::string& command) {
    int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
