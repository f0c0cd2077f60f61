#include "core/file_open_error.h"

#include "platform/messages.h"

#include <array>
#include <string_view>

namespace {
constexpr std::array<std::string_view, 15> causeTexts = {
    "no error",
    "unspecified error",
    "file not found",
    "invalid path",
    "too many files open",
    "access denied",
    "invalid file handle",
    "current working directory cannot be removed",
    "directory is full",
    "could not set file pointer",
    "hardware error",
    "SHARE.EXE not loaded or file is locked",
    "tried to lock a region already locked",
    "disk is full",
    "unexpected end of file",
};
} // namespace

std::string FileCauseText(int cause) {
    if (cause < 0 || static_cast<size_t>(cause) >= causeTexts.size())
        return "";
    return std::string(causeTexts[static_cast<size_t>(cause)]);
}

void ShowFileOpenError(const std::string& path, int cause) {
    ShowMessage("The following error occurred while trying to open " + path + "\n\n" + FileCauseText(cause));
}
