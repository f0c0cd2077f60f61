#include "settings/settings_file.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/profile_file.h"

std::string SettingsFilePath() {
    return GetProgramFolder() + "Quorvadata.ini";
}

FileCause CheckSettingsFile(const std::string& path) {
    FileCause cause = FindFile(path);
    return cause == CauseNone ? ReadFileBytes(path).cause : cause;
}

bool StoreSettings(const ProfileFile& file) {
    FileFailure failure = file.Save();
    if (failure.cause == CauseNone)
        return true;
    std::string folder = GetProgramFolder();
    if (failure.cause == CauseAccessDenied && PathExists(file.Path()) && !IsReadOnly(file.Path()) &&
        !IsWritableFolder(folder)) {
        ShowMessage(FileFailureText(file.Path(), failure) + "\n\nThe program folder " + folder +
                    " must be writable: the settings file is saved by replacing it.");
        return false;
    }
    ShowFileFailure(file.Path(), failure);
    return false;
}
