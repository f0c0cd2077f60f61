#pragma once

#include <optional>
#include <string>
#include <string_view>

// Windows keeps texts in UTF-16; Quorva keeps them in UTF-8, as the narrow calls on Linux give them.

void AppendUtf8(std::string& text, char32_t character);

// The character of the UTF-8 text that starts at text[at], moving at past it; nothing, moving at past
// one byte, where no valid character starts (a stray, overlong, cut or surrogate form).
std::optional<char32_t> NextUtf8Character(std::string_view text, size_t& at);

// Where character n of the UTF-8 text starts, counted as NextUtf8Character steps; its size when the text
// is shorter.
size_t Utf8CharacterOffset(std::string_view text, size_t n);

// A surrogate pair makes one character; a lone surrogate is kept as it is.
std::string Utf8FromUtf16(const std::u16string& text);

// Each byte that starts no UTF-8 character becomes U+FFFD.
std::u16string Utf16FromUtf8(const std::string& text);
