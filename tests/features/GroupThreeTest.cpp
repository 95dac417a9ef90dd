#include <gtest/gtest.h>

#include <string>

#include "features/GroupThreeFeatures.h"
#include "features/GroupThreeTests.h"
#include "support/Settings.h"

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

using testing::groupLabelled;
using testing::tickCaptions;

class GroupThreeTests : public ::testing::Test {
  protected:
    bool pairRow(std::string_view n) { return testGroupThreeDigitRow(settings, pairs, n); }
    bool singleRow(std::string_view n) { return testGroupThreeDigitRow(settings, singles, n); }
    bool trait(std::string_view n) { return testGroupThreeTrait(settings.boxes, traits, n); }

    FilterSettings settings;
    const ConditionGroup& pairs = groupLabelled("排除组三对码：");
    const ConditionGroup& singles = groupLabelled("排除组三单码：");
    const TagSpan traits = groupLabelled("组三特征：").tags;
};

TEST_F(GroupThreeTests, PairRowExcludesOrIncludes) {
    tickCaptions(settings, pairs.tags, {"11"});
    EXPECT_FALSE(pairRow("112"));
    settings.setChecked(Check::IncludePairDigit);
    EXPECT_TRUE(pairRow("112"));
    settings.boxes.tick(pairs.tags, false);
    tickCaptions(settings, pairs.tags, {"22"});
    EXPECT_FALSE(pairRow("112"));
    settings.setChecked(Check::IncludePairDigit, false);
    EXPECT_TRUE(pairRow("112"));
}

TEST_F(GroupThreeTests, TripleBehavesAsDigitZero) {
    tickCaptions(settings, pairs.tags, {"00"});
    EXPECT_FALSE(pairRow("555"));
    settings.boxes.tick(pairs.tags, false);
    settings.setChecked(Check::IncludePairDigit);
    EXPECT_FALSE(pairRow("555"));
}

TEST_F(GroupThreeTests, IncludeWithNothingTickedRejectsAllButGroupSix) {
    settings.setChecked(Check::IncludePairDigit);
    settings.setChecked(Check::IncludeSingleDigit);
    EXPECT_FALSE(pairRow("112"));
    EXPECT_FALSE(singleRow("555"));
    EXPECT_TRUE(pairRow("123"));
    EXPECT_TRUE(singleRow("123"));
}

TEST_F(GroupThreeTests, SingleRow) {
    tickCaptions(settings, singles.tags, {"2"});
    EXPECT_FALSE(singleRow("112"));
    EXPECT_TRUE(singleRow("998"));
    settings.setChecked(Check::IncludeSingleDigit);
    EXPECT_TRUE(singleRow("211"));
    EXPECT_FALSE(singleRow("998"));
}

TEST_F(GroupThreeTests, GroupSixPassesWhateverIsTicked) {
    settings.boxes.tick(pairs.tags);
    settings.boxes.tick(singles.tags);
    settings.boxes.setTicked(traits.first);
    EXPECT_TRUE(pairRow("123"));
    EXPECT_TRUE(singleRow("123"));
    EXPECT_TRUE(trait("123"));
}

TEST_F(GroupThreeTests, TraitBoxes) {
    tickCaptions(settings, traits, {"单号大"});
    EXPECT_TRUE(trait("112"));
    EXPECT_FALSE(trait("998"));
    EXPECT_TRUE(trait("555"));
    tickCaptions(settings, traits, {"复号大"});  // both ticked: as if neither
    EXPECT_TRUE(trait("998"));
    settings.boxes.setTicked(traits.first, false);
    EXPECT_FALSE(trait("112"));
    EXPECT_TRUE(trait("998"));
}

}  // namespace
}  // namespace suoshui
