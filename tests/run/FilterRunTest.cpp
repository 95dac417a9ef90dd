#include "run/FilterRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <set>

#include "lists/ConditionSummary.h"
#include "lists/InputHints.h"
#include "support/MemoryControls.h"
#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;
using testing::tickCaptions;

class FilterRunTest : public ::testing::Test {
  protected:
    void run() { runFilter(controls, session); }
    std::string report() const { return controls.text(TextBox::Result); }
    FilterSettings& settings() { return controls.settings; }
    long count(const std::string& number) const {
        return std::count(session.results.begin(), session.results.end(), number);
    }

    testing::MemoryControls controls;
    Session session;
};

struct NumberTypeCase {
    const char* name;
    NumberType type;
    std::size_t count;
    const char* first;
    const char* last;
};

void PrintTo(const NumberTypeCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberTypeTest : public FilterRunTest,
                       public ::testing::WithParamInterface<NumberTypeCase> {};

TEST_P(NumberTypeTest, NothingTickedListsEveryNumberOfTheType) {
    settings().numberType = GetParam().type;
    run();
    const NumberList& results = session.results;
    ASSERT_EQ(results.size(), GetParam().count);
    EXPECT_EQ(results.front(), GetParam().first);
    EXPECT_EQ(results.back(), GetParam().last);
    EXPECT_EQ(std::set<std::string>(results.begin(), results.end()).size(), results.size());
    for (const std::string& number : results)
        EXPECT_TRUE(!isGroupSelection(GetParam().type) || groupForm(number) == number) << number;
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, NumberTypeTest,
    ::testing::Values(NumberTypeCase{"Direct", NumberType::Direct, 1000, "000", "999"},
                      NumberTypeCase{"DirectSix", NumberType::DirectSix, 720, "012", "987"},
                      NumberTypeCase{"DirectThree", NumberType::DirectThree, 270, "001", "998"},
                      NumberTypeCase{"Group", NumberType::Group, 210, "001", "899"},
                      NumberTypeCase{"GroupSix", NumberType::GroupSix, 120, "012", "789"},
                      NumberTypeCase{"GroupThree", NumberType::GroupThree, 90, "001", "899"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(FilterRunTest, SumFiveListsTwentyOneNumbersAscending) {
    tickCaptions(settings(), groupLabelled("和值：").tags, {"5"});
    run();
    ASSERT_EQ(session.results.size(), 21u);
    EXPECT_TRUE(std::is_sorted(session.results.begin(), session.results.end()));
    EXPECT_EQ(session.results.front(), "005");
    EXPECT_EQ(session.results.back(), "500");
    EXPECT_EQ(report(), conditionSummaryText(settings(), ResultGrouping::Flat, session.results));
}

TEST_F(FilterRunTest, DigitBoxesAreNormalisedInPlace) {
    settings().digitSequence = kDigitSequenceHint;
    settings().banker = "21";
    settings().excludeSets[0] = "3210";
    run();
    EXPECT_EQ(controls.text(TextBox::DigitSequence), "0245689");
    EXPECT_EQ(controls.text(TextBox::Banker), "12");
    EXPECT_EQ(controls.text(TextBox::ExcludeSet1), "") << "only with 排 除 ticked";
    settings().setChecked(Check::ExcludeSets);
    run();
    EXPECT_EQ(controls.text(TextBox::ExcludeSet1), "0123");
}

TEST_F(FilterRunTest, ExclusionSetRemovesNumbersMadeOnlyOfItsDigits) {
    settings().setChecked(Check::ExcludeSets);
    settings().excludeSets[2] = "3 2 1 0";  // normalised before the walk
    run();
    EXPECT_EQ(session.results.size(), 1000u - 64u);
    EXPECT_EQ(count("321"), 0);
    EXPECT_EQ(count("324"), 1);
}

TEST_F(FilterRunTest, ShortExclusionTextsExcludeNothing) {
    settings().setChecked(Check::ExcludeSets);
    settings().excludeSets[0] = "0 1 2";
    settings().excludeSingles = "12";
    run();
    EXPECT_EQ(session.results.size(), 1000u);
}

TEST_F(FilterRunTest, SinglesApplyOnlyWithTheExclusionPageTicked) {
    settings().excludeSingles = "123456 1234";
    run();
    EXPECT_EQ(session.results.size(), 1000u);
    settings().setChecked(Check::ExcludeSets);
    run();
    EXPECT_EQ(session.results.size(), 998u);  // 123 and 456, not 234 or 345
    EXPECT_EQ(count("123") + count("456"), 0);
    EXPECT_EQ(count("234"), 1);
}

TEST_F(FilterRunTest, UnderGroupTypesASingleRemovesItsGroupWhichStillCountsAsListed) {
    settings().setChecked(Check::ExcludeSets);
    settings().numberType = NumberType::Group;
    settings().excludeSingles = "654";
    run();
    EXPECT_EQ(session.results.size(), 209u);
    EXPECT_EQ(count("456"), 0);
    EXPECT_EQ(session.lastRunTally.bySingles, 1);
}

// Every candidate is counted once, at the step that removed it.
TEST_F(FilterRunTest, TallyAddsUpToTheCandidates) {
    settings().numberType = NumberType::DirectSix;
    settings().setChecked(Check::ExcludeSets);
    settings().excludeSets[0] = "0123";
    settings().excludeSingles = "987";
    tickCaptions(settings(), groupLabelled("和值：").tags, {"10", "11", "12"});
    tickCaptions(settings(), groupLabelled("跨度：").tags, {"5", "6"});
    settings().setChecked(Check::RandomCount);
    settings().targetCount = "10";
    run();
    const RunTally& tally = session.lastRunTally;
    EXPECT_EQ(tally.candidates, 1000);
    EXPECT_EQ(tally.byNumberType, 280);
    EXPECT_EQ(tally.byExclusionSets, 24);  // the 组六 numbers over 0-3
    EXPECT_GT(tally.byGroup[static_cast<std::size_t>(groupLabelled("和值：").order - 1)], 0);
    int removed = tally.byNumberType + tally.byExclusionSets + tally.bySingles + tally.byThinning;
    for (int byGroup : tally.byGroup)
        removed += byGroup;
    EXPECT_EQ(removed + tally.kept, tally.candidates);
    EXPECT_EQ(tally.kept, 10);
    EXPECT_EQ(session.lastRunSettings, settings());
}

TEST_F(FilterRunTest, RandomThinningKeepsTargetCountInOrder) {
    settings().setChecked(Check::RandomCount);
    settings().targetCount = "5";
    run();
    ASSERT_EQ(session.results.size(), 5u);
    EXPECT_TRUE(std::is_sorted(session.results.begin(), session.results.end()));
    EXPECT_NE(report().find("共有5注\r\n"), std::string::npos);
    const NumberList first = session.results;
    settings().targetCount = "20";
    run();
    run();
    EXPECT_EQ(session.results.size(), 20u);
    EXPECT_NE(first, session.results);
}

TEST_F(FilterRunTest, RandomThinningWithoutTargetRemovesEverything) {
    settings().setChecked(Check::RandomCount);
    for (const char* target : {"", "abc", "0"}) {
        settings().targetCount = target;
        run();
        EXPECT_TRUE(session.results.empty()) << target;
        EXPECT_EQ(report(), kNoResultText) << target;
    }
}

TEST_F(FilterRunTest, WindowIsToldWhileTheWalkLasts) {
    bool busyDuringWalk = false;
    controls.onEventPass = [&] { busyDuringWalk = busyDuringWalk || controls.busy; };
    run();
    EXPECT_TRUE(busyDuringWalk);
    EXPECT_FALSE(controls.busy);
    EXPECT_EQ(controls.runsStarted, 1);
    EXPECT_GE(controls.eventPasses, 1000);
}

// The player ticks "9" of 百位 halfway through: the numbers tested after it need a 9 in front.
TEST_F(FilterRunTest, TickChangedDuringRunAppliesToLaterCandidates) {
    long passes = 0;
    controls.onEventPass = [&] {
        if (++passes == 500)
            controls.change(
                [](FilterSettings& s) { tickCaptions(s, groupLabelled("百位：").tags, {"9"}); });
    };
    run();
    const NumberList& results = session.results;
    EXPECT_EQ(results.front(), "000");
    EXPECT_GT(results.size(), 450u);
    EXPECT_LT(results.size(), 650u);
    EXPECT_EQ(count("899"), 0);
    EXPECT_EQ(results.back(), "999");
    EXPECT_NE(report().find("百位：9"), std::string::npos);
}

// "1, 2" typed into a 复式排除 box during a run is the short set "12", which does nothing,
// as it would at the start of a run; its separators never make it a set that excludes.
TEST_F(FilterRunTest, ExclusionSetTypedDuringRunReadsAsItsDigits) {
    settings().setChecked(Check::ExcludeSets);
    long passes = 0;
    controls.onEventPass = [&] {
        if (++passes == 500)
            controls.change([](FilterSettings& s) { s.excludeSets[0] = "1, 2"; });
    };
    run();
    EXPECT_EQ(session.results.size(), 1000u);
    ASSERT_TRUE(session.lastRunSettings);
    EXPECT_EQ(session.lastRunSettings->excludeSets[0], "12");
}

TEST_F(FilterRunTest, SecondClickDuringRunIsIgnored) {
    int passes = 0;
    controls.onEventPass = [&] {
        if (passes++ == 10)
            run();
    };
    run();
    EXPECT_EQ(session.results.size(), 1000u);
    EXPECT_EQ(controls.runsStarted, 1);
}

TEST_F(FilterRunTest, BaseListWithoutNumbersGivesTheZeroResultText) {
    settings().mode = GenerationMode::BaseList;
    settings().baseList = "12 34";
    run();
    EXPECT_EQ(report(), kNoResultText);
}

TEST_F(FilterRunTest, ExpandedBaseListSkipsEmptyItems) {
    settings().mode = GenerationMode::BaseList;
    settings().setChecked(Check::GroupToDirect);
    settings().baseList = "123 456";
    run();
    EXPECT_EQ(session.results.size(), 12u);
    EXPECT_EQ(session.results[6], "456");
}

TEST_F(FilterRunTest, FailedReadingStopsTheRunAndEndsIt) {
    controls.missingTag = true;
    EXPECT_THROW(run(), TagNotFound);
    EXPECT_FALSE(controls.busy);
    EXPECT_FALSE(session.runInProgress);
}

}  // namespace
}  // namespace suoshui
