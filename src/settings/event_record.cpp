#include "settings/event_record.h"

#include "core/app_state.h"
#include "core/simulator.h"
#include "platform/leading_integer.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <variant>

namespace {

struct RecordField {
    std::variant<int RACE::*, std::string RACE::*> member;
    const char* defaultRaceDefault;
    const char* eventDefault;
};

// In record order. The simulator's default race default is decided when reading.
const std::array<RecordField, RecordFieldCount> recordFields = {{
    {&RACE::Sim, nullptr, "0"},
    {&RACE::TrackId, "", ""},
    {&RACE::TrackName, "DEFAULT", ""},
    {&RACE::SimExe, "", ""},
    {&RACE::CalendarFile, "", ""},
    {&RACE::RacePassword, "", ""},
    {&RACE::TrackNumber, "0", "0"},
    {&RACE::AllowAI, "0", "0"},
    {&RACE::CautionFlags, "0", "0"},
    {&RACE::Runs, "1", "0"},
    {&RACE::Damage, "0", "0"},
    {&RACE::DoubleFileRestarts, "0", "0"},
    {&RACE::ForceSmoke, "0", "0"},
    {&RACE::RaceLength, "10", "0"},
    {&RACE::PaceLap, "0", "0"},
    {&RACE::ArcadeMode, "0", "0"},
    {&RACE::PracticeTime, "30", "0"},
    {&RACE::WarmupTime, "1", "0"},
    {&RACE::FixedSetups, "0", "0"},
    {&RACE::FixedWeather, "1", "0"},
    {&RACE::Temperature, "70", "0"},
    {&RACE::WindSpeed, "0", "0"},
    {&RACE::WindDirection, "0", "0"},
    {&RACE::SaveResults, "0", "0"},
    {&RACE::AIStrength, "100", "100"},
    {&RACE::PostRaceTime, "5", "5"},
    {&RACE::UseInvite, "1", "1"},
    {&RACE::UseMuzzle, "1", "1"},
    {&RACE::Date, "01/01/2000", "01/01/2000"},
    {&RACE::Time, "6:00", "6:00"},
    {&RACE::TimePM, "1", "1"},
    {&RACE::SaveReplay, "0", "0"},
}};

std::string FieldText(const RACE& race, const RecordField& field) {
    if (auto number = std::get_if<int RACE::*>(&field.member))
        return std::to_string(race.*(*number));
    std::string text = race.*std::get<std::string RACE::*>(field.member);
    std::replace(text.begin(), text.end(), ',', ';');
    return text;
}

} // namespace

std::string FormatRaceRecord(const RACE& race) {
    const std::string format = LoadString(IDS_EVENT_RECORD_FORMAT);
    std::string record;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        bool conversion =
            format[i] == '%' && i + 1 < format.size() && (format[i + 1] == 'd' || format[i + 1] == 's');
        if (conversion && next < recordFields.size()) {
            record += FieldText(race, recordFields[next++]);
            ++i;
        } else {
            record += format[i];
        }
    }
    return record;
}

void ParseRaceRecord(const std::string& text, RecordDefaults defaults, RACE& race) {
    // One pass over the record: each field runs from the comma after the one before to the next comma,
    // and a field that is empty or missing takes its default.
    const std::string installedSimulator = std::to_string(NLInstalled ? SimulatorNL : SimulatorN3);
    std::string_view rest = text;
    bool fieldsLeft = !text.empty();
    for (const RecordField& field : recordFields) {
        std::string_view value;
        if (fieldsLeft) {
            size_t comma = rest.find(',');
            value = rest.substr(0, comma);
            fieldsLeft = comma != std::string_view::npos;
            rest.remove_prefix(fieldsLeft ? comma + 1 : rest.size());
        }
        if (value.empty()) {
            const char* fallback =
                defaults == RecordDefaults::Event ? field.eventDefault : field.defaultRaceDefault;
            value = fallback != nullptr ? std::string_view(fallback) : installedSimulator;
        }
        if (auto number = std::get_if<int RACE::*>(&field.member))
            race.*(*number) = LeadingInteger(value);
        else
            race.*std::get<std::string RACE::*>(field.member) = std::string(value);
    }
}
