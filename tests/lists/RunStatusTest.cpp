#include "lists/RunStatus.h"

#include <gtest/gtest.h>

#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;

class RunStatusTest : public ::testing::Test {
  protected:
    void removedBy(const char* label, int count) {
        tally.byGroup[static_cast<std::size_t>(groupLabelled(label).order - 1)] = count;
    }

    RunTally tally;
    FilterSettings settings;
};

TEST_F(RunStatusTest, NamesEveryStepThatRemovedNumbersInFilterOrder) {
    tally.candidates = 1000;
    tally.byNumberType = 280;
    removedBy("跨度：", 37);
    removedBy("和值：", 600);
    tally.kept = 83;
    EXPECT_EQ(runStatusText(tally, settings),
              "候选 1000 注 → 保留 83 注；类型 去掉 280，跨度 去掉 37，和值 去掉 600");
}

// Players count 胆拖 bets in more than one way, so a 胆拖 run says which numbers it took.
TEST_F(RunStatusTest, BankerDragRunSaysItsRule) {
    settings.mode = GenerationMode::BankerDrag;
    settings.bankerPosition = 1;
    tally.candidates = tally.kept = 90;
    EXPECT_EQ(runStatusText(tally, settings),
              "候选 90 注 → 保留 90 注。胆拖的号码：含胆码（百位）和至少一个拖码，只由胆码和拖码的"
              "数字组成，胆码也可出现两次（如 112），不含豹子");
}

// Two stored results with no number in common leave nothing to intersect: the reason is the
// intersection, not an empty base list.
TEST_F(RunStatusTest, IntersectionThatKeepsNothingSaysSo) {
    settings.mode = GenerationMode::BaseList;
    settings.baseList = "123 456 789 ";
    settings.setChecked(Check::Intersect);
    EXPECT_EQ(
        runStatusText(tally, settings),
        "没有号码：取交集要的是在大底中出现至少 2 次的号码，没有一个号码出现这么多次。候选 0 注 → "
        "保留 0 注");
    settings.baseList.clear();
    EXPECT_EQ(runStatusText(tally, settings),
              "没有号码：大底里没有三位数的号码。候选 0 注 → 保留 0 注");
}

// Players read "交集" as "in every list": the status line states the rule the run applied.
TEST_F(RunStatusTest, IntersectionSaysItsRule) {
    settings.mode = GenerationMode::BaseList;
    settings.setChecked(Check::Intersect);
    settings.intersectCount = 3;
    tally.candidates = 117;
    tally.kept = 100;
    tally.byGroup[0] = 17;
    const std::string text = runStatusText(tally, settings);
    EXPECT_TRUE(text.starts_with(
        "取交集：保留大底中出现至少 3 次的号码 117 注。候选 117 注 → 保留 100 注；"))
        << text;
}

TEST_F(RunStatusTest, NothingKeptSaysWhy) {
    settings.mode = GenerationMode::DigitSet;
    EXPECT_EQ(runStatusText(tally, settings),
              "没有号码：不定位的数字序列是空的。候选 0 注 → 保留 0 注");
    settings.mode = GenerationMode::BaseList;
    EXPECT_EQ(runStatusText(tally, settings).substr(0, 27), "没有号码：大底里没");
    tally.candidates = 1000;
    tally.byThinning = 1000;
    EXPECT_EQ(runStatusText(tally, settings),
              "条件随机的注数是空的或为 0，号码全被去掉了。候选 1000 注 → 保留 0 注；"
              "条件随机 去掉 1000");
    tally.byThinning = 0;
    removedBy("百位：", 900);
    removedBy("排除二码：", 100);
    EXPECT_EQ(runStatusText(tally, settings),
              "条件太严，没有号码留下；去掉最多的是 百位（900 注）。候选 1000 注 → 保留 0 注；"
              "百位 去掉 900，二码 去掉 100");
}

TEST_F(RunStatusTest, NamesExclusionBoxesThatDidNothing) {
    settings.setChecked(Check::ExcludeSets);
    settings.excludeSets[0] = "012";
    settings.excludeSets[2] = "9";
    tally.candidates = tally.kept = 1000;
    EXPECT_EQ(runStatusText(tally, settings),
              "候选 1000 注 → 保留 1000 注。复式排除 1、3 不足 4 个数字，没有起作用");
    settings.excludeSets[1] = "0123";
    EXPECT_EQ(ignoredExclusionSets(settings), "");
}

}  // namespace
}  // namespace suoshui
