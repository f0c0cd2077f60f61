#pragma once

#include <string>
#include <string_view>

// The simulators keep text in the Windows ANSI code page of Western Europe, Windows-1252; Quorva keeps
// it in UTF-8. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand
// for the control characters of the same number, as Windows' own conversion maps them, so every byte
// has a character and the way back gives the same byte.

// The UTF-8 text of Windows-1252 bytes.
std::string Utf8FromWindows1252(std::string_view bytes);

// The Windows-1252 bytes of a UTF-8 text: "?" for each character that Windows-1252 cannot hold and
// for each byte that starts no UTF-8 character.
std::string Windows1252FromUtf8(std::string_view text);

// Whether Windows1252FromUtf8 keeps every character of the text.
bool FitsWindows1252(std::string_view text);

bool IsValidUtf8(std::string_view text);

// A value of one of Quorva's own files, as UTF-8: a value that is not valid UTF-8 was written by the
// Windows program and is taken as Windows-1252, so it is never lost.
std::string Utf8FromStored(std::string_view value);

// How many characters a stored value shows as (Utf8FromStored): its UTF-8 characters, or its bytes where
// it is Windows-1252. A limit on a stored text counts these, as the windows count what is typed.
size_t StoredLength(std::string_view value);

// The value cut to at most limit of those characters, never inside one.
std::string StoredPrefix(std::string_view value, size_t limit);

// A file that a simulator reads or writes holds Windows-1252. One that begins with a UTF-8 byte order
// mark was saved by an editor in UTF-8: the mark is dropped and its values are taken as stored values.
class SimulatorText {
public:
    // Drops a byte order mark at the start of text.
    explicit SimulatorText(std::string& text);

    // A value of the file as UTF-8.
    std::string ToUtf8(std::string_view bytes) const;

private:
    bool m_utf8 = false;
};
