#include "fuzz_check.h"
#include "publish/json.h"
#include "publish/race_json.h"

#include <cstdint>
#include <string>

// Whatever a JSON file in the published folder holds, reading it ends, and a race read from it links
// only a page of the folder. Any bytes written as a JSON string read back as one string.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::string why;
    if (std::optional<KeptRace> race = KeptRaceFromJson(text, why)) {
        Check(race->page.ends_with(".html"));
        Check(race->page.find_first_of(":/\\") == std::string::npos);
    } else {
        Check(!why.empty());
    }
    std::optional<JsonValue> quoted = ParseJson(JsonQuoted(text));
    Check(quoted && quoted->kind == JsonValue::Kind::String);
    return 0;
}
