#pragma once

#include "platform/messages.h"

#include <optional>
#include <string>
#include <string_view>

// The checks that every dialog makes of its fields when the operator accepts it. Each gives the message
// that refuses the field, or nothing when the field passes; the dialog shows the message and puts the
// focus on the field.

// The number an integer field holds: optional blanks, an optional sign, decimal digits and optional
// blanks, and nothing else. Only the first 31 characters count, a value of 0 must begin with the digit
// 0 (after the blanks), and a number beyond the 32-bit range reads as the nearest bound.
std::optional<int> ReadIntegerField(std::string_view text);

// "Please enter an integer." (plain) when the field holds no integer; otherwise value is set, and a value
// outside low to high gives "Please enter an integer between %1 and %2." (exclamation icon).
std::optional<Message> CheckIntegerField(std::string_view text, int low, int high, int& value);

// "Please enter no more than %1 characters." (exclamation icon) for a text longer than limit, its
// characters counted as typing and reading count them (StoredLength).
std::optional<Message> CheckTextLength(std::string_view text, int limit);

// A string-table text with %1, %2, ... replaced by the given values in turn.
std::string FillPlaceholders(std::string text, std::initializer_list<std::string> values);

// A date field of the form MM/DD/YYYY ("/" or "-" between the numbers): the reason it is refused, or
// nothing, and then date is rewritten as MM/DD/YYYY with two-digit month and day. The day is not
// checked against the month.
std::optional<std::string> CheckDateField(std::string& date);

// What is wrong with a time field of the form H:MM, hours 0 to 12 and minutes 0 to 59 each read as the
// number that begins its side of the colon. The dialogs give the reason in their own words.
enum class TimeFault { MissingColon, Hours, Minutes };
std::optional<TimeFault> CheckTimeField(std::string_view time);

// The event dialog's reason for a time fault, and the timing dialog's (which says "minute").
std::string RaceTimeReason(TimeFault fault);
std::string TimingTimeReason(TimeFault fault);

// The message that refuses a text that the options file carries between single quotes when it holds a
// single quote or a line end, and a comma too where commas are refused (the race password, which an
// event record would otherwise change). The name says which field it is.
std::optional<Message> CheckQuotedText(std::string_view text, std::string_view name, bool refuseCommas);
