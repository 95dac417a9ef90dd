#include "run/StartUpSeed.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "engine/RandomSeed.h"

namespace {

using suoshui::seedAtStartUp;
using suoshui::Session;
using suoshui::tickMilliseconds;

// At start the counter is 0, so the seed is the clock's tick itself and the counter then
// holds the start-up step of the rule.
TEST(StartUpSeedTest, SeedsFromTheClockWithTheCounterAtZero) {
    Session session;
    session.seedCounter = 12345;  // whatever a previous use left behind
    const std::uint64_t before = tickMilliseconds();
    const std::uint64_t seed = seedAtStartUp(session);
    const std::uint64_t after = tickMilliseconds();
    EXPECT_GE(seed, before);
    EXPECT_LE(seed, after);
    EXPECT_EQ(session.seedCounter, seed % 256 + 100);
}

TEST(StartUpSeedTest, TwoStartsInARowSeedDifferently) {
    Session first;
    Session second;
    const std::uint64_t firstSeed = seedAtStartUp(first);
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const std::uint64_t secondSeed = seedAtStartUp(second);
    EXPECT_NE(firstSeed, secondSeed);
}

}  // namespace
