#pragma once

#include <string>

class ProfileFile;

// The settings file, "Quorvadata.ini" in the program's folder, computed afresh at every call.
std::string SettingsFilePath();

// Stores the changed settings file. A write that fails is told to the operator once, naming the file
// and the cause; the settings in memory stay as they are. Returns true when the file was written.
bool StoreSettings(const ProfileFile& file);
