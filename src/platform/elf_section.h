#pragma once

#include <optional>
#include <string>

// The bytes of the named section of an executable (64-bit little-endian ELF, as Quorva is built);
// none when the file cannot be read, is no such ELF file, has no section of that name, or the section
// is larger than limit.
std::optional<std::string> ReadElfSection(const std::string& path, const std::string& sectionName,
                                          size_t limit);
