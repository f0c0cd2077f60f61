#include "schedule/clock_time.h"

#include <climits>

namespace {

// A hand-edited year or month near the smallest number stays the smallest rather than wrapping around.
int Less(int value, int amount) {
    return value < INT_MIN + amount ? INT_MIN : value - amount;
}

} // namespace

std::time_t LocalClockTime(const LocalDate& date, int hour, int minute, int second) {
    std::tm parts{};
    parts.tm_year = Less(date.year, 1900);
    parts.tm_mon = Less(date.month, 1);
    parts.tm_mday = date.day;
    parts.tm_hour = hour;
    parts.tm_min = minute;
    parts.tm_sec = second;
    parts.tm_isdst = -1;
    return std::mktime(&parts);
}

std::tm LocalParts(std::time_t moment) {
    std::tm parts{};
    localtime_r(&moment, &parts);
    return parts;
}

LocalDate DateOf(std::time_t moment) {
    std::tm parts = LocalParts(moment);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

LocalDate NextDay(const LocalDate& date) {
    // Noon is never skipped or doubled by a change of daylight saving time.
    return DateOf(LocalClockTime({date.year, date.month, date.day + 1}, 12, 0));
}
