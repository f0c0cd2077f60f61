#pragma once

#include "core/race.h"

#include <string>

// A RACE as one line of comma-separated text, the event record, in the format of the string table's
// event record entry.

inline constexpr int RecordFieldCount = 32;

// Stands in for a missing "DefaultRace" key.
inline constexpr const char* BuiltInDefaultRaceRecord =
    "1,,DEFAULT,,,,1,0,0,1,0,0,0,10,0,0,30,1,0,1,70,0,0,0,100,5,1,1,01/01/2000,6:00,1";

// The values a missing or empty field takes: those of the default race, or those of a schedule event.
enum class RecordDefaults { DefaultRace, Event };

// The record text of race. A comma inside a text field is stored as a semicolon, so that no field of
// the record reads back shifted.
std::string FormatRaceRecord(const RACE& race);

// Sets every field of race from text. With the default race's defaults, a missing simulator field is
// NASCAR Legends when it is installed.
void ParseRaceRecord(const std::string& text, RecordDefaults defaults, RACE& race);
