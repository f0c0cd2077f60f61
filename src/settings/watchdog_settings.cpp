#include "settings/watchdog_settings.h"

#include "platform/profile_file.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

WatchdogSettings ReadWatchdogSettings(std::vector<std::string>& problems) {
    WatchdogSettings settings;
    std::optional<std::string> text =
        ProfileFile(SettingsFilePath()).Find(watchdogSection, maxRaceMinutesKey);
    if (!text || text->empty())
        return settings;
    bool digits = text->size() <= 6 && std::all_of(text->begin(), text->end(),
                                                   [](unsigned char c) { return std::isdigit(c) != 0; });
    int minutes = digits ? std::stoi(*text) : -1;
    if (minutes < 0 || minutes > maxRaceMinutesLimit) {
        problems.push_back(std::string(maxRaceMinutesKey) + "=" + *text + " in [" + watchdogSection +
                           "] is not a number of minutes from 0 to " + std::to_string(maxRaceMinutesLimit) +
                           "; races run without a time limit.");
        return settings;
    }
    settings.MaxRaceMinutes = minutes;
    return settings;
}

bool WriteWatchdogSettings(const WatchdogSettings& settings) {
    ProfileFile file(SettingsFilePath());
    file.SetString(watchdogSection, maxRaceMinutesKey, std::to_string(settings.MaxRaceMinutes));
    return StoreSettings(file);
}
