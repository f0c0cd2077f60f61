#pragma once

#include <string>

// Windows keeps texts in UTF-16; Quorva keeps them in UTF-8, as the narrow calls on Linux give them.

void AppendUtf8(std::string& text, char32_t character);

// A surrogate pair makes one character; a lone surrogate is kept as it is.
std::string Utf8FromUtf16(const std::u16string& text);

// Bytes that are not UTF-8 become U+FFFD.
std::u16string Utf16FromUtf8(const std::string& text);
