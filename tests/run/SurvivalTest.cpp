#include "run/Survival.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/NumberType.h"
#include "run/FilterRun.h"
#include "support/MemoryControls.h"
#include "support/RandomSettings.h"

namespace suoshui {
namespace {

// What a real run lists, as a set of number texts.
std::set<std::string> listedByRun(const FilterSettings& settings) {
    testing::MemoryControls controls;
    controls.settings = settings;
    Session session;
    runFilter(controls, session);
    return {session.results.begin(), session.results.end()};
}

// What the rule keeps, in the form the run lists it.
std::set<std::string> listedByRule(const FilterSettings& settings) {
    const SurvivalRule rule(settings);
    std::set<std::string> listed;
    for (int number = 0; number < kNumberCount; ++number) {
        if (rule.keeps(number)) {
            const std::string text = numberText(number);
            listed.insert(isGroupSelection(settings.numberType) ? groupForm(text) : text);
        }
    }
    return listed;
}

TEST(SurvivalTest, RuleKeepsExactlyWhatARunListsForRandomSettings) {
    testing::RandomSettings random(20260830);
    int nonEmpty = 0;
    for (int round = 0; round < 300; ++round) {
        const FilterSettings settings = random.next();
        const std::set<std::string> byRun = listedByRun(settings);
        ASSERT_EQ(listedByRule(settings), byRun) << "round " << round;
        nonEmpty += byRun.empty() ? 0 : 1;
    }
    // The rounds must say something: most of them list numbers.
    EXPECT_GT(nonEmpty, 100);
}

TEST(SurvivalTest, KeptCountCountsEveryMemberOfAListedGroup) {
    FilterSettings settings;
    settings.numberType = NumberType::Group;
    EXPECT_EQ(SurvivalRule(settings).keptCount(), kNumberCount - 10);  // all but the 豹子
    settings.numberType = NumberType::GroupThree;
    EXPECT_EQ(SurvivalRule(settings).keptCount(), 270);
}

TEST(SurvivalTest, GroupIsListedWhenAnyCandidateMemberPasses) {
    FilterSettings settings;
    settings.numberType = NumberType::GroupSix;
    settings.mode = GenerationMode::BaseList;
    settings.baseList = "321";
    settings.boxes.setTicked(3);  // 百位 3
    const SurvivalRule rule(settings);
    EXPECT_TRUE(rule.keeps(123));  // its group 123 is listed through 321
    EXPECT_TRUE(rule.keeps(213));
    settings.baseList = "231";
    const SurvivalRule other(settings);
    EXPECT_FALSE(other.keeps(123));
    EXPECT_EQ(other.fateOf(123).rejectingGroups, 1U);  // 百位 rejects 231, the one candidate
}

}  // namespace
}  // namespace suoshui
