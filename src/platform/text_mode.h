#pragma once

#include <string>
#include <vector>

// Files that the simulators share with the program are Windows text files: CR LF on disk, LF in memory.

// The text as a text-mode read sees the bytes: it ends at the first Ctrl-Z (DOS-era files carry one as
// their last byte), and CR LF reads as LF.
std::string TextModeRead(const std::string& bytes);

// The bytes that a text-mode write of the text puts on disk: every LF goes out as CR LF.
std::string LfToCrLf(const std::string& text);

// What successive line reads of text take when each read holds at most limit characters, up to and
// including a line end: a longer line comes in pieces. Each piece ends at its first NUL, as the C
// string that such a read fills does.
std::vector<std::string> LimitedLineReads(const std::string& text, size_t limit);

// The lines of text, line ends removed, up to its first empty line or its end.
std::vector<std::string> LinesBeforeFirstEmpty(const std::string& text);
