#include "lists/ConditionSummary.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/Settings.h"

namespace suoshui {
namespace {

class ConditionSummaryTest : public ::testing::Test {
  protected:
    std::string summaryOf(const NumberList& results) {
        return conditionSummaryText(settings, grouping, results);
    }
    void tick(std::initializer_list<int> tags) {
        for (int tag : tags)
            settings.boxes.setTicked(tag);
    }

    FilterSettings settings;
    ResultGrouping grouping = ResultGrouping::Flat;
};

// Ticks of the worked example: hundreds 1, tens 2, units 3 and 4, the sum wholly ticked.
TEST_F(ConditionSummaryTest, WorkedExample) {
    tick({1, 12, 23, 24});
    settings.boxes.tick({51, 78});
    EXPECT_EQ(summaryOf({"123", "124"}),
              "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n123 124 ");
    grouping = ResultGrouping::BySum;
    EXPECT_EQ(summaryOf({"123", "124"}),
              "百位：1 \r\n十位：2 \r\n个位：3 4 \r\n符合条件的直选号    共有2注\r\n"
              "\r\n和值6的有1注\r\n123 \r\n\r\n和值7的有1注\r\n124 \r\n");
}

struct GroupingCase {
    const char* name;
    ResultGrouping grouping;
    const char* listing;
};

void PrintTo(const GroupingCase& c, std::ostream* os) {
    *os << c.name;
}

class GroupingTest : public ConditionSummaryTest,
                     public ::testing::WithParamInterface<GroupingCase> {};

TEST_P(GroupingTest, ListsEachValueOnceInItsOrder) {
    grouping = GetParam().grouping;
    const std::string report = summaryOf({"123", "907", "555", "100"});
    const std::string countLine = "符合条件的直选号    共有4注\r\n";
    ASSERT_EQ(report.substr(0, countLine.size()), countLine);
    EXPECT_EQ(report.substr(countLine.size()), GetParam().listing);
    EXPECT_EQ(summaryOf({}), kNoResultText);
}

INSTANTIATE_TEST_SUITE_P(
    AllGroupings, GroupingTest,
    ::testing::Values(
        GroupingCase{"Flat", ResultGrouping::Flat, "123 907 555 100 "},
        GroupingCase{"Sum", ResultGrouping::BySum,
                     "\r\n和值1的有1注\r\n100 \r\n\r\n和值6的有1注\r\n123 \r\n"
                     "\r\n和值15的有1注\r\n555 \r\n\r\n和值16的有1注\r\n907 \r\n"},
        GroupingCase{"SumTail", ResultGrouping::BySumTail,
                     "\r\n和尾1的有1注\r\n100 \r\n\r\n和尾5的有1注\r\n555 \r\n"
                     "\r\n和尾6的有2注\r\n123 907 \r\n"},
        GroupingCase{"Span", ResultGrouping::BySpan,
                     "\r\n跨度0的有1注\r\n555 \r\n\r\n跨度1的有1注\r\n100 \r\n"
                     "\r\n跨度2的有1注\r\n123 \r\n\r\n跨度9的有1注\r\n907 \r\n"},
        GroupingCase{"Parity", ResultGrouping::ByParity,
                     "\r\n奇偶比为3:0的有1注\r\n555 \r\n\r\n奇偶比为2:1的有2注\r\n123 907 \r\n"
                     "\r\n奇偶比为1:2的有1注\r\n100 \r\n"},
        GroupingCase{"Size", ResultGrouping::BySizeRatio,
                     "\r\n大小比为3:0的有1注\r\n555 \r\n\r\n大小比为2:1的有1注\r\n907 \r\n"
                     "\r\n大小比为0:3的有2注\r\n123 100 \r\n"}),
    [](const auto& test) { return std::string(test.param.name); });

struct LineCase {
    const char* name;
    TagSpan span;
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
        settings.boxes.setTicked(tag);
    EXPECT_EQ(conditionLine(settings.boxes, GetParam().span, GetParam().label), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConditionLineTest,
    ::testing::Values(
        LineCase{"HundredsZeroLast", {1, 10}, {10, 1, 2}, "百位：", "百位：1 2 0 \r\n"},
        LineCase{"BankerZeroFirst", {250, 259}, {250, 251, 252}, "胆码：", "胆码：0 1 2 \r\n"},
        LineCase{"NothingTicked", {1, 10}, {}, "百位：", ""},
        LineCase{"AllTicked", {228, 231}, {228, 229, 230, 231}, "奇偶比：", ""},
        LineCase{"Ratios", {228, 231}, {229, 231}, "奇偶比：", "奇偶比：2:1 0:3 \r\n"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(ConditionSummaryTest, BasicLinesFollowTheReportOrder) {
    tick({3, 245, 252, 223});  // 百位 3, 废码 5, 胆码 2, 连号
    EXPECT_EQ(summaryOf({"123"}),
              "百位：3 \r\n胆码：2 \r\n废码：5 \r\n连号：连号 \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
}

TEST_F(ConditionSummaryTest, IncludeOptionsSwitchOnlyTheirOwnLabel) {
    tick({177, 261, 272});  // 二码 01, 组三对码 11, 组三单码 2
    EXPECT_NE(summaryOf({"123"}).find("排除二码：01 \r\n排除组三对码：11 \r\n排除组三单码：2 \r\n"),
              std::string::npos);
    settings.setChecked(Check::IncludePairs);
    EXPECT_NE(summaryOf({"123"}).find("包含二码：01 \r\n排除组三对码：11 \r\n"), std::string::npos);
    settings.setChecked(Check::IncludePairDigit);
    settings.setChecked(Check::IncludeSingleDigit);
    EXPECT_NE(summaryOf({"123"}).find("包含组三对码：11 \r\n包含组三单码：2 \r\n"),
              std::string::npos);
}

TEST_F(ConditionSummaryTest, ExtendedLinesOnlyWithTheExtraPanelOn) {
    tick({340, 316, 463});  // 百十合 1, 单号大, 咪咪咪 (never tested but still reported)
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ");
    settings.setChecked(Check::ExtraEnabled);
    EXPECT_EQ(summaryOf({"123"}),
              "百十合：1 \r\n笑咪形态：咪咪咪 \r\n组三特征：单号大 \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
}

TEST_F(ConditionSummaryTest, ExclusionLine) {
    settings.setChecked(Check::ExcludeSets);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ") << "all boxes empty";
    settings.excludeSingles = "456 789";
    EXPECT_EQ(summaryOf({"123"}),
              "排除复式： \r\n排除单式号码：456 789  \r\n符合条件的直选号    共有1注\r\n123 ");
    settings.excludeSets[1] = "0123";
    settings.excludeSets[3] = "4567";
    EXPECT_EQ(summaryOf({"123"}),
              "排除复式： 0123  4567  \r\n排除单式号码：456 789  \r\n"
              "符合条件的直选号    共有1注\r\n123 ");
    settings.setChecked(Check::ExcludeSets, false);
    EXPECT_EQ(summaryOf({"123"}), "符合条件的直选号    共有1注\r\n123 ");
}

TEST_F(ConditionSummaryTest, CountLineNamesThePlayType) {
    const std::pair<NumberType, const char*> cases[] = {
        {NumberType::Direct, "符合条件的直选号    共有1注\r\n"},
        {NumberType::DirectSix, "符合条件的直选组六号    共有1注\r\n"},
        {NumberType::DirectThree, "符合条件的直选组三号    共有1注\r\n"},
        {NumberType::Group, "符合条件的组选号    共有1注\r\n"},
        {NumberType::GroupSix, "符合条件的组六组选号    共有1注\r\n"},
        {NumberType::GroupThree, "符合条件的组三组选号    共有1注\r\n"}};
    for (const auto& [type, countLine] : cases) {
        settings.numberType = type;
        EXPECT_EQ(summaryOf({"123"}), std::string(countLine) + "123 ");
    }
}

TEST_F(ConditionSummaryTest, ToleranceLineStandsBeforeTheCountLineOnlyWhenOn) {
    settings.boxes.setTicked(3);
    settings.tolerance = {false, 1, 2};
    EXPECT_EQ(summaryOf({"123"}), "百位：3 \r\n符合条件的直选号    共有1注\r\n123 ");
    settings.tolerance.on = true;
    EXPECT_EQ(summaryOf({"123"}), "百位：3 \r\n容错：1-2\r\n符合条件的直选号    共有1注\r\n123 ");
}

}  // namespace
}  // namespace suoshui
