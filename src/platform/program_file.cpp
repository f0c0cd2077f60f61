#include "platform/program_file.h"

#include <climits>
#include <unistd.h>

namespace {
std::string& Override() {
    static std::string path;
    return path;
}

std::string ReadProgramLink() {
    char buffer[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return "";
    return std::string(buffer, static_cast<size_t>(length));
}
} // namespace

std::string ProgramFilePath() {
    if (!Override().empty())
        return Override();
    static const std::string path = ReadProgramLink();
    return path;
}

void OverrideProgramFilePath(const std::string& path) {
    Override() = path;
}
