#pragma once

#include <cstdio>
#include <string>

// A ".stn" driver line with its values in their columns.
inline std::string StnDriver(const char* finish, const char* start, const char* car, const char* name,
                             const char* laps, const char* led, const char* points, const char* qualifying,
                             const char* out) {
    char line[128];
    std::snprintf(line, sizeof line, "%-2s  %-2s  %-3s  %-27s %-3s  %-3s   %-3s  %-12s %-12s", finish, start,
                  car, name, laps, led, points, qualifying, out);
    return line;
}
