#pragma once

#include <optional>
#include <string>

// What the stand-in takes from an event file: the items a race needs.
struct StandInEvent {
    bool nascarRacing3 = false; // only NASCAR Racing 3 event files carry a "security" item
    int race = 1;
    int lengthPercent = 100;
    int temperature = 70;
    int windSpeed = 0;
    int windDirection = 0; // 0-7, north clockwise in eighths
    int fieldSize = 43;
    std::string standingsName; // empty when the event saves no results
};

struct EventFileReading {
    std::optional<StandInEvent> event;
    std::string problem; // why the text is not an event file, when event is empty
};

// Reads the items of an event file's text ("key value " or "key 'text' ") up to its "stn" item;
// what follows that item is the operator's added parameters and is not looked at.
EventFileReading ReadEventFile(const std::string& text);
