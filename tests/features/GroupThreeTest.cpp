#include <gtest/gtest.h>

#include <string>

#include "features/GroupThreeFeatures.h"
#include "features/GroupThreeTests.h"
#include "support/WindowControlsTest.h"

namespace suoshui {
namespace {

struct GroupThreeCase {
    const char* number;
    const char *pair, *single, *trait;
};

const GroupThreeCase kGroupThreeCases[] = {
    {"112", "1", "2", "单号大"}, {"211", "1", "2", "单号大"}, {"998", "9", "8", "复号大"},
    {"100", "0", "1", "单号大"}, {"555", "0", "0", ""},       {"123", "0", "0", ""},
};

TEST(GroupThreeFeatures, MatchTheTable) {
    for (const GroupThreeCase& c : kGroupThreeCases) {
        EXPECT_EQ(pairDigit(c.number), c.pair) << c.number;
        EXPECT_EQ(singleDigit(c.number), c.single) << c.number;
        EXPECT_EQ(groupThreeTrait(c.number), c.trait) << c.number;
    }
}

TEST(GroupThreeFeatures, ShortOrBadInputIsSafe) {
    EXPECT_EQ(pairDigit(""), "0");
    EXPECT_EQ(singleDigit("1"), "1");  // missing characters count as 0: read as "100"
    EXPECT_EQ(groupThreeTrait(std::string_view("\0\0\xff", 3)), "");
}

constexpr TagSpan kPairRow{260, 269};
constexpr TagSpan kSingleRow{270, 279};
constexpr TagSpan kTrait{316, 317};

class GroupThreeTests : public testing::WindowControlsTest {
  protected:
    bool pairRow(std::string_view n) { return testPairDigitGroup(*controls, tags, kPairRow, n); }
    bool singleRow(std::string_view n) {
        return testSingleDigitGroup(*controls, tags, kSingleRow, n);
    }
    bool trait(std::string_view n) { return testGroupThreeTrait(tags, kTrait, n); }
};

TEST_F(GroupThreeTests, PairRowExcludesOrIncludes) {
    tickCaption(kPairRow, "11");
    EXPECT_FALSE(pairRow("112"));
    controls->setChecked(Check::IncludePairDigit, true);
    EXPECT_TRUE(pairRow("112"));
}

TEST_F(GroupThreeTests, PairRowWithAnotherPairTicked) {
    tickCaption(kPairRow, "22");
    EXPECT_TRUE(pairRow("112"));
    controls->setChecked(Check::IncludePairDigit, true);
    EXPECT_FALSE(pairRow("112"));
}

TEST_F(GroupThreeTests, TripleBehavesAsDigitZero) {
    tickCaption(kPairRow, "00");
    EXPECT_FALSE(pairRow("555"));
    controls->tick(260, false);
    controls->setChecked(Check::IncludePairDigit, true);
    EXPECT_FALSE(pairRow("555"));
}

TEST_F(GroupThreeTests, IncludeWithNothingTickedRejectsAllButGroupSix) {
    controls->setChecked(Check::IncludePairDigit, true);
    controls->setChecked(Check::IncludeSingleDigit, true);
    EXPECT_FALSE(pairRow("112"));
    EXPECT_FALSE(singleRow("555"));
    EXPECT_TRUE(pairRow("123"));
    EXPECT_TRUE(singleRow("123"));
}

TEST_F(GroupThreeTests, SingleRow) {
    tickCaption(kSingleRow, "2");
    EXPECT_FALSE(singleRow("112"));
    EXPECT_TRUE(singleRow("998"));
    controls->setChecked(Check::IncludeSingleDigit, true);
    EXPECT_TRUE(singleRow("211"));
    EXPECT_FALSE(singleRow("998"));
}

TEST_F(GroupThreeTests, GroupSixPassesWhateverIsTicked) {
    for (int tag = 260; tag <= 279; ++tag)
        controls->tick(tag);
    controls->tick(316);
    EXPECT_TRUE(pairRow("123"));
    EXPECT_TRUE(singleRow("123"));
    EXPECT_TRUE(trait("123"));
}

TEST_F(GroupThreeTests, RowTestsProcessEventsTraitDoesNot) {
    const long before = controls->processEventsCount;
    pairRow("123");
    singleRow("123");
    trait("112");
    EXPECT_EQ(controls->processEventsCount, before + 2);
}

TEST_F(GroupThreeTests, TraitBoxes) {
    controls->tick(316);  // "单号大"
    EXPECT_TRUE(trait("112"));
    EXPECT_FALSE(trait("998"));
    EXPECT_TRUE(trait("555"));
    controls->tick(317);  // both ticked: as if neither
    EXPECT_TRUE(trait("998"));
    controls->tick(316, false);
    EXPECT_FALSE(trait("112"));
    EXPECT_TRUE(trait("998"));
}

}  // namespace
}  // namespace suoshui
