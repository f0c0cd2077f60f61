#include "platform/windows_1252.h"

#include "platform/unicode.h"

#include <array>
#include <optional>

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr char missing = '?';

// The characters of bytes 0x80 to 0x9F; the rest of the code page is Latin-1, byte for character.
constexpr std::array<char32_t, 32> upperControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of a character, or nothing when Windows-1252 has none for it.
std::optional<char> ByteOf(char32_t character) {
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF))
        return static_cast<char>(character);
    for (size_t k = 0; k < upperControls.size(); ++k) {
        if (upperControls[k] == character)
            return static_cast<char>(0x80 + k);
    }
    return std::nullopt;
}

// Calls visit with each character of a UTF-8 text, and with nothing for each byte that starts none.
template <typename Visit>
void ForEachCharacter(std::string_view text, Visit visit) {
    size_t at = 0;
    while (at < text.size())
        visit(NextUtf8Character(text, at));
}

} // namespace

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        unsigned char code = static_cast<unsigned char>(byte);
        AppendUtf8(text, code >= 0x80 && code < 0xA0 ? upperControls[code - 0x80] : code);
    }
    return text;
}

std::string Windows1252FromUtf8(std::string_view text) {
    std::string bytes;
    ForEachCharacter(text, [&](std::optional<char32_t> character) {
        bytes += (character ? ByteOf(*character) : std::nullopt).value_or(missing);
    });
    return bytes;
}

bool FitsWindows1252(std::string_view text) {
    bool fits = true;
    ForEachCharacter(
        text, [&](std::optional<char32_t> character) { fits = fits && character && ByteOf(*character); });
    return fits;
}

bool IsValidUtf8(std::string_view text) {
    bool valid = true;
    ForEachCharacter(text,
                     [&](std::optional<char32_t> character) { valid = valid && character.has_value(); });
    return valid;
}

std::string Utf8FromStored(std::string_view value) {
    return IsValidUtf8(value) ? std::string(value) : Utf8FromWindows1252(value);
}

size_t StoredLength(std::string_view value) {
    if (!IsValidUtf8(value))
        return value.size();
    size_t length = 0;
    ForEachCharacter(value, [&](std::optional<char32_t>) { ++length; });
    return length;
}

std::string StoredPrefix(std::string_view value, size_t limit) {
    // No text holds more characters than bytes.
    if (value.size() <= limit || !IsValidUtf8(value))
        return std::string(value.substr(0, limit));
    return std::string(value.substr(0, Utf8CharacterOffset(value, limit)));
}

SimulatorText::SimulatorText(std::string& text) {
    m_utf8 = text.starts_with(byteOrderMark);
    if (m_utf8)
        text.erase(0, byteOrderMark.size());
}

std::string SimulatorText::ToUtf8(std::string_view bytes) const {
    return m_utf8 ? Utf8FromStored(bytes) : Utf8FromWindows1252(bytes);
}
