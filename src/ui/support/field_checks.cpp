#include "ui/support/field_checks.h"

#include "resources/string_ids.h"
#include "resources/string_table.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr size_t LookedAtLength = 31;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
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
    if (magnitude == 0 && text.front() != '0')
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
    if (text.size() <= static_cast<size_t>(limit))
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
