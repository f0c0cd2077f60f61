#include "platform/wine_launcher.h"

#include "platform/program_file.h"
#include "platform/search_path.h"

std::string WineLauncherPath(ExecutableKind kind) {
    std::string program = ProgramFilePath();
    std::string folder = program.substr(0, program.find_last_of('/') + 1);
    return folder + (kind == ExecutableKind::Windows64 ? "quorva-launch64.exe" : "quorva-launch32.exe");
}

std::string WineProgram() {
    return FindOnPath("wine");
}
