#include "settings/watchdog_settings.h"

#include "core/file_open_error.h"
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
    ProfileFile file(SettingsFilePath());
    if (file.ReadCause() != CauseNone && file.ReadCause() != CauseFileNotFound) {
        problems.push_back("The settings file " + file.Path() + " could not be read (" +
                           FileCauseText(file.Path(), file.ReadCause()) +
                           "); races run without a time limit.");
        return settings;
    }
    std::optional<std::string> text = file.Find(watchdogSection, maxRaceMinutesKey);
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
    return ChangeSettings([&settings](ProfileFile& file) {
        file.SetString(watchdogSection, maxRaceMinutesKey, std::to_string(settings.MaxRaceMinutes));
    });
}
