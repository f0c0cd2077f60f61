#include "settings/web_settings.h"

#include "platform/profile_file.h"
#include "settings/settings_file.h"

namespace {

constexpr const char* webSection = "WEB";

struct WebKey {
    const char* key;
    std::string WEB::*member;
    size_t readLimit;
};

// A hash string of crypto_pwhash_str is at most 127 characters; the paths are as long as the file
// locations'.
const WebKey webKeys[] = {
    {"Listen", &WEB::Listen, 80},
    {"PasswordHash", &WEB::PasswordHash, 127},
    {"Certificate", &WEB::Certificate, 512},
    {"Key", &WEB::Key, 512},
};

} // namespace

WEB ReadWebSettings(const ProfileFile& file) {
    WEB web;
    for (const WebKey& key : webKeys)
        web.*key.member = file.GetString(webSection, key.key, web.*key.member, key.readLimit + 1);
    return web;
}

bool WritePasswordHash(const std::string& hash) {
    return ChangeSettings([&hash](ProfileFile& file) { file.SetString(webSection, "PasswordHash", hash); });
}
