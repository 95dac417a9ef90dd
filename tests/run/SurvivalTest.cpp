#include "run/Survival.h"

#include <gtest/gtest.h>

#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;
using testing::tickCaptions;

// A number that fails several steps leaves at the first of them, in the run's order, while each
// step is still told on its own (the backtest counts them apart).
TEST(SurvivalTest, CandidateLeavesAtTheFirstStepThatRejectsIt) {
    FilterSettings settings;
    settings.numberType = NumberType::DirectSix;
    settings.setChecked(Check::ExcludeSets);
    settings.excludeSets[0] = "0123";
    settings.excludeSingles = "456";
    tickCaptions(settings, groupLabelled("和值：").tags, {"6", "15", "24"});
    const SurvivalRule rule(settings);
    struct Case {
        int number;
        RunStep step;
    };
    for (const Case& c : {Case{222, RunStep::NumberType}, Case{123, RunStep::ExclusionSets},
                          Case{124, RunStep::Conditions}, Case{456, RunStep::Singles},
                          Case{789, RunStep::Listed}, Case{105, RunStep::Listed}}) {
        EXPECT_EQ(rule.asCandidate(c.number).step(), c.step) << c.number;
    }
    const CandidateFate& triple = rule.asCandidate(111);  // a 豹子 of the sets, sum 3
    EXPECT_FALSE(triple.typeFits);
    EXPECT_TRUE(triple.setsExclude);
    EXPECT_FALSE(triple.passesConditions);
    EXPECT_EQ(triple.rejectingGroups, std::uint64_t{1} << (groupLabelled("和值：").order - 1));
}

// Under the group types a single exclusion names the whole group, as the run lists it.
TEST(SurvivalTest, SinglesStandForTheirGroupUnderGroupTypes) {
    FilterSettings settings;
    settings.setChecked(Check::ExcludeSets);
    settings.excludeSingles = "321";
    EXPECT_EQ(SurvivalRule(settings).asCandidate(123).step(), RunStep::Listed);
    settings.numberType = NumberType::Group;
    EXPECT_EQ(SurvivalRule(settings).asCandidate(123).step(), RunStep::Singles);
    EXPECT_TRUE(SurvivalRule(settings).listsGroupForms());
}

TEST(ListedNumbersTest, KeptCountCountsEveryMemberOfAListedGroup) {
    FilterSettings settings;
    settings.numberType = NumberType::Group;
    EXPECT_EQ(ListedNumbers(settings).keptCount(), kNumberCount - 10);  // all but the 豹子
    settings.numberType = NumberType::GroupThree;
    EXPECT_EQ(ListedNumbers(settings).keptCount(), 270);
}

TEST(ListedNumbersTest, GroupIsListedWhenAnyCandidateMemberPasses) {
    FilterSettings settings;
    settings.numberType = NumberType::GroupSix;
    settings.mode = GenerationMode::BaseList;
    settings.baseList = "321";
    settings.boxes.setTicked(3);  // 百位 3
    const ListedNumbers listed(settings);
    EXPECT_TRUE(listed.keeps(123));  // its group 123 is listed through 321
    EXPECT_TRUE(listed.keeps(213));
    settings.baseList = "231";
    const ListedNumbers other(settings);
    EXPECT_FALSE(other.keeps(123));
    EXPECT_EQ(other.fateOf(123).rejectingGroups, 1U);  // 百位 rejects 231, the one candidate
}

}  // namespace
}  // namespace suoshui
