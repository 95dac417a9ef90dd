#include "lists/ConditionSummary.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

#include "engine/FilterRun.h"
#include "support/WindowControls.h"

namespace suoshui {
namespace {

using testing::MemoryControls;

constexpr std::string_view kNoResultText =
    "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";

class ConditionSummaryTest : public ::testing::Test {
  protected:
    void SetUp() override { buildTagTable(*controls, session.tags); }
    std::string summaryOf(const NumberList& results) {
        return conditionSummaryText(*controls, session.tags, results);
    }
    void tickRange(int first, int last) {
        for (int tag = first; tag <= last; ++tag)
            controls->tick(tag);
    }

    std::unique_ptr<MemoryControls> controls = testing::makeWindowControls();
    Session session;
};

// Ticks of the worked example: hundreds 1, tens 2, units 3 and 4, every other group either
// wholly ticked or not at all.
void tickWorkedExample(MemoryControls& controls) {
    controls.tick(1);
    controls.tick(12);
    controls.tick(23);
    controls.tick(24);
    for (int tag = 51; tag <= 78; ++tag)
        controls.tick(tag);
}

TEST_F(ConditionSummaryTest, WorkedExampleFlat) {
    tickWorkedExample(*controls);
    runFilter(*controls, session);
    EXPECT_EQ(controls->text(TextBox::Result),
              "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n123 124 ");
}

TEST_F(ConditionSummaryTest, WorkedExampleGroupedBySum) {
    tickWorkedExample(*controls);
    runFilter(*controls, session);
    controls->select(Radio::BySum);
    buildConditionSummary(*controls, session);
    EXPECT_EQ(controls->text(TextBox::Result),
              "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n"
              "\r\n和值6的有1注\r\n123 \r\n\r\n和值7的有1注\r\n124 \r\n");
}

struct GroupingCase {
    const char* name;
    Radio radio;
    const char* listing;
};

void PrintTo(const GroupingCase& c, std::ostream* os) {
    *os << c.name;
}

class GroupingTest : public ConditionSummaryTest,
                     public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(GroupingTest, ListsEachValueOnceInItsOrder) {
    controls->select(GetParam().radio);
    const std::string report = summaryOf({"123", "907", "555", "100"});
    const std::string countLine = "符合条件的直选号    共有4注\r\n";
    ASSERT_EQ(report.substr(0, countLine.size()), countLine);
    EXPECT_EQ(report.substr(countLine.size()), GetParam().listing);
}

INSTANTIATE_TEST_SUITE_P(
    AllGroupings, GroupingTest,
    ::testing::Values(
        GroupingCase{"Flat", Radio::Flat, "123 907 555 100 "},
        GroupingCase{"Sum", Radio::BySum,
                     "\r\n和值1的有1注\r\n100 \r\n\r\n和值6的有1注\r\n123 \r\n"
                     "\r\n和值15的有1注\r\n555 \r\n\r\n和值16的有1注\r\n907 \r\n"},
        GroupingCase{"SumTail", Radio::BySumTail,
                     "\r\n和尾1的有1注\r\n100 \r\n\r\n和尾5的有1注\r\n555 \r\n"
                     "\r\n和尾6的有2注\r\n123 907 \r\n"},
        GroupingCase{"Span", Radio::BySpan,
                     "\r\n跨度0的有1注\r\n555 \r\n\r\n跨度1的有1注\r\n100 \r\n"
                     "\r\n跨度2的有1注\r\n123 \r\n\r\n跨度9的有1注\r\n907 \r\n"},
        GroupingCase{"Parity", Radio::ByParity,
                     "\r\n奇偶比为3:0的有1注\r\n555 \r\n\r\n奇偶比为2:1的有2注\r\n123 907 \r\n"
                     "\r\n奇偶比为1:2的有1注\r\n100 \r\n"},
        GroupingCase{"Size", Radio::BySizeRatio,
                     "\r\n大小比为3:0的有1注\r\n555 \r\n\r\n大小比为2:1的有1注\r\n907 \r\n"
                     "\r\n大小比为0:3的有2注\r\n123 100 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConditionSummaryTest, NoGroupingRadioGivesNoListing) {
    controls->clearRadioGroupOf(Radio::Flat);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n");
}

TEST_F(ConditionSummaryTest, EmptyResultGivesTheFixedTextWhateverTheGrouping) {
    for (Radio radio : {Radio::Flat, Radio::BySum, Radio::ByParity}) {
        controls->select(radio);
        EXPECT_EQ(summaryOf({}), kNoResultText);
    }
}

struct LineCase {
    const char* name;
    int first;
    int last;
    std::vector<int> ticked;
    const char* label;
    const char* line;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.name;
}

class ConditionLineTest : public ConditionSummaryTest,
                          public ::testing::WithParamInterface<LineCase> {};

TEST_P(ConditionLineTest, ListsTickedCaptionsInTagOrder) {
    for (int tag : GetParam().ticked)
        controls->tick(tag);
    EXPECT_EQ(conditionLine(session.tags, GetParam().first, GetParam().last, GetParam().label),
              GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConditionLineTest,
    ::testing::Values(
        LineCase{"HundredsZeroLast", 1, 10, {10, 1, 2}, "百位：", "百位：1 2 0 \r\n"},
        LineCase{"BankerZeroFirst", 250, 259, {250, 251, 252}, "胆码：", "胆码：0 1 2 \r\n"},
        LineCase{"NothingTicked", 1, 10, {}, "百位：", ""},
        LineCase{"AllTicked", 228, 231, {228, 229, 230, 231}, "奇偶比：", ""},
        LineCase{"Ratios", 228, 231, {229, 231}, "奇偶比：", "奇偶比：2:1 0:3 \r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConditionSummaryTest, BasicLinesFollowTheReportOrder) {
    controls->tick(3);    // 百位 3
    controls->tick(245);  // 废码 5
    controls->tick(252);  // 胆码 2
    controls->tick(223);  // 连号
    EXPECT_EQ(summaryOf({"123"}),
              "百位：3 \r\n胆码：2 \r\n废码：5 \r\n连号：连号 \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
}

TEST_F(ConditionSummaryTest, IncludeOptionsSwitchOnlyTheirOwnLabel) {
    controls->tick(177);  // 二码 01
    controls->tick(261);  // 组三对码 11
    controls->tick(272);  // 组三单码 2
    const std::string excluded = summaryOf({"123"});
    EXPECT_NE(excluded.find("排除二码：01 \r\n排除组三对码：11 \r\n排除组三单码：2 \r\n"),
              std::string::npos);
    controls->setChecked(Check::IncludePairs, true);
    const std::string included = summaryOf({"123"});
    EXPECT_NE(included.find("包含二码：01 \r\n排除组三对码：11 \r\n"), std::string::npos);
    controls->setChecked(Check::IncludePairDigit, true);
    controls->setChecked(Check::IncludeSingleDigit, true);
    EXPECT_NE(summaryOf({"123"}).find("包含组三对码：11 \r\n包含组三单码：2 \r\n"),
              std::string::npos);
}

TEST_F(ConditionSummaryTest, ExtendedLinesOnlyWithTheExtraPanelOn) {
    controls->tick(340);  // 百十合 1
    controls->tick(316);  // 单号大
    controls->tick(463);  // 咪咪咪, never tested but still reported
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ");
    controls->setChecked(Check::ExtraEnabled, true);
    EXPECT_EQ(summaryOf({"123"}),
              "百十合：1 \r\n笑咪形态：咪咪咪 \r\n组三特征：单号大 \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
}

TEST_F(ConditionSummaryTest, ExclusionLine) {
    controls->setChecked(Check::ExcludeSets, true);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ") << "all boxes empty";
    controls->setText(TextBox::ExcludeSingles, "456 789");
    EXPECT_EQ(summaryOf({"123"}),
              "排除复式： \r\n排除单式号码：456 789  \r\n符合条件的直选号    共有1注\r\n123 ");
    controls->setText(TextBox::ExcludeSet2, "0123");
    controls->setText(TextBox::ExcludeSet4, "4567");
    EXPECT_EQ(summaryOf({"123"}),
              "排除复式： 0123  4567  \r\n排除单式号码：456 789  \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
    controls->setChecked(Check::ExcludeSets, false);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ");
}

struct PlayTypeCase {
    Radio radio;
    const char* countLine;
};

TEST_F(ConditionSummaryTest, CountLineNamesThePlayType) {
    const PlayTypeCase cases[] = {{Radio::Direct, "符合条件的直选号    共有1注\r\n"},
                                  {Radio::DirectSix, "符合条件的直选组六号    共有1注\r\n"},
                                  {Radio::DirectThree, "符合条件的直选组三号    共有1注\r\n"},
                                  {Radio::Group, "符合条件的组选号    共有1注\r\n"},
                                  {Radio::GroupSix, "符合条件的组六组选号    共有1注\r\n"},
                                  {Radio::GroupThree, "符合条件的组三组选号    共有1注\r\n"}};
    for (const PlayTypeCase& c : cases) {
        controls->select(c.radio);
        EXPECT_EQ(summaryOf({"123"}), std::string(c.countLine) + "123 ");
    }
    controls->clearRadioGroupOf(Radio::Direct);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的号    共有1注\r\n123 ");
}

}  // namespace
}  // namespace suoshui
