#include "features/WindowTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace suoshui {
namespace {

const WindowRow& rowNamed(std::string_view frame) {
    for (const WindowRow& row : windowRows()) {
        if (row.frame == frame)
            return row;
    }
    throw std::runtime_error("no row " + std::string(frame));
}

std::vector<int> tagsOf(const WindowRow& row) {
    std::vector<int> tags;
    for (const TagSpan& span : row.spans) {
        for (int tag = span.first; tag <= span.last; ++tag)
            tags.push_back(tag);
    }
    return tags;
}

TEST(WindowTable, EveryRowHasOneCaptionPerTag) {
    for (const WindowRow& row : windowRows())
        EXPECT_EQ(row.captions.size(), tagsOf(row).size()) << row.frame;
}

TEST(WindowTable, DisplayLinesArePermutationsOfTheRowTags) {
    for (const WindowRow& row : windowRows()) {
        if (row.displayLines.empty())
            continue;
        std::vector<int> shown;
        for (const DisplayLine& line : row.displayLines)
            shown.insert(shown.end(), line.tags.begin(), line.tags.end());
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown, tagsOf(row)) << row.frame;
    }
}

std::vector<std::string> displayed(std::string_view frame) {
    const WindowRow& row = rowNamed(frame);
    std::vector<std::string> captions;
    for (const DisplayLine& line : row.displayLines) {
        for (int tag : line.tags)
            captions.push_back(std::string(row.captionOf(tag)));
    }
    return captions;
}

TEST(WindowTable, DisplayOrdersOfTheReorderedRows) {
    EXPECT_EQ(displayed("外形框2"),
              (std::vector<std::string>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(displayed("外形框14"),
              (std::vector<std::string>{"奇奇奇", "奇奇偶", "奇偶奇", "偶奇奇", "偶偶偶", "偶偶奇",
                                        "偶奇偶", "奇偶偶"}));
    EXPECT_EQ(displayed("外形框15"),
              (std::vector<std::string>{"大大大", "大大小", "大小大", "小大大", "小小小", "小大小",
                                        "小小大", "大小小"}));
    EXPECT_EQ(displayed("外形框11"),
              (std::vector<std::string>{"质质质", "质质合", "质合质", "合质质", "合合合", "合质合",
                                        "合合质", "质合合"}));
    EXPECT_EQ(
        displayed("外形框24"),
        (std::vector<std::string>{"高中低", "高低中", "中高低", "中低高", "低中高", "低高中",
                                  "低高高", "高低低", "低高低", "高低高", "低低高", "高高低"}));
}

TEST(WindowTable, GeneratedCaptions) {
    const WindowRow& mod3 = rowNamed("外形框12");
    EXPECT_EQ(mod3.captionOf(79), "000");
    EXPECT_EQ(mod3.captionOf(82), "010");
    EXPECT_EQ(mod3.captionOf(105), "222");
    const WindowRow& size3 = rowNamed("外形框1");
    EXPECT_EQ(size3.captionOf(106), "小小小");
    EXPECT_EQ(size3.captionOf(109), "小中小");
    EXPECT_EQ(size3.captionOf(132), "大大大");
    const WindowRow& pairs = rowNamed("外形框10");
    EXPECT_EQ(pairs.captionOf(177), "01");
    EXPECT_EQ(pairs.captionOf(186), "12");
    EXPECT_EQ(pairs.captionOf(221), "89");
    EXPECT_EQ(pairs.captionOf(316), "单号大");
    EXPECT_EQ(pairs.captionOf(317), "复号大");
    EXPECT_EQ(rowNamed("外形框22").captionOf(269), "99");
    EXPECT_EQ(rowNamed("外形框7").captionOf(78), "27");
    EXPECT_EQ(rowNamed("外形框45").captionOf(530), "18");
    EXPECT_EQ(rowNamed("外形框38").captionOf(459), "笑眯眯");
}

TEST(WindowTable, StrayFourSitsAboveTheConsecutiveRow) {
    const WindowRow& row = rowNamed("外形框46");
    EXPECT_EQ(row.captionOf(226), "4");
    ASSERT_EQ(row.offsetBoxes.size(), 1u);
    EXPECT_EQ(row.offsetBoxes[0].tag, 226);
    EXPECT_EQ(row.offsetBoxes[0].top, -31);
}

TEST(WindowTable, NeverShownRows) {
    for (const WindowRow& row : windowRows()) {
        const bool hidden =
            row.container == Container::HiddenPanel || row.container == Container::RepeatRow;
        EXPECT_EQ(row.shown, !hidden) << row.frame;
        EXPECT_EQ(row.boxesVisible, row.frame != "外形框27") << row.frame;
    }
}

TEST(WindowTable, OrdersOneToFortyEachOnceAndStagesSplitAt23) {
    std::vector<int> basic;
    for (const ConditionGroupDef* group : stageGroups(Stage::Basic))
        basic.push_back(group->order);
    std::vector<int> extra;
    for (const ConditionGroupDef* group : stageGroups(Stage::Extra))
        extra.push_back(group->order);
    std::vector<int> expectedBasic(23);
    std::iota(expectedBasic.begin(), expectedBasic.end(), 1);
    std::vector<int> expectedExtra(17);
    std::iota(expectedExtra.begin(), expectedExtra.end(), 24);
    EXPECT_EQ(basic, expectedBasic);
    EXPECT_EQ(extra, expectedExtra);
}

struct ExpectedLine {
    int first;
    int last;
    const char* label;
};

void expectLines(const std::vector<SummaryLine>& lines, const std::vector<ExpectedLine>& expected) {
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].first, expected[i].first) << i;
        EXPECT_EQ(lines[i].last, expected[i].last) << i;
        EXPECT_EQ(lines[i].label, expected[i].label) << i;
    }
}

TEST(WindowTable, BasicSummaryLinesInOutputOrder) {
    const auto lines = basicSummaryLines();
    expectLines(
        lines, {{1, 10, "百位："},           {11, 20, "十位："},       {21, 30, "个位："},
                {250, 259, "胆码："},        {240, 249, "废码："},     {31, 40, "和尾："},
                {41, 50, "跨度："},          {51, 78, "和值："},       {79, 105, "除三余："},
                {167, 176, "除三余比："},    {106, 132, "大中小："},   {157, 166, "大中小比："},
                {133, 140, "奇偶形态："},    {141, 148, "大小形态："}, {149, 156, "质合形态："},
                {228, 231, "奇偶比："},      {232, 235, "大小比："},   {236, 239, "质合比："},
                {222, 224, "连号："},        {177, 221, "排除二码："}, {260, 269, "排除组三对码："},
                {270, 279, "排除组三单码："}});
    EXPECT_EQ(lines[19].labelIncluded, "包含二码：");
    EXPECT_EQ(lines[19].include, Check::IncludePairs);
    EXPECT_EQ(lines[20].labelIncluded, "包含组三对码：");
    EXPECT_EQ(lines[20].include, Check::IncludePairDigit);
    EXPECT_EQ(lines[21].labelIncluded, "包含组三单码：");
    EXPECT_EQ(lines[21].include, Check::IncludeSingleDigit);
    EXPECT_FALSE(lines[0].include.has_value());
}

TEST(WindowTable, ExtendedSummaryLinesInOutputOrder) {
    expectLines(
        extendedSummaryLines(),
        {{339, 348, "百十合："},   {349, 358, "十个合："},       {359, 368, "百个合："},
         {369, 378, "百十差："},   {379, 388, "十个差："},       {389, 398, "百个差："},
         {329, 338, "散度："},     {399, 417, "百十位和："},     {418, 436, "十个位和："},
         {437, 455, "百个位和："}, {301, 306, "组六高低形态："}, {307, 312, "组三高低形态："},
         {318, 320, "连号定位："}, {321, 322, "连号奇偶："},     {323, 324, "连号高低："},
         {456, 463, "笑咪形态："}, {464, 471, "乐呵形态："},     {472, 479, "顺利形态："},
         {480, 483, "笑咪比："},   {484, 487, "乐呵比："},       {488, 491, "顺利比："},
         {492, 501, "任意合："},   {502, 511, "任意差："},       {512, 530, "任意位和："},
         {316, 317, "组三特征："}});
}

TEST(WindowTable, SelectAllToggles) {
    const auto& toggles = selectAllToggles();
    ASSERT_EQ(toggles.size(), 38u);
    const int appliesTo[38][2] = {
        {1, 10},   {11, 10},  {21, 10},  {31, 10},  {41, 10},  {51, 28},  {79, 27},  {167, 10},
        {106, 27}, {157, 10}, {133, 8},  {141, 8},  {149, 8},  {228, 4},  {232, 4},  {236, 4},
        {177, 45}, {339, 10}, {349, 10}, {359, 10}, {369, 10}, {379, 10}, {389, 10}, {329, 10},
        {399, 19}, {418, 19}, {437, 19}, {301, 6},  {307, 6},  {456, 8},  {464, 8},  {472, 8},
        {480, 4},  {484, 4},  {488, 4},  {492, 10}, {502, 10}, {512, 19}};
    for (int i = 0; i < 38; ++i) {
        const SelectAllToggleDef& toggle = toggles[static_cast<std::size_t>(i)];
        EXPECT_EQ(toggle.tag, 1001 + i);
        EXPECT_EQ(toggle.first, appliesTo[i][0]) << toggle.tag;
        EXPECT_EQ(toggle.count, appliesTo[i][1]) << toggle.tag;
        if (toggle.tag == 1017)
            continue;
        ASSERT_EQ(toggle.syncedFrom.size(), 1u) << toggle.tag;
        EXPECT_EQ(toggle.syncedFrom[0].first, toggle.first);
        EXPECT_EQ(toggle.syncedFrom[0].count(), toggle.count);
    }
    const SelectAllToggleDef& pairs = toggles[16];
    ASSERT_EQ(pairs.syncedFrom.size(), 2u);
    EXPECT_EQ(pairs.syncedFrom[0].first, 177);
    EXPECT_EQ(pairs.syncedFrom[0].last, 221);
    EXPECT_EQ(pairs.syncedFrom[1].first, 260);
    EXPECT_EQ(pairs.syncedFrom[1].last, 269);
}

TEST(WindowTable, IncludeOptionsSitInTheirFrames) {
    EXPECT_EQ(rowNamed("外形框10").include->check, Check::IncludePairs);
    EXPECT_EQ(rowNamed("外形框22").include->check, Check::IncludePairDigit);
    EXPECT_EQ(rowNamed("外形框23").include->check, Check::IncludeSingleDigit);
    EXPECT_EQ(rowNamed("外形框22").parentFrame, "外形框10");
}

}  // namespace
}  // namespace suoshui
