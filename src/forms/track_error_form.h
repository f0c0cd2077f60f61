#pragma once

#include <string>

// What the Track Error dialog says and accepts, apart from its window.

// The first explanation line: which entry of which simulator's calendar lacks a name.
std::string TrackErrorFirstLine(int itemNumber, const std::string& simulatorName);

// The second explanation line: the identifier the calendar gives the track.
std::string TrackErrorSecondLine(const std::string& trackId);

// The message that refuses OK without a name.
inline constexpr const char* TrackNameRequired = "You must enter a track name.";

// The longest name the field takes.
inline constexpr int TrackNameLimit = 80;
