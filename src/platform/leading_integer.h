#pragma once

#include <string_view>

// The integer that the start of text spells, as a C-style conversion reads it: optional leading white
// space, an optional sign, then decimal digits up to the first other character. No digits gives 0; a
// value beyond the range of int is held at its nearest end.
int LeadingInteger(std::string_view text);
