#include "core/record_field.h"
#include "fuzz_check.h"
#include "settings/event_record.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// The fields split at separator join back into the text they came from.
void CheckFields(const std::string& text, char separator) {
    Check(GetRecordField(text, separator, 4, 5, "D") == "D");
    int count = static_cast<int>(std::count(text.begin(), text.end(), separator)) + 1;
    if (count > 64)
        return;
    std::string joined;
    for (int n = 1; n <= count; ++n) {
        std::string field = GetRecordField(text, separator, count, n, "");
        Check(field.find(separator) == std::string::npos);
        joined += (n > 1 ? std::string(1, separator) : "") + field;
    }
    Check(joined == text && GetRecordField(text, separator, count + 1, count + 1, "D") == "D");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    for (char separator : {',', '/', ':', '\''})
        CheckFields(text, separator);
    std::string stored = text;
    std::replace(stored.begin(), stored.end(), ',', ';');
    for (RecordDefaults defaults : {RecordDefaults::DefaultRace, RecordDefaults::Event}) {
        RACE race;
        ParseRaceRecord(text, defaults, race);
        std::string record = FormatRaceRecord(race);
        Check(std::count(record.begin(), record.end(), ',') == RecordFieldCount - 1);
        RACE again;
        ParseRaceRecord(record, defaults, again);
        Check(again == race);
        if (text.empty())
            continue;
        // A comma typed into a text field comes back as a semicolon and shifts no later field.
        race.TrackName = text;
        ParseRaceRecord(FormatRaceRecord(race), defaults, again);
        race.TrackName = stored;
        Check(again == race);
    }
    return 0;
}
