#include "features/ConditionChain.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/LotteryNumber.h"
#include "features/ConditionCheck.h"
#include "features/FeatureText.h"
#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;
using testing::groupOfOrder;
using testing::tickCaptions;

struct FeatureCase {
    const char* number;
    int order;
    const char* value;
};

const FeatureCase kFeatureCases[] = {
    {"123", 6, "6"},       {"123", 7, "120"},  {"123", 8, "1:1:1"}, {"123", 9, "小小中"},
    {"123", 11, "奇偶奇"}, {"123", 14, "2:1"}, {"123", 20, "三连"}, {"907", 1, "9"},
    {"907", 3, "7"},       {"907", 6, "16"},   {"907", 4, "6"},     {"907", 5, "9"},
    {"112", 21, "11"},     {"112", 22, "2"},   {"907", 29, "9"},    {"907", 33, "7"},
    {"907", 37, "16"},     {"907", 28, "7"},   {"211", 25, "百十"},
};

TEST(ConditionChain, EachOrderTestsItsFeature) {
    for (const FeatureCase& c : kFeatureCases) {
        EXPECT_EQ(featureText(groupOfOrder(c.order).feature, c.number), c.value)
            << c.number << " order " << c.order;
    }
}

class ConditionChainTest : public ::testing::Test {
  protected:
    // The numbers that pass every condition group, as a run judges them.
    int survivors() const {
        const ConditionCheck check(settings);
        int count = 0;
        for (int value = 0; value < kNumberCount; ++value)
            count += check.judge(value).passesConditions() ? 1 : 0;
        return count;
    }

    FilterSettings settings;
};

TEST_F(ConditionChainTest, NothingTickedLetsEverythingThrough) {
    EXPECT_EQ(survivors(), 1000);
    settings.setChecked(Check::ExtraEnabled);
    EXPECT_EQ(survivors(), 1000);
}

TEST_F(ConditionChainTest, GroupsCombine) {
    tickCaptions(settings, groupLabelled("百位：").tags, {"1"});
    tickCaptions(settings, groupLabelled("和值：").tags, {"6"});
    EXPECT_EQ(survivors(), 6);  // 105, 114, 123, 132, 141, 150
}

TEST_F(ConditionChainTest, IncludeRowsWithNothingTickedRejectGroupThreeAndTriples) {
    settings.setChecked(Check::IncludePairDigit);
    EXPECT_EQ(survivors(), 720);
}

TEST_F(ConditionChainTest, ExtraBoxesChangeNothingWhileTheStageIsOff) {
    for (int tag = kExtraTags.first; tag <= kExtraTags.last; tag += 7)
        settings.boxes.setTicked(tag);
    EXPECT_EQ(survivors(), 1000);
    settings.setChecked(Check::ExtraEnabled);
    EXPECT_LT(survivors(), 1000);
}

TEST_F(ConditionChainTest, UntestedGroupsChangeNothing) {
    settings.setChecked(Check::ExtraEnabled);
    for (const ConditionGroup* group : stageGroups(Stage::Untested))
        settings.boxes.setTicked(group->tags.first);
    settings.boxes.setTicked(226);  // the stray "4" of "连  号"
    EXPECT_EQ(survivors(), 1000);
}

TEST_F(ConditionChainTest, BadCandidatesNeverCrash) {
    settings.setChecked(Check::ExtraEnabled);
    settings.boxes.setTicked(groupLabelled("百位：").tags.first);
    settings.boxes.setTicked(groupLabelled("排除二码：").tags.first);
    for (std::string_view candidate :
         {std::string_view(""), std::string_view("\0\0\0", 3), std::string_view("\xff\xfe\xfd"),
          std::string_view("１２３"), std::string_view("😀")}) {
        for (const ConditionGroup* group : testedGroups())
            passesGroup(settings, *group, candidate);
    }
    settings.boxes.tick(groupLabelled("百位：").tags, false);
    tickCaptions(settings, groupLabelled("废码：").tags, {"0"});  // searches the whole text
    const std::string huge(50'000'000, '1');
    EXPECT_TRUE(passesGroup(settings, groupLabelled("废码："), huge));
}

// The judged numbers agree with the groups' own tests, group by group, whatever is ticked.
TEST_F(ConditionChainTest, CheckAgreesWithTheGroupTestsForEveryNumber) {
    settings.setChecked(Check::ExtraEnabled);
    settings.setChecked(Check::IncludePairs);
    for (const ConditionGroup* group : testedGroups())
        settings.boxes.setTicked(group->tags.first + group->tags.count() / 2);
    settings.boxes.tick(groupLabelled("百位：").tags);
    const ConditionCheck check(settings);
    for (int value = 0; value < kNumberCount; ++value) {
        const std::string number = numberText(value);
        const Verdict verdict = check.judge(value);
        EXPECT_EQ(verdict.passesConditions(), verdict.rejectingGroups == 0) << number;
        for (const ConditionGroup* group : testedGroups())
            EXPECT_EQ(verdict.rejectedBy(group->order), !passesGroup(settings, *group, number))
                << number << " order " << group->order;
    }
}

TEST_F(ConditionChainTest, VerdictNamesTypeSetsAndGroupsApart) {
    settings.numberType = NumberType::GroupSix;
    settings.setChecked(Check::ExcludeSets);
    settings.excludeSets[0] = "0123";
    tickCaptions(settings, groupLabelled("和值：").tags, {"6"});
    const ConditionCheck check(settings);
    const Verdict triple = check.judge(222);
    EXPECT_FALSE(triple.typeFits);
    EXPECT_TRUE(triple.setsExclude);
    EXPECT_TRUE(triple.passesConditions());
    const Verdict wrongSum = check.judge(456);
    EXPECT_TRUE(wrongSum.typeFits);
    EXPECT_FALSE(wrongSum.setsExclude);
    EXPECT_EQ(wrongSum.rejectingGroups, std::uint64_t{1} << (groupLabelled("和值：").order - 1));
    EXPECT_TRUE(check.judge(105).passesConditions());
    EXPECT_THROW(check.judge(1000), std::out_of_range);
}

struct ToleranceCase {
    int fewest;
    int most;
};

// With "容错" a number passes when the ticked groups it fails are as many as the range says,
// counted here the long way, group by group; groups with nothing ticked never count.
TEST_F(ConditionChainTest, ToleranceCountsTheTickedGroupsANumberFails) {
    settings.setChecked(Check::ExtraEnabled);
    for (const char* label : {"百位：", "和值：", "跨度：", "百十合：", "任意差："})
        settings.boxes.setTicked(groupLabelled(label).tags.first + 2);
    settings.setChecked(Check::IncludePairDigit);  // rejects 组三 strictly, but has no tick
    for (const ToleranceCase range : {ToleranceCase{0, 0}, {0, 2}, {1, 3}, {5, 5}}) {
        settings.tolerance = {true, range.fewest, range.most};
        const ConditionCheck check(settings);
        for (int value = 0; value < kNumberCount; ++value) {
            int failed = 0;
            for (const ConditionGroup* group : testedGroups()) {
                bool ticked = false;
                for (int tag = group->tags.first; tag <= group->tags.last; ++tag)
                    ticked = ticked || settings.boxes.ticked(tag);
                failed += ticked && !passesGroup(settings, *group, numberText(value)) ? 1 : 0;
            }
            ASSERT_EQ(check.judge(value).passesConditions(),
                      failed >= range.fewest && failed <= range.most)
                << numberText(value) << " range " << range.fewest << "-" << range.most;
        }
    }
    settings.tolerance.on = false;
    EXPECT_FALSE(ConditionCheck(settings).judge(112).passesConditions());
}

}  // namespace
}  // namespace suoshui
