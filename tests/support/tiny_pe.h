#pragma once

#include <cstdint>
#include <string>

// The first bytes of a Windows program for the machine (0x014C i386, 0x8664 x86-64): an "MZ" header
// whose word at 0x3C points to the "PE\0\0" signature at 0x40, the machine right after it.
inline std::string TinyPe(std::uint16_t machine) {
    std::string bytes = "MZ" + std::string(0x3E, '\0');
    bytes[0x3C] = 0x40;
    bytes += std::string("PE\0\0", 4);
    bytes += static_cast<char>(machine & 0xFF);
    bytes += static_cast<char>(machine >> 8);
    return bytes + std::string(18, '\0');
}
