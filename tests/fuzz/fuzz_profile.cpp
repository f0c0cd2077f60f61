#include "fuzz_check.h"
#include "platform/profile_file.h"
#include "support/temp_folder.h"

#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

// The first two input bytes pick a section and a key from the names the seeds use; no two of them are
// the same name without regard to case, so every other pair is a different key.
const char* const names[] = {"SERVER",   "schedule", "TRACKS", "Other", "S",
                             "HostName", "Events",   "1",      "A",     ""};
constexpr size_t nameCount = std::size(names);

ProfileFile Reread(const TempFolder& folder, const std::string& bytes) {
    folder.Write("fuzz.ini", bytes);
    return ProfileFile(folder.File("fuzz.ini"));
}

// What every section and key pair of the names reads as.
std::vector<std::optional<std::string>> Values(const ProfileFile& file) {
    std::vector<std::optional<std::string>> values;
    for (const char* section : names) {
        for (const char* key : names)
            values.push_back(file.Find(section, key));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TempFolder folder;
    if (size < 2)
        return 0;
    size_t section = data[0] % nameCount;
    size_t key = data[1] % nameCount;
    size_t pair = section * nameCount + key;
    std::string bytes(reinterpret_cast<const char*>(data) + 2, size - 2);
    ProfileFile file = Reread(folder, bytes);
    Check(file.Text() == bytes);
    Check(file.GetString(names[section], names[key], "default", 80).size() <= 79);
    std::vector<std::optional<std::string>> before = Values(file);

    file.SetString(names[section], names[key], "v42");
    std::vector<std::optional<std::string>> after = Values(Reread(folder, file.Text()));
    Check(after == Values(file) && after[pair] == "v42");
    after[pair] = before[pair];
    Check(after == before);

    file.ReplaceSection(names[section], {{names[key], "r1"}, {"Z9", "r2"}});
    Check(file.Find(names[section], "z9") == "r2");
    std::vector<std::optional<std::string>> replaced = Values(Reread(folder, file.Text()));
    file.RemoveSection(names[section]);
    std::vector<std::optional<std::string>> removed = Values(Reread(folder, file.Text()));
    for (size_t i = 0; i < before.size(); ++i) {
        bool inSection = i / nameCount == section;
        Check(replaced[i] == (!inSection ? before[i] : i == pair ? "r1" : std::optional<std::string>()));
        Check(removed[i] == (inSection ? std::nullopt : before[i]));
    }
    return 0;
}
