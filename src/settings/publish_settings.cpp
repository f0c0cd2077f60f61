#include "settings/publish_settings.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "platform/host_path.h"
#include "platform/profile_file.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <array>

PUBLISH Publish;

namespace {

constexpr const char* publishSection = "PUBLISH";

struct PublishKey {
    const char* key;
    std::string PUBLISH::*member;
    const char* readDefault;
    size_t readLimit;
};

const std::array<PublishKey, 2> publishKeys = {{
    {"Folder", &PUBLISH::Folder, "", 254},
    {"Title", &PUBLISH::Title, "", 79},
}};

} // namespace

void ReadPublishSettings() {
    ProfileFile file(SettingsFilePath());
    for (const PublishKey& key : publishKeys)
        Publish.*key.member = file.GetString(publishSection, key.key, key.readDefault, key.readLimit + 1);
}

bool WritePublishSettings() {
    ProfileFile file(SettingsFilePath());
    for (const PublishKey& key : publishKeys)
        file.SetString(publishSection, key.key, Publish.*key.member);
    return StoreSettings(file);
}

std::string PublishedFolderPath() {
    std::string folder = Publish.Folder;
    if (folder.empty())
        folder = "results";
    bool absolute = HasDriveLetter(folder) || folder[0] == '/' || folder[0] == '\\';
    if (!absolute) {
        std::replace(folder.begin(), folder.end(), '\\', '/');
        folder = GetProgramFolder() + folder;
    }
    AddBackslash(folder);
    return folder;
}

std::string PublishedTitle() {
    if (!Publish.Title.empty())
        return Publish.Title;
    return Server ? Server->HostName : "";
}
