#include "history/Omission.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/LotteryNumber.h"
#include "features/FeatureText.h"

#include "support/Histories.h"

namespace suoshui {
namespace {

using testing::historyOf;

struct OmissionCase {
    const char* box;
    int tag;
    std::size_t current;
    std::size_t longest;
    std::size_t recentHits;
};

// Newest first: 658, 123, 658, 047, 919.
class HandMadeOmissionTest : public ::testing::TestWithParam<OmissionCase> {};

TEST_P(HandMadeOmissionTest, CountsOfOneBox) {
    const OmissionCounts counts(historyOf({658, 123, 658, 47, 919}));
    const ValueOmission* omission = counts.of(GetParam().tag);
    ASSERT_NE(omission, nullptr);
    EXPECT_EQ(omission->current, GetParam().current);
    EXPECT_EQ(omission->longest, GetParam().longest);
    EXPECT_EQ(omission->recentHits, GetParam().recentHits);
}

INSTANTIATE_TEST_SUITE_P(Boxes, HandMadeOmissionTest,
                         ::testing::Values(OmissionCase{"Hundreds6", 6, 0, 2, 2},
                                           OmissionCase{"Hundreds1", 1, 1, 3, 1},
                                           OmissionCase{"Hundreds0", 10, 3, 3, 1},
                                           OmissionCase{"Hundreds9", 9, 4, 4, 1},
                                           OmissionCase{"Hundreds2Never", 2, 5, 5, 0},
                                           OmissionCase{"Sum19", 51 + 19, 0, 1, 3},
                                           OmissionCase{"Sum6", 51 + 6, 1, 3, 1},
                                           OmissionCase{"SpanZeroNever", 41, 5, 5, 0},
                                           OmissionCase{"NoConsecutive", 222, 3, 3, 2},
                                           OmissionCase{"HighLowShapeLowMiddleHigh", 306, 1, 1, 2}),
                         [](const auto& test) { return std::string(test.param.box); });

TEST(OmissionTest, OnlyValueBoxesOfSingleValueGroupsAreCounted) {
    const OmissionCounts counts(historyOf({658}));
    EXPECT_EQ(counts.of(250), nullptr);  // 胆码
    EXPECT_EQ(counts.of(177), nullptr);  // 二码
    EXPECT_EQ(counts.of(492), nullptr);  // 任意合
    EXPECT_EQ(counts.of(226), nullptr);  // the stray box of 连号
    EXPECT_EQ(counts.of(1001), nullptr);
    EXPECT_NE(counts.of(329), nullptr);  // 散度
    EXPECT_NE(counts.of(318), nullptr);  // 连号定位
}

// Every box of every counted group against a count straight from the feature texts.
TEST(OmissionTest, MatchesAStraightCountOverARandomHistory) {
    std::mt19937 generator(3);
    std::vector<int> numbers;
    for (int i = 0; i < 300; ++i)
        numbers.push_back(std::uniform_int_distribution<int>(0, 999)(generator));
    const OmissionCounts counts(historyOf(numbers));
    EXPECT_EQ(counts.recentDraws(), 100U);
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            if (!hasOneValuePerNumber(group))
                continue;
            for (int tag = group.tags.first; tag <= group.tags.last; ++tag) {
                std::vector<std::size_t> hits;
                for (std::size_t i = 0; i < numbers.size(); ++i) {
                    if (featureText(group.feature, numberText(numbers[i])) == row.captionOf(tag))
                        hits.push_back(i);
                }
                std::size_t longest = 0;
                std::size_t previous = 0;  // one past the last hit
                for (std::size_t hit : hits) {
                    longest = std::max(longest, hit - previous);
                    previous = hit + 1;
                }
                longest = std::max(longest, numbers.size() - previous);
                std::size_t recent = 0;
                for (std::size_t hit : hits)
                    recent += hit < 100 ? 1 : 0;
                const ValueOmission* omission = counts.of(tag);
                ASSERT_NE(omission, nullptr) << tag;
                EXPECT_EQ(omission->current, hits.empty() ? numbers.size() : hits.front()) << tag;
                EXPECT_EQ(omission->longest, longest) << tag;
                // Open when no closed stretch (between or after appearances) is as long.
                std::size_t closed = hits.empty() ? 0 : hits.front();
                for (std::size_t i = 1; i < hits.size(); ++i)
                    closed = std::max(closed, hits[i] - hits[i - 1] - 1);
                EXPECT_EQ(omission->longestOpen, hits.empty() || longest > closed) << tag;
                EXPECT_EQ(omission->recentHits, recent) << tag;
            }
        }
    }
}

TEST(OmissionTest, HintTextAndAShortHistory) {
    const OmissionCounts counts(historyOf({658, 123, 456, 789, 600}));
    EXPECT_EQ(counts.recentDraws(), 5U);
    // 百位 6: newest and oldest, three draws between.
    EXPECT_EQ(omissionText(*counts.of(6), counts.recentDraws()),
              "遗漏 0 期，最大遗漏 3 期，近 5 期出现 2 次");
    // 百位 1: once, in the second draw; the three older draws go on before the history.
    EXPECT_EQ(omissionText(*counts.of(1), counts.recentDraws()),
              "遗漏 1 期，最大遗漏 ≥ 3 期，近 5 期出现 1 次");
    EXPECT_EQ(currentOmissionText(*counts.of(1)), "1");
    // 百位 0 never came.
    EXPECT_EQ(omissionText(*counts.of(10), counts.recentDraws()), "5 期内未出现");
    EXPECT_EQ(currentOmissionText(*counts.of(10)), "≥5");
    const OmissionCounts empty(DrawHistory{});
    EXPECT_EQ(empty.of(6)->current, 0U);
}

}  // namespace
}  // namespace suoshui
