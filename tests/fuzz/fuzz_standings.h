#pragma once

#include "fuzz_check.h"

// What holds for every reader, whatever its file held: each listed driver can be fetched and
// becomes the current one, and nothing lies beyond the list.
template <typename Reader>
void CheckDriverList(Reader& reader) {
    int count = reader.GetDriverCount();
    Check(count >= 0 && reader.GetDriver(0) == nullptr);
    for (int n = 1; n <= count; ++n) {
        auto* driver = reader.GetDriver(n);
        Check(driver != nullptr && reader.GetCurrentDriver() == driver);
    }
    Check(reader.GetDriver(count + 1) == nullptr);
}
