// What must hold of the condition table as a whole, whatever its rows say in detail.
#include "engine/LotteryNumber.h"
#include "features/ConditionTable.h"
#include "features/FeatureText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace suoshui {
namespace {

TEST(ConditionTable, EveryRowHasOneCaptionPerTagAndNamesAreUnique) {
    std::set<std::string_view> names;
    for (const ConditionRow& row : conditionRows()) {
        EXPECT_EQ(row.captions.size(), row.tags().size()) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
}

TEST(ConditionTable, EveryValueTagIsCarriedOnceExceptTheDoubled226) {
    std::map<int, int> boxesPerTag;
    for (const WindowBox& box : windowBoxes())
        ++boxesPerTag[box.tag];
    for (int tag = 1; tag <= kExtraTags.last; ++tag) {
        const bool valueTag = kBasicTags.contains(tag) || kExtraTags.contains(tag);
        EXPECT_EQ(boxesPerTag[tag], !valueTag ? 0 : (tag == 226 ? 2 : 1)) << "tag " << tag;
    }
    for (int tag = kToggleTags.first; tag <= kToggleTags.last; ++tag)
        EXPECT_EQ(boxesPerTag[tag], 1) << "toggle " << tag;
    EXPECT_EQ(boxesPerTag[kClickRelayTag], 1);
    EXPECT_EQ(windowBoxes().back().kind, BoxKind::Relay);
}

TEST(ConditionTable, GroupsLieInTheirRowAndDoNotOverlap) {
    std::set<int> grouped;
    for (const ConditionRow& row : conditionRows()) {
        for (const ConditionGroup& group : row.groups) {
            for (int tag = group.tags.first; tag <= group.tags.last; ++tag) {
                EXPECT_GE(row.indexOf(tag), 0) << row.name << " " << tag;
                EXPECT_TRUE(grouped.insert(tag).second) << tag;
            }
            for (const SummaryPart& part : group.summary) {
                EXPECT_TRUE(group.tags.contains(part.tags.first) &&
                            group.tags.contains(part.tags.last))
                    << part.label;
                EXPECT_EQ(part.labelIncluded.empty(), !group.include.has_value()) << part.label;
            }
        }
    }
}

TEST(ConditionTable, OrdersOneToFortyEachOnceAndStagesSplitAt23) {
    std::vector<int> orders;
    for (const ConditionGroup* group : testedGroups()) {
        orders.push_back(group->order);
        EXPECT_EQ(group->stage, group->order <= 23 ? Stage::Basic : Stage::Extra);
        EXPECT_NE(group->test, TestKind::None);
    }
    std::vector<int> expected(kTestedGroupCount);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(orders, expected);
    EXPECT_EQ(stageGroups(Stage::Basic).size() + stageGroups(Stage::Extra).size(),
              static_cast<std::size_t>(kTestedGroupCount));
}

void expectPositionsOneToN(const std::vector<SummaryLine>& lines, std::size_t count) {
    EXPECT_EQ(lines.size(), count);
    for (const SummaryLine& line : lines)
        EXPECT_EQ(line.label.substr(line.label.size() - 3), "：") << line.label;
}

TEST(ConditionTable, SummaryLinesCoverTheirSections) {
    expectPositionsOneToN(basicSummaryLines(), 22);
    expectPositionsOneToN(extendedSummaryLines(), 25);
    EXPECT_EQ(basicSummaryLines().front().label, "百位：");
    EXPECT_EQ(extendedSummaryLines().back().label, "组三特征：");
}

TEST(ConditionTable, TogglesApplyToTheirOwnRowAndShowItsState) {
    const auto& toggles = selectAllToggles();
    ASSERT_EQ(toggles.size(), static_cast<std::size_t>(kToggleTags.count()));
    for (std::size_t i = 0; i < toggles.size(); ++i) {
        const SelectAllToggleDef& toggle = toggles[i];
        EXPECT_EQ(toggle.tag, kToggleTags.first + static_cast<int>(i));
        const ConditionRow* row = rowOfTag(toggle.first);
        ASSERT_NE(row, nullptr) << toggle.tag;
        EXPECT_EQ(rowOfTag(toggle.first + toggle.count - 1), row) << toggle.tag;
        ASSERT_FALSE(toggle.syncedFrom.empty());
        EXPECT_EQ(toggle.syncedFrom[0], (TagSpan{toggle.first, toggle.first + toggle.count - 1}));
        EXPECT_TRUE(row->relaysClicks) << toggle.tag;
    }
    // "二  码" shows as ticked only with the ten pair digits ticked as well.
    const SelectAllToggleDef* pairs = toggleOfGroup(*groupWithTest(TestKind::DigitPairs));
    ASSERT_NE(pairs, nullptr);
    ASSERT_EQ(pairs->syncedFrom.size(), 2u);
    EXPECT_EQ(pairs->syncedFrom[1], groupWithTest(TestKind::PairDigitGroup)->tags);
}

TEST(ConditionTable, ExcludeColoursStartWhereTickedMeansThrownOut) {
    for (const ConditionGroup* group : testedGroups()) {
        const bool excluding =
            group->include.has_value() || group->test == TestKind::ExcludedDigits;
        EXPECT_EQ(startsExcluded(group->tags.first), excluding) << group->order;
    }
    EXPECT_TRUE(startsExcluded(toggleOfGroup(*groupWithTest(TestKind::DigitPairs))->tag));
    EXPECT_FALSE(startsExcluded(kToggleTags.first));
    EXPECT_FALSE(startsExcluded(kClickRelayTag));
}

}  // namespace
// The trend chart ticks the box of a drawn value: every value a number can have has its box.
TEST(TagOfFeatureValue, FindsTheBoxOfEveryDrawnValue) {
    for (Feature feature :
         {Feature::Hundreds, Feature::Tens, Feature::Units, Feature::DigitSum, Feature::Span}) {
        for (int value = 0; value < kNumberCount; ++value) {
            const std::string text = featureText(feature, numberText(value));
            const std::optional<int> tag = tagOfFeatureValue(feature, text);
            ASSERT_TRUE(tag) << text;
            EXPECT_EQ(rowOfTag(*tag)->captionOf(*tag), text);
        }
    }
    EXPECT_EQ(tagOfFeatureValue(Feature::DigitSum, "28"), std::nullopt);
}

}  // namespace suoshui
