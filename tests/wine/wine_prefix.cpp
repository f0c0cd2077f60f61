#include "wine_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string MakePrefix() {
    std::string prefix = WINE_TEST_PREFIX;
    std::filesystem::remove_all(prefix);
    std::string wine = "WINEPREFIX='" + prefix + "' WINEDEBUG=-all ";
    std::string command = wine + "wineboot -i >/dev/null 2>&1";
    for (auto [exe, folder] :
         {std::pair{"NASCAR Racing 3.exe", "C:\\Sims\\N3"}, {"NASCAR Legends.exe", "C:\\Sims\\NL"}})
        command += " && " + wine +
                   "wine reg add 'HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + exe +
                   "' /v Path /t REG_SZ /d '" + folder + "' /f /reg:32 >/dev/null 2>&1";
    // The registry reaches system.reg when the wineserver ends.
    command += " && " + wine + "wineserver -w";
    if (std::system(command.c_str()) != 0)
        ADD_FAILURE() << "Wine could not make a prefix: is Wine installed? ./test installs it.";
    return prefix;
}

} // namespace

const std::string& TestWinePrefix::Path() {
    static const std::string prefix = MakePrefix();
    return prefix;
}

int TestWinePrefix::Width() {
    std::string run = "WINEPREFIX='" + Path() +
                      "' wine '" QUORVA_PROGRAM_DIR
                      "/quorva-launch32.exe' 2>/dev/null | grep -q 'runs as a 32-bit'";
    static const int width = std::system(run.c_str()) == 0 ? 32 : 64;
    return width;
}
