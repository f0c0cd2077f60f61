#pragma once

#include <string>

// A stored text is kept as the settings file holds it: a value that the Windows program wrote in
// Windows-1252 is shown as its characters, and goes back unchanged unless the operator edits it.

// What a field stores when the operator leaves typed (UTF-8) in it: the stored bytes when it still holds
// the stored text as the field showed it (Utf8FromStored), else typed.
std::string EditedText(const std::string& stored, const std::string& typed);
