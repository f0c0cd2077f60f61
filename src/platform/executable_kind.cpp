#include "platform/executable_kind.h"

#include <cstdint>
#include <fstream>
#include <sys/stat.h>

namespace {

// A PE file's "MZ" header gives the offset of the "PE\0\0" signature at 0x3C; the machine follows it.
constexpr std::streamoff peOffsetAt = 0x3C;
constexpr std::uint16_t machineI386 = 0x014C;
constexpr std::uint16_t machineAmd64 = 0x8664;

std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value;
}

bool ReadAt(std::ifstream& file, std::streamoff offset, unsigned char* bytes, std::streamsize count) {
    file.clear();
    file.seekg(offset);
    return static_cast<bool>(file.read(reinterpret_cast<char*>(bytes), count));
}

ExecutableKind WindowsKindOf(std::ifstream& file) {
    unsigned char offset[4];
    unsigned char signature[6];
    if (!ReadAt(file, peOffsetAt, offset, sizeof offset) ||
        !ReadAt(file, LittleEndian(offset, 4), signature, sizeof signature) || signature[0] != 'P' ||
        signature[1] != 'E' || signature[2] != 0 || signature[3] != 0)
        return ExecutableKind::WindowsOther;
    switch (LittleEndian(signature + 4, 2)) {
    case machineI386:
        return ExecutableKind::Windows32;
    case machineAmd64:
        return ExecutableKind::Windows64;
    default:
        return ExecutableKind::WindowsOther;
    }
}

} // namespace

ExecutableKind ExecutableKindOf(const std::string& hostPath) {
    struct stat info;
    if (stat(hostPath.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return ExecutableKind::Missing;
    std::ifstream file(hostPath, std::ios::binary);
    if (!file)
        return ExecutableKind::Unreadable;
    unsigned char start[4] = {};
    file.read(reinterpret_cast<char*>(start), sizeof start);
    std::streamsize got = file.gcount();
    if (got >= 2 && start[0] == 'M' && start[1] == 'Z')
        return WindowsKindOf(file);
    if (got >= 2 && start[0] == '#' && start[1] == '!')
        return ExecutableKind::Linux;
    if (got == 4 && start[0] == 0x7F && start[1] == 'E' && start[2] == 'L' && start[3] == 'F')
        return ExecutableKind::Linux;
    return ExecutableKind::NotAProgram;
}

bool IsWindowsKind(ExecutableKind kind) {
    return kind == ExecutableKind::Windows32 || kind == ExecutableKind::Windows64 ||
           kind == ExecutableKind::WindowsOther;
}

std::string ExecutableKindText(ExecutableKind kind) {
    switch (kind) {
    case ExecutableKind::Missing:
        return "missing";
    case ExecutableKind::Unreadable:
        return "not readable";
    case ExecutableKind::NotAProgram:
        return "neither a Windows nor a Linux program";
    case ExecutableKind::Windows32:
        return "a 32-bit Windows program";
    case ExecutableKind::Windows64:
        return "a 64-bit Windows program";
    case ExecutableKind::WindowsOther:
        return "a Windows program of a kind Wine cannot run here (DOS, 16-bit or another processor)";
    case ExecutableKind::Linux:
        return "a Linux program";
    }
    return "";
}
