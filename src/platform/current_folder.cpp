#include "platform/current_folder.h"

#include "platform/host_path.h"

#include <cstdlib>
#include <unistd.h>

bool SetCurrentFolder(const std::string& path) {
    return !path.empty() && chdir(HostPath(path).c_str()) == 0;
}

std::string CurrentFolder() {
    char* folder = getcwd(nullptr, 0);
    if (folder == nullptr)
        return "";
    std::string path = folder;
    free(folder);
    return path.back() == '/' ? path : path + "/";
}
