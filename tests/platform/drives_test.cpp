#include "platform/drives.h"

#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(Drives, FileSystemsThenMountPlacesGiveTheKindOfADriveWithAFolderInThePrefix) {
    EXPECT_EQ(DriveTypeOf("/srv/share/", 0x6969), DriveRemote);
    EXPECT_EQ(DriveTypeOf("/media/cdrom/", 0x9660), DriveCdRom);
    EXPECT_EQ(DriveTypeOf("/home/race/", 0x01021994), DriveRamDisk);
    EXPECT_EQ(DriveTypeOf("/mnt/usb/", 0xEF53), DriveRemovable);
    EXPECT_EQ(DriveTypeOf("/mediafiles/", 0xEF53), DriveFixed);
    TempFolder prefix;
    ScopedEnv wine{"WINEPREFIX", prefix.Path().c_str()};
    std::filesystem::create_directories(prefix.File("dosdevices"));
    std::filesystem::create_symlink(prefix.Path(), prefix.File("dosdevices/d:"));
    std::filesystem::create_symlink(prefix.File("gone"), prefix.File("dosdevices/e:"));
    EXPECT_GE(GetDriveType('d'), DriveRemovable);
    EXPECT_EQ(GetDriveType('E'), DriveNoRootDir);
    EXPECT_EQ(GetDriveType('C'), DriveNoRootDir);
}
