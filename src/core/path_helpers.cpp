#include "core/path_helpers.h"

#include "platform/file_system.h"
#include "platform/host_path.h"
#include "platform/program_file.h"

#include <cctype>

namespace {

struct PathParts {
    std::string drive;
    std::string folder;
    std::string baseName;
    std::string extension;
};

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    size_t start = 0;
    if (HasDriveLetter(path)) {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    size_t nameStart = start;
    for (size_t i = start; i < path.size(); ++i) {
        if (IsSeparator(path[i]))
            nameStart = i + 1;
    }
    parts.folder = path.substr(start, nameStart - start);
    std::string name = path.substr(nameStart);
    size_t dot = name.rfind('.');
    parts.baseName = dot == std::string::npos ? name : name.substr(0, dot);
    parts.extension = dot == std::string::npos ? "" : name.substr(dot);
    return parts;
}

} // namespace

std::string GetProgramFolder() {
    PathParts parts = SplitPath(ProgramFilePath());
    std::string folder = parts.drive + parts.folder;
    AddBackslash(folder);
    return folder;
}

void AddBackslash(std::string& folder) {
    if (IsPosixPath(folder)) {
        if (!IsSeparator(folder.back()))
            folder += '/';
        return;
    }
    if (folder.size() >= 2) {
        if (folder.back() != '\\')
            folder += '\\';
    } else if (folder.size() == 1) {
        if (std::isalpha(static_cast<unsigned char>(folder[0])))
            folder += ":\\";
        else if (folder[0] != '\\')
            folder += '\\';
    } else {
        folder.push_back('\\');
    }
}

bool FileExists(const std::string& path) {
    return !path.empty() && PathExists(path);
}

std::string FileNameOf(const std::string& path) {
    PathParts parts = SplitPath(path);
    return parts.baseName + parts.extension;
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    PathParts parts = SplitPath(path);
    return parts.drive + parts.folder + parts.baseName + extension;
}
