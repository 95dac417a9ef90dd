#include "features/GroupMatcher.h"

#include <gtest/gtest.h>

#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;
using testing::tickCaptions;

class GroupMatcherTest : public ::testing::Test {
  protected:
    bool match(const ConditionGroup& group, std::string_view value) {
        return matchGroup(settings, group, value);
    }

    FilterSettings settings;
    const ConditionGroup& sum = groupLabelled("和值：");
    const ConditionGroup& waste = groupLabelled("废码：");
    const ConditionGroup& banker = groupLabelled("胆码：");
    const ConditionGroup& pairs = groupLabelled("排除二码：");
};

TEST_F(GroupMatcherTest, RulesFollowTheTestKind) {
    EXPECT_EQ(sum.test, TestKind::General);
    EXPECT_EQ(waste.test, TestKind::ExcludedDigits);
    EXPECT_EQ(banker.test, TestKind::BankerDigits);
    EXPECT_EQ(pairs.test, TestKind::DigitPairs);
}

TEST_F(GroupMatcherTest, GeneralRuleComparesWholeTexts) {
    EXPECT_TRUE(match(sum, "5"));
    EXPECT_TRUE(match(sum, "奇偶奇"));  // nothing ticked: any value passes
    tickCaptions(settings, sum.tags, {"5"});
    EXPECT_TRUE(match(sum, "5"));
    EXPECT_FALSE(match(sum, "6"));
    EXPECT_FALSE(match(sum, "15"));
    EXPECT_FALSE(match(sum, "奇偶奇"));
    settings.boxes.tick(sum.tags);
    for (int value = 0; value <= 27; ++value)
        EXPECT_TRUE(match(sum, std::to_string(value)));
}

TEST_F(GroupMatcherTest, ExcludedDigitsRejectNumbersContainingThem) {
    EXPECT_TRUE(match(waste, "103"));
    tickCaptions(settings, waste.tags, {"0"});
    EXPECT_TRUE(match(waste, "123"));
    EXPECT_FALSE(match(waste, "103"));
    EXPECT_FALSE(match(waste, "000"));
}

TEST_F(GroupMatcherTest, BankerDigitsNeedOneTickedDigit) {
    EXPECT_TRUE(match(banker, "345"));
    tickCaptions(settings, banker.tags, {"1", "2"});
    EXPECT_FALSE(match(banker, "345"));
    EXPECT_TRUE(match(banker, "315"));
    settings.mode = GenerationMode::BankerDrag;
    EXPECT_TRUE(match(banker, "345"));
}

TEST_F(GroupMatcherTest, PairsExcludeSetting) {
    tickCaptions(settings, pairs.tags, {"12"});
    for (std::string_view number : {"123", "211", "321"})
        EXPECT_FALSE(match(pairs, number)) << number;
    EXPECT_TRUE(match(pairs, "113"));
    EXPECT_TRUE(match(pairs, "111"));
}

TEST_F(GroupMatcherTest, PairsIncludeSetting) {
    settings.setChecked(Check::IncludePairs);
    EXPECT_FALSE(match(pairs, "213"));  // nothing ticked: every number fails
    tickCaptions(settings, pairs.tags, {"01"});
    for (std::string_view number : {"100", "010", "011", "901"})
        EXPECT_TRUE(match(pairs, number)) << number;
    EXPECT_FALSE(match(pairs, "000"));
    settings.boxes.tick(pairs.tags);
    EXPECT_TRUE(match(pairs, "000"));  // all 45 ticked lets everything through
}

TEST_F(GroupMatcherTest, PairsSelectAllToggleDecidesAlone) {
    settings.boxes.setTicked(toggleOfGroup(pairs)->tag);
    EXPECT_FALSE(match(pairs, "000"));
    EXPECT_FALSE(match(pairs, "123"));
    settings.setChecked(Check::IncludePairs);
    EXPECT_TRUE(match(pairs, "000"));
    EXPECT_TRUE(match(pairs, "123"));
}

TEST_F(GroupMatcherTest, BadInputNeverCrashes) {
    tickCaptions(settings, pairs.tags, {"12"});
    tickCaptions(settings, waste.tags, {"0"});
    for (std::string_view value : {std::string_view(""), std::string_view("\0\0\0", 3),
                                   std::string_view("\xff\xfe"), std::string_view("１２３")}) {
        EXPECT_TRUE(match(pairs, value));
        EXPECT_EQ(match(waste, value), value.find('0') == std::string_view::npos);
        EXPECT_TRUE(match(sum, value));
    }
}

}  // namespace
}  // namespace suoshui
