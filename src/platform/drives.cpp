#include "platform/drives.h"

#include "platform/host_path.h"

#include <filesystem>
#include <sys/vfs.h>

namespace {

constexpr long nfsKind = 0x6969, smbKind = 0x517B, cifsKind = 0xFF534D42, smb2Kind = 0xFE534D42;
constexpr long isoKind = 0x9660;
constexpr long ramfsKind = 0x858458F6, tmpfsKind = 0x01021994;

bool Within(const std::string& folder, const std::string& top) {
    return folder.compare(0, top.size(), top) == 0;
}

} // namespace

DriveType DriveTypeOf(const std::string& hostFolder, long fileSystemKind) {
    switch (fileSystemKind) {
    case nfsKind:
    case smbKind:
    case cifsKind:
    case smb2Kind:
        return DriveRemote;
    case isoKind:
        return DriveCdRom;
    case ramfsKind:
    case tmpfsKind:
        return DriveRamDisk;
    default:
        break;
    }
    if (Within(hostFolder, "/media/") || Within(hostFolder, "/run/media/") || Within(hostFolder, "/mnt/"))
        return DriveRemovable;
    return DriveFixed;
}

DriveType GetDriveType(char letter) {
    std::string root = DriveRoot(letter);
    std::error_code error;
    if (root.empty() || !std::filesystem::is_directory(root, error))
        return DriveNoRootDir;
    std::string folder = std::filesystem::canonical(root, error).string();
    struct statfs about {};
    if (error || statfs(folder.c_str(), &about) != 0)
        return DriveUnknown;
    return DriveTypeOf(folder.back() == '/' ? folder : folder + "/", static_cast<long>(about.f_type));
}
