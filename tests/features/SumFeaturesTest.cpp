#include "features/SumFeatures.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include <array>
#include <ostream>
#include <string>

namespace suoshui {
namespace {

struct SumCase {
    const char* number;
    int sum, tail, span, spread;
    std::array<int, 3> tails;  // 百十 / 十个 / 百个
    std::array<int, 3> differences;
    std::array<int, 3> sums;
};

// Names the case by its number in test output.
void PrintTo(const SumCase& c, std::ostream* os) {
    *os << c.number;
}

const SumCase kSumCases[] = {
    {"000", 0, 0, 0, 0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {"999", 27, 7, 0, 0, {8, 8, 8}, {0, 0, 0}, {18, 18, 18}},
    {"123", 6, 6, 2, 1, {3, 5, 4}, {1, 1, 2}, {3, 5, 4}},
    {"907", 16, 6, 9, 7, {9, 7, 6}, {9, 7, 2}, {9, 7, 16}},
    {"918", 18, 8, 8, 7, {0, 9, 7}, {8, 7, 1}, {10, 9, 17}},
    {"988", 25, 5, 1, 0, {7, 6, 7}, {1, 0, 1}, {17, 16, 17}},
};

class SumFeatures : public ::testing::TestWithParam<SumCase> {};

constexpr std::array<PairSelector, 3> kTableOrder = {
    PairSelector::HundredsTens, PairSelector::TensUnits, PairSelector::HundredsUnits};

TEST_P(SumFeatures, MatchTheTable) {
    const SumCase& c = GetParam();
    EXPECT_EQ(digitSum(c.number), c.sum);
    EXPECT_EQ(sumTail(c.number), c.tail);
    EXPECT_EQ(span(c.number), c.span);
    EXPECT_EQ(spread(c.number), c.spread);
    for (std::size_t i = 0; i < kTableOrder.size(); ++i) {
        EXPECT_EQ(pairSumTail(c.number, kTableOrder[i]), c.tails[i]) << i;
        EXPECT_EQ(pairDifference(c.number, kTableOrder[i]), c.differences[i]) << i;
        EXPECT_EQ(pairSum(c.number, kTableOrder[i]), c.sums[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, SumFeatures, ::testing::ValuesIn(kSumCases),
                         [](const auto& test) { return std::string("n") + test.param.number; });

// Each of the three pairs of positions is tried once.
TEST(SumFeatures, EveryPairIsTriedOnce) {
    std::set<PairSelector> tried(std::begin(kPairsInTryOrder), std::end(kPairsInTryOrder));
    EXPECT_EQ(tried.size(), 3u);
    EXPECT_EQ(std::size(kPairsInTryOrder), 3u);
}

TEST(SumFeatures, DecimalTextHasNoLeadingZero) {
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(7), "7");
    EXPECT_EQ(decimalText(18), "18");
}

TEST(SumFeatures, NonDigitsCountAsZero) {
    EXPECT_EQ(digitSum("9x9"), 18);
    EXPECT_EQ(digitSum(""), 0);
    EXPECT_EQ(digitSum("９９９"), 0);  // full-width digits are not digits
    EXPECT_EQ(span("1"), 1);
}

}  // namespace
}  // namespace suoshui
