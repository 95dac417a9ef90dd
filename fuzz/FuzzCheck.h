#pragma once

#include <cstdlib>

namespace suoshui::fuzz {

// A broken promise of the code under test: the fuzzer keeps the input that broke it.
inline void check(bool condition) {
    if (!condition)
        std::abort();
}

}  // namespace suoshui::fuzz
