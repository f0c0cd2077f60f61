#include "schedule/countdown_log_pace.h"

#include <climits>

namespace {

constexpr CountdownSeconds hour = 3600;
constexpr CountdownSeconds tenMinutes = 600;
constexpr CountdownSeconds lastMinute = 60;

// The greatest time left, below left, that is logged.
CountdownSeconds NextLogged(CountdownSeconds left) {
    if (left > hour)
        return (left - 1) / hour * hour;
    if (left > tenMinutes)
        return (left - 1) / tenMinutes * tenMinutes;
    if (left > lastMinute)
        return lastMinute;
    return LLONG_MIN;
}

} // namespace

bool CountdownLogPace::Due(CountdownSeconds left) {
    bool due = !m_started || left > m_last || left <= m_next;
    if (due)
        m_next = NextLogged(left);
    m_started = true;
    m_last = left;
    return due;
}
