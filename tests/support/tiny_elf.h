#pragma once

#include <string>
#include <utility>
#include <vector>

// The bytes of a minimal 64-bit little-endian ELF file that holds the named sections (name and bytes),
// after the empty section 0 and before the section-name table ".shstrtab".
std::string TinyElf(const std::vector<std::pair<std::string, std::string>>& sections);
