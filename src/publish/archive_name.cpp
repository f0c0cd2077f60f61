#include "publish/archive_name.h"

#include "core/simulator.h"
#include "platform/local_time.h"

namespace {

constexpr size_t slugLimit = 48;

bool IsSlugCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

} // namespace

std::string SimulatorId(int simulator) {
    return SimulatorOf(simulator).id;
}

std::string TrackSlug(const std::string& track) {
    std::string slug;
    bool gap = false;
    for (char c : track) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (!IsSlugCharacter(c)) {
            gap = !slug.empty();
            continue;
        }
        if (gap && slug.size() + 1 < slugLimit)
            slug += '-';
        gap = false;
        if (slug.size() < slugLimit)
            slug += c;
    }
    return slug.empty() ? "track" : slug;
}

std::string ArchiveBaseName(std::time_t ended, int simulator, const std::string& track,
                            const std::function<bool(const std::string& baseName)>& taken) {
    std::string base =
        FormatLocalTime(ended, "%Y-%m-%d_%H%M") + "_" + SimulatorId(simulator) + "_" + TrackSlug(track);
    std::string name = base;
    for (int n = 2; taken(name); ++n)
        name = base + "-" + std::to_string(n);
    return name;
}
