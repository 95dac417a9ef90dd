#pragma once

#include <cstdint>

namespace suoshui {

// The seed for the random generator from the clock's millisecond tick count t and a counter c
// that lives as long as the program: the seed is t + c, and c then grows by ((t + c) mod 256)
// + 100, so that two seedings within the same millisecond still differ.
std::uint64_t nextSeed(std::uint64_t tickMilliseconds, std::uint64_t& counter);

// The millisecond tick count of a monotonic clock.
std::uint64_t tickMilliseconds();

}  // namespace suoshui
