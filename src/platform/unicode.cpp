#include "platform/unicode.h"

namespace {

constexpr char32_t replacement = 0xFFFD;

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

std::optional<char32_t> NextUtf8Character(std::string_view text, size_t& at) {
    unsigned char lead = static_cast<unsigned char>(text[at]);
    int extra = lead < 0x80                    ? 0
                : lead >= 0xC2 && lead <= 0xDF ? 1
                : lead >= 0xE0 && lead <= 0xEF ? 2
                : lead >= 0xF0 && lead <= 0xF4 ? 3
                                               : -1;
    if (extra < 0 || at + static_cast<size_t>(extra) >= text.size()) {
        ++at;
        return std::nullopt;
    }
    char32_t character = extra == 0 ? lead : lead & (0x3F >> extra);
    for (size_t k = 1; k <= static_cast<size_t>(extra); ++k) {
        unsigned char next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) {
            ++at;
            return std::nullopt;
        }
        character = (character << 6) | (next & 0x3F);
    }
    static constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
    if (character < smallest[extra] || character > 0x10FFFF || IsHighSurrogate(character) ||
        IsLowSurrogate(character)) {
        ++at;
        return std::nullopt;
    }
    at += static_cast<size_t>(extra) + 1;
    return character;
}

size_t Utf8CharacterOffset(std::string_view text, size_t n) {
    size_t at = 0;
    for (size_t k = 0; k < n && at < text.size(); ++k)
        NextUtf8Character(text, at);
    return at;
}

void AppendUtf8(std::string& text, char32_t character) {
    if (character < 0x80) {
        text += static_cast<char>(character);
    } else if (character < 0x800) {
        text += static_cast<char>(0xC0 | (character >> 6));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        text += static_cast<char>(0xE0 | (character >> 12));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (character >> 18));
        text += static_cast<char>(0x80 | ((character >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((character >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (character & 0x3F));
    }
}

std::string Utf8FromUtf16(const std::u16string& text) {
    std::string result;
    for (size_t k = 0; k < text.size(); ++k) {
        char32_t unit = text[k];
        if (IsHighSurrogate(unit) && k + 1 < text.size() && IsLowSurrogate(text[k + 1])) {
            AppendUtf8(result, 0x10000 + ((unit - 0xD800) << 10) + (text[k + 1] - 0xDC00));
            ++k;
        } else {
            AppendUtf8(result, unit);
        }
    }
    return result;
}

std::u16string Utf16FromUtf8(const std::string& text) {
    std::u16string result;
    size_t at = 0;
    while (at < text.size()) {
        char32_t character = NextUtf8Character(text, at).value_or(replacement);
        if (character >= 0x10000) {
            result += static_cast<char16_t>(0xD800 + ((character - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
        } else {
            result += static_cast<char16_t>(character);
        }
    }
    return result;
}
