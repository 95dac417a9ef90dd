#include "engine/FilterRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

#include "engine/TagTable.h"
#include "support/WindowControls.h"

namespace suoshui {
namespace {

using testing::MemoryControls;

constexpr std::string_view kNoResultText =
    "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";

// Tags of single value boxes used below.
constexpr int kHundredsNine = 9;
constexpr int kSumFirst = 51;  // "和值" 0 .. 27

class FilterRunTest : public ::testing::Test {
  protected:
    void SetUp() override { buildTagTable(*controls, session.tags); }
    void run() { runFilter(*controls, session); }
    std::string report() const { return controls->text(TextBox::Result); }

    std::unique_ptr<MemoryControls> controls = testing::makeWindowControls();
    Session session;
};

struct NumberTypeCase {
    const char* name;
    Radio type;
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
    controls->select(GetParam().type);
    run();
    const NumberList& results = session.results;
    ASSERT_EQ(results.size(), GetParam().count);
    EXPECT_EQ(results.front(), GetParam().first);
    EXPECT_EQ(results.back(), GetParam().last);
    EXPECT_EQ(std::set<std::string>(results.begin(), results.end()).size(), results.size());
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, NumberTypeTest,
    ::testing::Values(NumberTypeCase{"Direct", Radio::Direct, 1000, "000", "999"},
                      NumberTypeCase{"DirectSix", Radio::DirectSix, 720, "012", "987"},
                      NumberTypeCase{"DirectThree", Radio::DirectThree, 270, "001", "998"},
                      NumberTypeCase{"Group", Radio::Group, 210, "001", "899"},
                      NumberTypeCase{"GroupSix", Radio::GroupSix, 120, "012", "789"},
                      NumberTypeCase{"GroupThree", Radio::GroupThree, 90, "001", "899"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilterRunTest, GroupTypesListGroupFormsOnly) {
    controls->select(Radio::Group);
    run();
    for (const std::string& number : session.results) {
        EXPECT_TRUE(std::is_sorted(number.begin(), number.end())) << number;
    }
}

TEST_F(FilterRunTest, SumFiveListsTwentyOneNumbersAscending) {
    controls->tick(kSumFirst + 5);
    run();
    ASSERT_EQ(session.results.size(), 21u);
    EXPECT_TRUE(std::is_sorted(session.results.begin(), session.results.end()));
    EXPECT_EQ(session.results.front(), "005");
    EXPECT_EQ(session.results.back(), "500");
}

TEST_F(FilterRunTest, DigitBoxesAreNormalisedInPlace) {
    controls->setText(TextBox::Banker, "21");
    controls->setText(TextBox::ExcludeSet1, "3210");
    run();
    EXPECT_EQ(controls->text(TextBox::DigitSequence), "0245689");
    EXPECT_EQ(controls->text(TextBox::Banker), "12");
    EXPECT_EQ(controls->text(TextBox::ExcludeSet1), "3210") << "only with 排 除 ticked";
    controls->setChecked(Check::ExcludeSets, true);
    run();
    EXPECT_EQ(controls->text(TextBox::ExcludeSet1), "0123");
}

TEST_F(FilterRunTest, ExclusionSetRemovesNumbersMadeOnlyOfItsDigits) {
    controls->setChecked(Check::ExcludeSets, true);
    controls->setText(TextBox::ExcludeSet3, "0123");
    run();
    EXPECT_EQ(session.results.size(), 1000u - 64u);
    EXPECT_EQ(std::count(session.results.begin(), session.results.end(), "321"), 0);
    EXPECT_EQ(std::count(session.results.begin(), session.results.end(), "324"), 1);
}

TEST_F(FilterRunTest, ShortExclusionTextsExcludeNothing) {
    controls->setChecked(Check::ExcludeSets, true);
    controls->setText(TextBox::ExcludeSet1, "012");
    controls->setText(TextBox::ExcludeSingles, "12");
    run();
    EXPECT_EQ(session.results.size(), 1000u);
}

TEST_F(FilterRunTest, SinglesAreExcludedBySubstring) {
    controls->setText(TextBox::ExcludeSingles, "1234");
    run();
    EXPECT_EQ(session.results.size(), 998u);
    EXPECT_EQ(std::count(session.results.begin(), session.results.end(), "123"), 0);
    EXPECT_EQ(std::count(session.results.begin(), session.results.end(), "234"), 0);
}

TEST_F(FilterRunTest, ExcludedSinglesStillCountAsSeenGroups) {
    controls->select(Radio::Group);
    controls->setText(TextBox::ExcludeSingles, "123");
    run();
    EXPECT_EQ(session.results.size(), 209u);
    EXPECT_EQ(std::count(session.results.begin(), session.results.end(), "123"), 0);
}

TEST_F(FilterRunTest, RandomThinningKeepsTargetCountInOrder) {
    controls->setChecked(Check::RandomCount, true);
    controls->setText(TextBox::TargetCount, "5");
    run();
    ASSERT_EQ(session.results.size(), 5u);
    EXPECT_TRUE(std::is_sorted(session.results.begin(), session.results.end()));
    EXPECT_NE(report().find("共有5注\r\n"), std::string::npos);
}

TEST_F(FilterRunTest, RandomThinningWithoutTargetRemovesEverything) {
    controls->setChecked(Check::RandomCount, true);
    for (const char* target : {"", "abc", "０５"}) {
        controls->setText(TextBox::TargetCount, target);
        run();
        EXPECT_TRUE(session.results.empty()) << target;
        EXPECT_EQ(report(), kNoResultText) << target;
    }
}

TEST_F(FilterRunTest, TwoRunsThinDifferently) {
    controls->setChecked(Check::RandomCount, true);
    controls->setText(TextBox::TargetCount, "20");
    run();
    const NumberList first = session.results;
    run();
    EXPECT_NE(first, session.results);
}

TEST_F(FilterRunTest, ResultFontFollowsWindowWidth) {
    controls->setWindowWidth(801);
    run();
    EXPECT_EQ(controls->resultFontPoints, 11);
    EXPECT_FALSE(controls->resultFontBold);
    controls->setWindowWidth(800);
    run();
    EXPECT_EQ(controls->resultFontPoints, 9);
}

TEST_F(FilterRunTest, BusyPicturesShowOnlyDuringTheRun) {
    bool busyDuringRun = false;
    controls->onProcessEvents = [&] { busyDuringRun = busyDuringRun || controls->busy; };
    run();
    EXPECT_TRUE(busyDuringRun);
    EXPECT_FALSE(controls->busy);
    EXPECT_EQ(controls->busyShownCount, 1);
}

TEST_F(FilterRunTest, TickChangedDuringRunAppliesToLaterCandidates) {
    long calls = 0;
    controls->onProcessEvents = [&] {
        if (++calls == 2000)
            controls->tick(kHundredsNine);
    };
    run();
    const NumberList& results = session.results;
    EXPECT_EQ(results.front(), "000");
    EXPECT_GT(results.size(), 100u);
    EXPECT_LT(results.size(), 900u);
    EXPECT_EQ(std::count(results.begin(), results.end(), "899"), 0);
    EXPECT_EQ(results.back(), "999");
}

TEST_F(FilterRunTest, SecondClickDuringRunIsIgnored) {
    int nested = 0;
    controls->onProcessEvents = [&] {
        if (nested++ == 10)
            run();
    };
    run();
    EXPECT_EQ(session.results.size(), 1000u);
    EXPECT_EQ(controls->busyShownCount, 1);
}

TEST_F(FilterRunTest, EmptyBaseListGivesTheZeroResultText) {
    controls->select(Radio::BaseList);
    controls->setText(TextBox::BaseList, "12 34");
    run();
    EXPECT_EQ(report(), kNoResultText);
}

TEST_F(FilterRunTest, ExpandedBaseListSkipsEmptyItems) {
    controls->select(Radio::BaseList);
    controls->setChecked(Check::GroupToDirect, true);
    controls->setText(TextBox::BaseList, "123 456");
    run();
    EXPECT_EQ(session.results.size(), 12u);
    EXPECT_EQ(session.results[6], "456");
}

TEST_F(FilterRunTest, MissingTagStopsTheRunAndClearsTheBusyState) {
    MemoryControls bare;
    Session fresh;
    EXPECT_THROW(runFilter(bare, fresh), TagNotFound);
    EXPECT_FALSE(bare.busy);
    EXPECT_FALSE(fresh.runInProgress);
}

struct CoversCase {
    const char* digits;
    const char* number;
    bool covers;
};

TEST(CoversNumberTest, EveryDigitMustOccur) {
    const CoversCase cases[] = {{"0123", "321", true}, {"0123", "324", false},
                                {"0123", "000", true}, {"", "000", false},
                                {"5", "555", true},    {"56", "565", true}};
    for (const CoversCase& c : cases) {
        EXPECT_EQ(coversNumber(c.digits, c.number), c.covers) << c.digits << " " << c.number;
    }
}

}  // namespace
}  // namespace suoshui
