#include "settings/race_store.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "platform/messages.h"
#include "platform/profile_file.h"
#include "settings/event_record.h"
#include "settings/settings_file.h"

namespace {
constexpr const char* serverSection = "SERVER";
constexpr const char* scheduleSection = "SCHEDULE";
constexpr size_t recordBufferSize = 1024;
} // namespace

void ReadDefaultRace() {
    if (!DefaultRace)
        return;
    std::string path = SettingsFilePath();
    if (!FileExists(path)) {
        WriteDefaultRace();
        return;
    }
    std::string record = GetPrivateProfileString(serverSection, "DefaultRace", BuiltInDefaultRaceRecord,
                                                 recordBufferSize, path);
    ParseRaceRecord(record, RecordDefaults::DefaultRace, *DefaultRace);
}

void WriteDefaultRace() {
    if (!DefaultRace)
        return;
    ProfileFile file(SettingsFilePath());
    file.SetString(serverSection, "DefaultRace", FormatRaceRecord(*DefaultRace));
    StoreSettings(file);
}

void ReadEvents() {
    std::string path = SettingsFilePath();
    if (!FileExists(path))
        return;
    // One reading of the file serves every record.
    ProfileFile file(path);
    int count = file.GetInt(scheduleSection, "Events", 0);
    if (count < 1)
        return;
    ScheduleLoaded = true;
    for (int n = 1; n <= count; ++n) {
        std::string record = file.GetString(scheduleSection, std::to_string(n), "", recordBufferSize);
        if (record.empty()) {
            ShowMessage("ReadEvents() - length of event record=0", MessageIcon::Warning);
            continue;
        }
        auto race = std::make_unique<RACE>();
        ParseRaceRecord(record, RecordDefaults::Event, *race);
        EventList.push_back(std::move(race));
    }
}

void WriteEvents() {
    ProfileFile::Entries entries;
    entries.emplace_back("Events", std::to_string(EventList.size()));
    int n = 1;
    for (const std::unique_ptr<RACE>& race : EventList)
        entries.emplace_back(std::to_string(n++), FormatRaceRecord(*race));
    ProfileFile file(SettingsFilePath());
    file.ReplaceSection(scheduleSection, entries);
    StoreSettings(file);
}
