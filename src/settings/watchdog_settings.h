#pragma once

#include <optional>
#include <string>
#include <vector>

// Section "WATCHDOG" of the settings file: how long a race may run before Quorva ends its simulator.
// The original program does not know the section; a missing one means the defaults.

inline constexpr const char* watchdogSection = "WATCHDOG";
inline constexpr const char* maxRaceMinutesKey = "MaxRaceMinutes";
// 0 waits for the simulator without a limit.
inline constexpr int maxRaceMinutesDefault = 0;
// A week: longer is a typing error, not a race.
inline constexpr int maxRaceMinutesLimit = 7 * 24 * 60;

struct WatchdogSettings {
    int MaxRaceMinutes = maxRaceMinutesDefault;
};

// The minutes a text gives when it is a whole number from 0 to the limit; nothing otherwise.
std::optional<int> MaxRaceMinutesOf(const std::string& text);

// What the operator is told when a typed MaxRaceMinutes is refused.
std::string MaxRaceMinutesRefusal();

// The stored settings. A MaxRaceMinutes that is negative, beyond the limit or not a whole number is
// read as the default, and a line in problems says so; so is a settings file that cannot be read, with
// its cause.
WatchdogSettings ReadWatchdogSettings(std::vector<std::string>& problems);

// Stores them, telling the operator when the write fails; true when written.
bool WriteWatchdogSettings(const WatchdogSettings& settings);
