#include "core/file_open_error.h"

#include "platform/file_system.h"
#include "platform/messages.h"

#include <array>
#include <cstring>
#include <string_view>

namespace {
constexpr std::array<std::string_view, 16> causeTexts = {
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
    "the file is too large to be read",
};

std::string StepText(FileStep step, const std::string& path) {
    switch (step) {
    case FileStep::Open:
        break;
    case FileStep::Read:
        return "read " + path;
    case FileStep::Write:
        return "write " + path;
    case FileStep::Flush:
        return "flush " + path + " to the disk";
    case FileStep::Replace:
        return "replace " + path;
    case FileStep::List:
        return "list the folder " + path;
    case FileStep::MakeFolder:
        return "make the folder " + path;
    }
    return "open " + path;
}
} // namespace

std::string FileCauseText(int cause) {
    if (cause < 0 || static_cast<size_t>(cause) >= causeTexts.size())
        return "";
    return std::string(causeTexts[static_cast<size_t>(cause)]);
}

std::string FileCauseText(const std::string& path, int cause) {
    std::optional<unsigned long long> size = cause == CauseTooLarge ? FileSize(path) : std::nullopt;
    if (!size)
        return FileCauseText(cause);
    return "the file is " + std::to_string(*size) + " bytes long, far more than any such file holds (" +
           std::to_string(largestReadFile >> 20) + " MB at most): it was not read";
}

void ShowFileOpenError(const std::string& path, int cause) {
    ShowFileFailure(path, {static_cast<FileCause>(cause), FileStep::Open, 0});
}

std::string FileFailureText(const std::string& path, const FileFailure& failure) {
    std::string text = "The following error occurred while trying to " + StepText(failure.step, path) +
                       "\n\n" + FileCauseText(path, failure.cause);
    if (failure.step != FileStep::Open && failure.error != 0)
        text += std::string(" (") + std::strerror(failure.error) + ")";
    return text;
}

void ShowFileFailure(const std::string& path, const FileFailure& failure) {
    ShowMessage(FileFailureText(path, failure));
}
