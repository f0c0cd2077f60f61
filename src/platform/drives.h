#pragma once

#include <string>

// The drives of the Wine prefix, as Windows reports them to a program that lists them.
enum DriveType {
    DriveUnknown = 0,
    DriveNoRootDir = 1,
    DriveRemovable = 2,
    DriveFixed = 3,
    DriveRemote = 4,
    DriveCdRom = 5,
    DriveRamDisk = 6,
};

// The type of a drive letter's root: no root when the prefix has no folder for the letter (its
// dosdevices link, drive_c for C: or the root for Z:); otherwise by where the folder lies.
DriveType GetDriveType(char letter);

// The type of a drive whose root is the host folder, on a file system of the given kind (statfs's
// f_type): network file systems are remote, ISO 9660 a CD-ROM, memory file systems a RAM disk, a folder
// under /media, /run/media or /mnt removable, anything else fixed.
DriveType DriveTypeOf(const std::string& hostFolder, long fileSystemKind);
