#include "settings/watchdog_settings.h"

#include "platform/profile_file.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

std::optional<int> MaxRaceMinutesOf(const std::string& text) {
    bool digits = !text.empty() && text.size() <= 6 &&
                  std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    if (!digits || std::stoi(text) > maxRaceMinutesLimit)
        return std::nullopt;
    return std::stoi(text);
}

std::string MaxRaceMinutesRefusal() {
    return "The longest race takes a whole number of minutes from 0 to " +
           std::to_string(maxRaceMinutesLimit) + ".";
}

WatchdogSettings ReadWatchdogSettings(std::vector<std::string>& problems) {
    WatchdogSettings settings;
    std::optional<std::string> text =
        ProfileFile(SettingsFilePath()).Find(watchdogSection, maxRaceMinutesKey);
    if (!text || text->empty())
        return settings;
    std::optional<int> minutes = MaxRaceMinutesOf(*text);
    if (!minutes) {
        problems.push_back(std::string(maxRaceMinutesKey) + "=" + *text + " in [" + watchdogSection +
                           "] is not a number of minutes from 0 to " + std::to_string(maxRaceMinutesLimit) +
                           "; races run without a time limit.");
        return settings;
    }
    settings.MaxRaceMinutes = *minutes;
    return settings;
}

bool WriteWatchdogSettings(const WatchdogSettings& settings) {
    ProfileFile file(SettingsFilePath());
    file.SetString(watchdogSection, maxRaceMinutesKey, std::to_string(settings.MaxRaceMinutes));
    return StoreSettings(file);
}
