#include "history/Backtest.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "engine/NumberType.h"
#include "history/BacktestText.h"
#include "run/FilterRun.h"
#include "support/Histories.h"
#include "support/MemoryControls.h"
#include "support/RandomSettings.h"

namespace suoshui {
namespace {

using testing::historyOf;

DrawHistory randomHistory(unsigned seed, std::size_t size) {
    std::mt19937 generator(seed);
    std::vector<int> numbers;
    for (std::size_t i = 0; i < size; ++i)
        numbers.push_back(std::uniform_int_distribution<int>(0, kNumberCount - 1)(generator));
    return historyOf(numbers);
}

// Whether the real run lists a draw: its number, or under the group types its group form.
class RunListing {
  public:
    explicit RunListing(const FilterSettings& settings)
        : byGroup_(isGroupSelection(settings.numberType)) {
        testing::MemoryControls controls;
        controls.settings = settings;
        Session session;
        runFilter(controls, session);
        listed_.insert(session.results.begin(), session.results.end());
    }
    bool lists(int number) const {
        const std::string text = numberText(number);
        return listed_.count(byGroup_ ? groupForm(text) : text) > 0;
    }

  private:
    bool byGroup_;
    std::set<std::string> listed_;
};

TEST(BacktestTest, KeptDrawsMatchABruteForceCountWithRealRuns) {
    testing::RandomSettings random(7);
    const DrawHistory history = randomHistory(11, 400);
    for (int round = 0; round < 60; ++round) {
        const FilterSettings settings = random.next();
        const RunListing run(settings);
        const BacktestResult result = backtest(settings, history, 300);
        ASSERT_EQ(result.drawCount, 300U);
        std::size_t kept = 0;
        for (std::size_t i = 0; i < result.drawCount; ++i) {
            ASSERT_EQ(result.fates[i].listed, run.lists(history[i].number)) << round << " " << i;
            kept += run.lists(history[i].number) ? 1U : 0U;
        }
        EXPECT_EQ(result.kept, kept);
    }
}

// The settings with every condition group but one cleared: its boxes and its "包含" box stay.
FilterSettings withGroupAlone(const FilterSettings& settings, int order) {
    FilterSettings alone = settings;
    alone.boxes = BoxStates();
    for (Check include : {Check::IncludePairs, Check::IncludePairDigit, Check::IncludeSingleDigit})
        alone.setChecked(include, false);
    for (const ConditionGroup* group : testedGroups()) {
        if (group->order != order)
            continue;
        for (int tag = group->tags.first; tag <= group->tags.last; ++tag)
            alone.boxes.setTicked(tag, settings.boxes.ticked(tag));
        if (group->include)
            alone.setChecked(*group->include, settings.isChecked(*group->include));
    }
    return alone;
}

// A group rejects a draw on its own when a run with that group's ticks alone leaves it out.
TEST(BacktestTest, PerConditionCountsMatchRunsWithOneGroupAlone) {
    testing::RandomSettings random(21);
    const DrawHistory history = randomHistory(5, 200);
    for (int round = 0; round < 12; ++round) {
        FilterSettings settings = random.next();
        settings.numberType = NumberType::Direct;
        settings.mode = GenerationMode::Positional;
        settings.setChecked(Check::ExcludeSets, false);
        // A group's count is its own rejections, whatever "容错" lets through as a whole.
        settings.tolerance = {};
        const BacktestResult result = backtest(settings, history, kAllDraws);
        for (const ConditionKill& kill : result.kills) {
            ASSERT_GT(kill.order, 0) << kill.name;
            const RunListing run(withGroupAlone(settings, kill.order));
            std::size_t rejected = 0;
            for (const Draw& draw : history)
                rejected += run.lists(draw.number) ? 0U : 1U;
            EXPECT_EQ(kill.draws, rejected) << kill.name;
        }
        for (std::size_t i = 1; i < result.kills.size(); ++i)
            EXPECT_GE(result.kills[i - 1].draws, result.kills[i].draws);
    }
}

TEST(BacktestTest, TickedGroupsAreListedEvenWhenTheyRejectNothing) {
    FilterSettings settings;
    settings.boxes.tick({51, 78});  // every 和值
    settings.boxes.setTicked(41);   // 跨度 0
    settings.boxes.setTicked(329);  // 散度 0, with the extra stage off
    const BacktestResult result = backtest(settings, historyOf({658, 111, 123}), kAllDraws);
    ASSERT_EQ(result.kills.size(), 2U);
    EXPECT_EQ(result.kills[0].name, "跨度");
    EXPECT_EQ(result.kills[0].draws, 2U);
    EXPECT_EQ(result.kills[1].name, "和值");
    EXPECT_EQ(result.kills[1].draws, 0U);
}

TEST(BacktestTest, RunsOfHitsAndMissesAndTheNoSkillShare) {
    FilterSettings settings;
    settings.mode = GenerationMode::BaseList;
    settings.baseList = "111 222";
    const BacktestResult result =
        backtest(settings, historyOf({111, 222, 333, 444, 111, 555, 666, 777, 222, 123}), 9);
    EXPECT_EQ(result.drawCount, 9U);
    EXPECT_EQ(result.kept, 4U);
    EXPECT_EQ(result.currentRun, 2U);
    EXPECT_TRUE(result.currentRunKept);
    EXPECT_EQ(result.longestKeptRun, 2U);
    EXPECT_EQ(result.longestRejectedRun, 3U);
    EXPECT_EQ(result.numbersKept, 2);
    ASSERT_EQ(result.kills.size(), 1U);
    EXPECT_EQ(result.kills[0].name, "候选号码");
    EXPECT_EQ(result.kills[0].draws, 5U);
    EXPECT_EQ(backtestSummaryText(result, false),
              "最近 9 期保留 4 期（44.4%）；这些条件保留 1000 个号码中的 2 个（0.2%），"
              "随机选号平均也能保留这么多；当前连中 2 期，最长连中 2 期，最长连空 3 期");
}

TEST(BacktestTest, FateTextNamesEveryReason) {
    FilterSettings settings;
    settings.numberType = NumberType::GroupSix;
    settings.boxes.setTicked(51 + 10);  // 和值 10
    settings.boxes.setTicked(41 + 5);   // 跨度 5
    const ListedNumbers rule(settings);
    EXPECT_EQ(fateText(rule.fateOf(111)), "被淘汰：类型不符；跨度、和值不符");
    EXPECT_EQ(fateText(rule.fateOf(613)), "会被选中");  // its group 136
}

TEST(BacktestTest, ShortHistoryBacktestsWhatThereIs) {
    const BacktestResult result = backtest(FilterSettings(), historyOf({1, 2}), 30);
    EXPECT_EQ(result.drawCount, 2U);
    EXPECT_EQ(result.kept, 2U);
    const BacktestResult empty = backtest(FilterSettings(), {}, kAllDraws);
    EXPECT_EQ(empty.drawCount, 0U);
    EXPECT_EQ(empty.keptShare(), 0.0);
}

}  // namespace
}  // namespace suoshui
