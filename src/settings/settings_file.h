#pragma once

#include "platform/file_cause.h"

#include <string>

class ProfileFile;

// The settings file, "Quorvadata.ini" in the program's folder, computed afresh at every call.
std::string SettingsFilePath();

// Whether the settings file at path can be read: CauseNone when it can, CauseFileNotFound when there is
// none (a new one is to be made), otherwise the cause that keeps it from being read.
FileCause CheckSettingsFile(const std::string& path);

// Stores the changed settings file. A write that fails is told to the operator once, naming the file
// and the cause; the settings in memory stay as they are. Returns true when the file was written. When the
// file itself may be written but its folder not, the message also says that the program folder must be
// writable, naming it: the file is saved by replacing it, which needs the folder.
bool StoreSettings(const ProfileFile& file);
