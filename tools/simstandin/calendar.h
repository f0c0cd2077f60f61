#pragma once

#include <optional>
#include <string>

// A track of the simulator's season as its calendar gives it.
struct CalendarTrack {
    std::string id;
    std::string name;
    double miles = 1;
};

// The track of a race number (1-based) in a calendar's text, counted as Quorva counts them: lines that
// name the season ("SNAME ...") or an empty slot ("XXXXXXXX" as the identifier) are not tracks. A track
// line holds its identifier in columns 14-21, then its length in miles and its name. Nothing for a
// number that no track line has.
std::optional<CalendarTrack> CalendarTrackOf(const std::string& calendar, int race);
