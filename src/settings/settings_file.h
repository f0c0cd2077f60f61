#pragma once

#include "platform/profile_file.h"

#include <functional>
#include <optional>
#include <string>

// The settings file, "Quorvadata.ini" in the program's folder, computed afresh at every call.
std::string SettingsFilePath();

// The settings file read once for start-up, so that every setting comes from one reading of it: a file
// that is not there reads as empty (ReadCause() says so, and the settings are then made new). A file that
// is there but cannot be read is told to the operator, naming it and the cause, and gives nothing: the
// program is to end without reading defaults in its place or writing over it.
std::optional<ProfileFile> ReadSettingsFile();

// Reads the settings file, makes the change and stores it, as one step: no other change made by this
// process (its run's thread, the web admin's pages) comes between this reading and this storing, so
// none is lost. A write that fails is told to the operator once, naming the file and the cause; the
// settings in memory stay as they are. Returns true when the file was written. When the file itself may
// be written but its folder not, the message also says that the program folder must be writable, naming
// it: the file is saved by replacing it, which needs the folder.
bool ChangeSettings(const std::function<void(ProfileFile&)>& change);
