#include "platform/search_path.h"

#include <cstdlib>
#include <sstream>
#include <sys/stat.h>

std::string FindOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path != nullptr ? path : "");
    for (std::string folder; std::getline(folders, folder, ':');) {
        std::string candidate = folder + "/" + name;
        struct stat info;
        if (!folder.empty() && stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode))
            return candidate;
    }
    return "";
}
