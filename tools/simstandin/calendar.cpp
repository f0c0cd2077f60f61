#include "calendar.h"

#include <sstream>

namespace {

constexpr size_t idColumn = 13;
constexpr size_t idLength = 8;

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

} // namespace

std::optional<CalendarTrack> CalendarTrackOf(const std::string& calendar, int race) {
    std::istringstream lines(calendar);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("SNAME", 0) == 0 || line.find("XXXXXXXX") == idColumn || ++number != race)
            continue;
        std::string fields = line.size() > idColumn ? line.substr(idColumn) : "";
        CalendarTrack track;
        track.id = Trimmed(fields.substr(0, idLength));
        std::istringstream rest(fields.size() > idLength ? fields.substr(idLength) : "");
        double miles = 0;
        if (rest >> miles && miles > 0)
            track.miles = miles;
        std::string name;
        std::getline(rest, name);
        track.name = Trimmed(name).empty() ? track.id : Trimmed(name);
        if (track.name.empty())
            return std::nullopt;
        return track;
    }
    return std::nullopt;
}
