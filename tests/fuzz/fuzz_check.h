#pragma once

#include <cstdlib>

// A broken promise aborts, so libFuzzer keeps the input that broke it.
inline void Check(bool holds) {
    if (!holds)
        std::abort();
}
