#pragma once

#include "core/race.h"
#include "core/server.h"

#include <ctime>
#include <string>

// When the current event is due, by the server's timing mode, as seconds from now.

// Wide enough for any delay or date a hand-edited settings file can hold.
using CountdownSeconds = long long;

struct DailyTime {
    int hour = 0; // 0-24: 12 is added for PM (up to the largest int for a hand-edited hour)
    int minute = 0;
};

// "9:30" with PM gives 21:30; the digits of each part are read as far as they go.
DailyTime ParseDailyTime(const std::string& text, int pm);

// The event's own date and time ("mm/dd/yyyy", "h:mm" and TimePM) as a local clock time.
std::time_t EventClockTime(const RACE& event);

// Seconds until the event is to be launched; zero or less launches it at once.
CountdownSeconds ComputeCountdownSeconds(const SERVER& server, const DailyTime& daily, const RACE& event,
                                         std::time_t now);
