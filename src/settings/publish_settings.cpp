#include "settings/publish_settings.h"

#include "core/app_state.h"
#include "core/path_helpers.h"
#include "platform/host_path.h"
#include "platform/profile_file.h"
#include "platform/windows_1252.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <array>

thread_local PUBLISH Publish;

namespace {

constexpr const char* publishSection = "PUBLISH";

struct PublishKey {
    PublishField field;
    const char* key;
    std::string PUBLISH::*member;
    const char* readDefault;
    size_t readLimit;
};

// A key of no field is set by hand: neither checked nor written, so the file keeps what it holds.
const std::array<PublishKey, 3> publishKeys = {{
    {PublishField::Folder, "Folder", &PUBLISH::Folder, "", 254},
    {PublishField::Title, "Title", &PUBLISH::Title, "", 79},
    {PublishField::None, "SeasonStart", &PUBLISH::SeasonStart, "", 10},
}};

} // namespace

PublishCheck CheckPublishSettings(const PUBLISH& values) {
    for (const PublishKey& key : publishKeys) {
        if (key.field == PublishField::None)
            continue;
        const std::string& value = values.*key.member;
        std::string name = key.field == PublishField::Folder ? "results folder" : "league title";
        if (value.find_first_of("\r\n") != std::string::npos)
            return {key.field, "The " + name + " must be one line."};
        if (StoredLength(value) > key.readLimit)
            return {key.field,
                    "The " + name + " takes at most " + std::to_string(key.readLimit) + " characters."};
    }
    return {};
}

void ReadPublishSettings(const ProfileFile& file) {
    for (const PublishKey& key : publishKeys)
        Publish.*key.member = file.GetString(publishSection, key.key, key.readDefault, key.readLimit + 1);
}

bool WritePublishSettings() {
    return ChangeSettings([](ProfileFile& file) {
        for (const PublishKey& key : publishKeys)
            if (key.field != PublishField::None)
                file.SetString(publishSection, key.key, Publish.*key.member);
    });
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
