#include "settings/settings_file.h"

#include "core/file_open_error.h"
#include "core/path_helpers.h"
#include "platform/file_system.h"
#include "platform/messages.h"

#include <mutex>

namespace {

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

} // namespace

std::string SettingsFilePath() {
    return GetProgramFolder() + "Quorvadata.ini";
}

std::optional<ProfileFile> ReadSettingsFile() {
    std::string path = SettingsFilePath();
    // Only a known absence is a new file: a file that cannot be looked at may hold the operator's settings.
    FileCause found = FindFile(path);
    if (found != CauseNone && found != CauseFileNotFound) {
        ShowFileOpenError(path, found);
        return std::nullopt;
    }
    ProfileFile file(path);
    if (file.ReadCause() != CauseNone && file.ReadCause() != CauseFileNotFound) {
        ShowFileOpenError(path, file.ReadCause());
        return std::nullopt;
    }
    return file;
}

bool ChangeSettings(const std::function<void(ProfileFile&)>& change) {
    static std::mutex changing;
    std::lock_guard lock(changing);
    ProfileFile file(SettingsFilePath());
    change(file);
    return StoreSettings(file);
}
