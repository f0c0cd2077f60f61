#include "seen_file.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::string CurrentFolder() {
#ifdef _WIN32
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
#else
    return std::filesystem::current_path().string();
#endif
}

} // namespace

std::string SeenText(int argc, char** argv) {
    std::string text;
#ifdef _WIN32
    text += std::string("command line: ") + GetCommandLineA() + "\n";
#endif
    text += "current folder: " + CurrentFolder() + "\n";
    for (int i = 0; i < argc; ++i)
        text += "argument " + std::to_string(i) + ": " + argv[i] + "\n";
    return text;
}

std::string SeenFileName(const std::string& eventFileName) {
    return eventFileName.substr(0, eventFileName.rfind('.')) + ".seen";
}
