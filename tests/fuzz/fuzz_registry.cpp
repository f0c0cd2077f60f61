#include "fuzz_check.h"
#include "platform/wine_registry.h"

#include <cstdint>
#include <string>

// Whatever the file holds, the hive is indexed as lookups expect: lower-case keys without a backslash
// at either end and lower-case value names, so that any spelling of a name finds them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RegistryHive hive = ReadWineRegistry(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& [path, values] : hive) {
        Check(path.empty() || (path.front() != '\\' && path.back() != '\\'));
        for (char c : path)
            Check(c < 'A' || c > 'Z');
        for (const auto& [name, value] : values) {
            for (char c : name)
                Check(c < 'A' || c > 'Z');
        }
    }
    return 0;
}
