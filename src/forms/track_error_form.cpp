#include "forms/track_error_form.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <cstdio>
#include <vector>

namespace {

// Fills a string-table format whose conversions are the given ones, in order.
template <typename... Values>
std::string FormatEntry(int id, Values... values) {
    std::string format = LoadString(id);
    int length = std::snprintf(nullptr, 0, format.c_str(), values...);
    if (length < 0)
        return format;
    std::vector<char> text(static_cast<size_t>(length) + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), values...);
    return std::string(text.data(), static_cast<size_t>(length));
}

} // namespace

std::string TrackErrorFirstLine(int itemNumber, const std::string& simulatorName) {
    return FormatEntry(IDS_TRACK_NOT_IN_DICTIONARY, itemNumber, simulatorName.c_str(), simulatorName.c_str());
}

std::string TrackErrorSecondLine(const std::string& trackId) {
    return FormatEntry(IDS_TRACK_IDENTIFIED_AS, trackId.c_str());
}
