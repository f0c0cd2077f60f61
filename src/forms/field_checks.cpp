#include "forms/field_checks.h"

#include "platform/leading_integer.h"
#include "platform/windows_1252.h"
#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace {

constexpr size_t LookedAtLength = 31;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Month, day and year: three numbers between runs of "/" and "-", each held at 99999 at most; what
// follows the third is not looked at. Nothing when the text does not hold three numbers.
std::optional<std::array<int, 3>> ReadDateNumbers(std::string_view date) {
    std::array<int, 3> numbers{};
    size_t at = 0;
    for (size_t k = 0; k < numbers.size(); ++k) {
        size_t separators = at;
        while (k > 0 && at < date.size() && (date[at] == '/' || date[at] == '-'))
            ++at;
        if (k > 0 && at == separators)
            return std::nullopt;
        size_t firstDigit = at;
        for (; at < date.size() && IsDigit(date[at]); ++at)
            numbers[k] = std::min(99999, numbers[k] * 10 + (date[at] - '0'));
        if (at == firstDigit)
            return std::nullopt;
    }
    return numbers;
}

} // namespace

std::optional<int> ReadIntegerField(std::string_view text) {
    text = text.substr(0, LookedAtLength);
    size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    size_t firstDigit = at;
    // Beyond the 32-bit range the value stays at the bound, so no digit can overflow it.
    std::int64_t magnitude = 0;
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (; at < text.size() && IsDigit(text[at]); ++at)
        magnitude = std::min(limit, magnitude * 10 + (text[at] - '0'));
    if (at == firstDigit)
        return std::nullopt;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at != text.size())
        return std::nullopt;
    if (magnitude == 0 && text[text.find_first_not_of(" \t")] != '0')
        return std::nullopt;
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<int>::max())
        value = std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

std::optional<Message> CheckIntegerField(std::string_view text, int low, int high, int& value) {
    std::optional<int> read = ReadIntegerField(text);
    if (!read)
        return Message{LoadString(IDS_PARSE_INT), MessageIcon::None};
    value = *read;
    if (value < low || value > high)
        return Message{
            FillPlaceholders(LoadString(IDS_PARSE_INT_RANGE), {std::to_string(low), std::to_string(high)}),
            MessageIcon::Warning};
    return std::nullopt;
}

std::optional<Message> CheckTextLength(std::string_view text, int limit) {
    if (StoredLength(text) <= static_cast<size_t>(limit))
        return std::nullopt;
    return Message{FillPlaceholders(LoadString(IDS_PARSE_STRING_SIZE), {std::to_string(limit)}),
                   MessageIcon::Warning};
}

std::string FillPlaceholders(std::string text, std::initializer_list<std::string> values) {
    int number = 1;
    for (const std::string& value : values) {
        std::string placeholder = "%" + std::to_string(number++);
        if (size_t at = text.find(placeholder); at != std::string::npos)
            text.replace(at, placeholder.size(), value);
    }
    return text;
}

std::optional<std::string> CheckDateField(std::string& date) {
    constexpr const char* grosslyInvalid =
        "Grossly invalid date - valid entries are 01/01/2000 through 12/31/2038.";
    if (date.size() < 8)
        return "Enter the date in the following format - MM/DD/YYYY";
    if (date.find_first_not_of("0123456789/-") != std::string::npos)
        return "You can onlu enter digits, '/' and '-' in this field.";
    if (date.size() - date.find_last_of("/-") - 1 != 4)
        return "You must enter a 4-digit year.";
    std::optional<std::array<int, 3>> numbers = ReadDateNumbers(date);
    if (!numbers)
        return grosslyInvalid;
    auto [month, day, year] = *numbers;
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 2000 || year > 2038)
        return grosslyInvalid;
    char normalised[16];
    std::snprintf(normalised, sizeof normalised, "%02d/%02d/%04d", month, day, year);
    date = normalised;
    return std::nullopt;
}

std::optional<TimeFault> CheckTimeField(std::string_view time) {
    size_t colon = time.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return TimeFault::MissingColon;
    int hours = LeadingInteger(time.substr(0, colon));
    if (hours < 0 || hours > 12)
        return TimeFault::Hours;
    int minutes = LeadingInteger(time.substr(colon + 1));
    if (minutes < 0 || minutes > 59)
        return TimeFault::Minutes;
    return std::nullopt;
}

std::string RaceTimeReason(TimeFault fault) {
    switch (fault) {
    case TimeFault::MissingColon:
        return "Invalid time format (missing colon).";
    case TimeFault::Hours:
        return "Invalid number of hours entered.  Enter 0-12 hours BEFORE the colon.";
    case TimeFault::Minutes:
        break;
    }
    return "Invalid number of minutes entered.  Enter 0-59 minutes AFTER the colon.";
}

std::string TimingTimeReason(TimeFault fault) {
    if (fault == TimeFault::Minutes)
        return "Invalid number of minute entered.  Enter 0-59 minutes AFTER the colon.";
    return RaceTimeReason(fault);
}

std::optional<Message> CheckQuotedText(std::string_view text, std::string_view name, bool refuseCommas) {
    std::string_view refused = refuseCommas ? ",'\r\n" : "'\r\n";
    if (text.find_first_of(refused) == std::string_view::npos)
        return std::nullopt;
    std::string what =
        refuseCommas ? "a comma, a single quote or a line end" : "a single quote or a line end";
    return Message{"The " + std::string(name) + " cannot hold " + what + ".", MessageIcon::Warning};
}
