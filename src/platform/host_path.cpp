#include "platform/host_path.h"

#include "platform/letter_case.h"
#include "platform/windows_1252.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <vector>

namespace {

// The error of the last folder listing that the HostPath call of this thread could not finish.
thread_local int listingError = 0;

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool Exists(const std::string& hostPath) {
    struct stat info;
    return lstat(hostPath.c_str(), &info) == 0;
}

// The name of the entry of the folder that matches component without regard to case; the component
// itself when the folder holds no such entry (it may be about to be created).
std::string MatchComponent(const std::string& folder, const std::string& component) {
    std::string exact = folder + component;
    if (component == "." || component == ".." || Exists(exact))
        return component;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        if (errno != ENOENT && errno != ENOTDIR)
            listingError = errno;
        return component;
    }
    std::string found = component;
    errno = 0;
    dirent* entry = nullptr;
    while ((entry = readdir(dir)) != nullptr) {
        if (SameWithoutCase(entry->d_name, component)) {
            found = entry->d_name;
            break;
        }
    }
    if (entry == nullptr && errno != 0)
        listingError = errno;
    closedir(dir);
    return found;
}

std::vector<std::string> Components(const std::string& path, size_t from) {
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = from; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += path[i];
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

} // namespace

bool HasDriveLetter(const std::string& path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsPosixPath(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

std::string WinePrefix() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix != nullptr && *prefix != '\0')
        return prefix;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.wine";
}

void MakeWinePrefixAbsolute() {
    const char* prefix = std::getenv("WINEPREFIX");
    if (prefix == nullptr || *prefix == '\0' || IsPosixPath(prefix))
        return;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(prefix, error);
    if (!error)
        setenv("WINEPREFIX", absolute.c_str(), 1);
}

std::string DriveRoot(char driveLetter) {
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(driveLetter)));
    std::string link = WinePrefix() + "/dosdevices/" + letter + ":";
    if (Exists(link))
        return link;
    if (letter == 'c')
        return WinePrefix() + "/drive_c";
    if (letter == 'z')
        return "/";
    return "";
}

std::string HostPath(const std::string& path) {
    listingError = 0;
    if (IsPosixPath(path))
        return path;
    std::string folder;
    size_t rest = 0;
    if (HasDriveLetter(path)) {
        folder = DriveRoot(path[0]);
        if (folder.empty())
            folder = WinePrefix() + "/dosdevices/" + static_cast<char>(std::tolower(path[0])) + ":";
        rest = 2;
    } else if (!path.empty() && IsSeparator(path[0])) {
        folder = DriveRoot('C');
    }
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    // Wine names the files of its drives in UTF-8; a path that the Windows program stored is Windows-1252.
    std::vector<std::string> parts = Components(Utf8FromStored(path), rest);
    std::string host = folder;
    for (size_t i = 0; i < parts.size(); ++i) {
        host += MatchComponent(host, parts[i]);
        if (i + 1 < parts.size() || IsSeparator(path.back()))
            host += '/';
    }
    return host;
}

int HostPathError(int error) {
    return error == ENOENT && listingError != 0 ? listingError : error;
}

std::string WithExistingNameCase(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (!IsPosixPath(path) || slash + 1 == path.size())
        return path;
    std::string folder = path.substr(0, slash + 1);
    return folder + MatchComponent(folder, path.substr(slash + 1));
}
