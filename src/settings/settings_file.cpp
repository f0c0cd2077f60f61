#include "settings/settings_file.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/profile_file.h"

std::string SettingsFilePath() {
    return GetProgramFolder() + "Quorvadata.ini";
}

bool StoreSettings(const ProfileFile& file) {
    FileCause cause = file.Save();
    if (cause == CauseNone)
        return true;
    ShowFileOpenError(file.Path(), cause);
    return false;
}
