#include "results/standings_file.h"

#include "core/file_open_error.h"
#include "platform/file_system.h"

namespace {
constexpr const char* whiteSpace = " \t\r\n\v\f";
}

std::optional<std::string> ReadStandingsBytes(const std::string& fileName) {
    FileReadResult file = ReadFileBytes(fileName);
    if (file.cause != CauseNone) {
        ShowFileOpenError(fileName, file.cause);
        return std::nullopt;
    }
    return std::move(file.bytes);
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(whiteSpace);
    return first == std::string::npos ? "" : TrimmedRight(text.substr(first));
}

std::string TrimmedRight(const std::string& text) {
    size_t last = text.find_last_not_of(whiteSpace);
    return last == std::string::npos ? "" : text.substr(0, last + 1);
}
