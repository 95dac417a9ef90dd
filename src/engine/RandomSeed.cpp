#include "engine/RandomSeed.h"

#include <chrono>

namespace suoshui {

std::uint64_t nextSeed(std::uint64_t tickMilliseconds, std::uint64_t& counter) {
    const std::uint64_t seed = tickMilliseconds + counter;
    counter += seed % 256 + 100;
    return seed;
}

std::uint64_t tickMilliseconds() {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

}  // namespace suoshui
