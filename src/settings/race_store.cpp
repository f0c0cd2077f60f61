#include "settings/race_store.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "platform/messages.h"
#include "platform/profile_file.h"
#include "platform/windows_1252.h"
#include "settings/event_record.h"
#include "settings/settings_file.h"

#include <map>
#include <optional>

namespace {
constexpr const char* serverSection = "SERVER";
constexpr const char* scheduleSection = "SCHEDULE";
constexpr size_t recordBufferSize = 1024;
constexpr size_t maxPositionDigits = 10;
const char* const missingRecordMessage = "ReadEvents() - length of event record=0";

// The schedule position a key names: 1 up to count, written in plain decimal as WriteEvents writes
// it; 0 for any other key.
int RecordPosition(const std::string& key, int count) {
    if (key.empty() || key.size() > maxPositionDigits || key[0] == '0')
        return 0;
    long long position = 0;
    for (char digit : key) {
        if (digit < '0' || digit > '9')
            return 0;
        position = position * 10 + (digit - '0');
    }
    return position <= count ? static_cast<int>(position) : 0;
}

// "... and 2 more event records are missing.": what the first record's message told of, for the others.
std::string MoreRecordsMessage(int more, const char* what) {
    return "... and " + std::to_string(more) +
           (more == 1 ? " more event record is " : " more event records are ") + what + ".";
}

// What is wrong with a stored record that cannot be read as it was written, or nothing: a record that
// was cut or ended early would lose its last fields and run with an empty program or calendar.
std::optional<std::string> RecordDamage(const std::string& record) {
    if (size_t nul = record.find('\0'); nul != std::string::npos)
        return "it holds a NUL character at character " + std::to_string(nul + 1);
    if (size_t length = StoredLength(record); length > recordBufferSize - 1)
        return "it is " + std::to_string(length) + " characters long, more than the " +
               std::to_string(recordBufferSize - 1) + " an event record holds";
    return std::nullopt;
}

std::string DamagedRecordMessage(int position, const std::string& path, const std::string& damage) {
    return "Event record " + std::to_string(position) + " in [SCHEDULE] of " + path +
           " is damaged: " + damage +
           ". The event is left out of the schedule; edit or remove the record while Quorva is not running.";
}

} // namespace

void ReadDefaultRace(const ProfileFile& file) {
    if (!DefaultRace)
        return;
    if (file.ReadCause() == CauseFileNotFound && !FileExists(file.Path())) {
        WriteDefaultRace();
        return;
    }
    std::string record =
        file.GetString(serverSection, "DefaultRace", BuiltInDefaultRaceRecord, recordBufferSize);
    ParseRaceRecord(record, RecordDefaults::DefaultRace, *DefaultRace);
}

void WriteDefaultRace() {
    if (!DefaultRace)
        return;
    std::string record = FormatRaceRecord(*DefaultRace);
    ChangeSettings([&record](ProfileFile& file) { file.SetString(serverSection, "DefaultRace", record); });
}

void ReadEvents(const ProfileFile& file) {
    int count = file.GetInt(scheduleSection, "Events", 0);
    if (count < 1)
        return;
    ScheduleLoaded = true;
    // The keys that are there are read in one pass, so a hand-edited count far beyond them costs
    // nothing and the gaps are told once, counted.
    std::map<int, std::string> records;
    for (auto& [key, value] : file.SectionEntries(scheduleSection)) {
        int position = RecordPosition(key, count);
        if (position > 0 && !value.empty())
            records.emplace(position, std::move(value));
    }
    int damaged = 0;
    EventList.reserve(records.size());
    for (const auto& [position, record] : records) {
        if (std::optional<std::string> damage = RecordDamage(record)) {
            if (damaged++ == 0)
                ShowMessage(DamagedRecordMessage(position, file.Path(), *damage), MessageIcon::Warning);
            continue;
        }
        auto race = std::make_unique<RACE>();
        ParseRaceRecord(record, RecordDefaults::Event, *race);
        EventList.push_back(std::move(race));
    }
    if (damaged > 1)
        ShowMessage(MoreRecordsMessage(damaged - 1, "damaged and left out"), MessageIcon::Warning);
    int missing = count - static_cast<int>(records.size());
    if (missing > 0)
        ShowMessage(missingRecordMessage, MessageIcon::Warning);
    if (missing > 1)
        ShowMessage(MoreRecordsMessage(missing - 1, "missing"), MessageIcon::Warning);
}

void WriteEvents(bool forgetLastRace) {
    ProfileFile::Entries entries;
    entries.emplace_back("Events", std::to_string(EventList.size()));
    int n = 1;
    for (const std::unique_ptr<RACE>& race : EventList)
        entries.emplace_back(std::to_string(n++), FormatRaceRecord(*race));
    ChangeSettings([&](ProfileFile& file) {
        file.ReplaceSection(scheduleSection, entries);
        if (forgetLastRace)
            file.SetString(serverSection, "LastRace", "-1");
    });
}
