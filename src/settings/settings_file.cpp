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
    FileCause cause = file.Save();
    if (cause == CauseNone)
        return true;
    std::string folder = GetProgramFolder();
    if (cause == CauseAccessDenied && PathExists(file.Path()) && !IsReadOnly(file.Path()) &&
        !IsWritableFolder(folder)) {
        ShowMessage("The following error occurred while trying to open " + file.Path() + "\n\n" +
                    FileCauseText(cause) + "\n\nThe program folder " + folder +
                    " must be writable: the settings file is saved by replacing it.");
        return false;
    }
    ShowFileOpenError(file.Path(), cause);
    return false;
}
