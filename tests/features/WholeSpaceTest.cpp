// Properties over every number from "000" to "999".

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "features/ConditionTable.h"
#include "features/ConsecutiveFeatures.h"
#include "features/FeatureText.h"
#include "features/HighLowShape.h"
#include "support/AllNumbers.h"

namespace suoshui {
namespace {

using testing::allNumbers;

std::map<std::string, int> tally(std::string (*feature)(std::string_view)) {
    std::map<std::string, int> counts;
    for (const std::string& number : allNumbers())
        ++counts[feature(number)];
    return counts;
}

// Features whose value always equals one caption of their group; the others may yield a text
// that no caption carries ("lll", "平", the empty trait) or are tested on the number itself.
bool alwaysOneCaption(const ConditionGroup& group) {
    switch (group.feature) {
        case Feature::None:
        case Feature::Candidate:
        case Feature::ConsecutivePosition:
        case Feature::ConsecutiveParity:
        case Feature::ConsecutiveHighLow:
        case Feature::GroupThreeTrait:
        case Feature::HighLowShape:
        case Feature::AnyPairSumTail:
        case Feature::AnyPairDifference:
        case Feature::AnyPairSum:
            return false;
        default:
            return true;
    }
}

TEST(WholeSpace, EveryFeatureValueEqualsExactlyOneCaptionOfItsGroup) {
    const auto numbers = allNumbers();
    int groupsChecked = 0;
    for (Stage stage : {Stage::Basic, Stage::Extra}) {
        for (const ConditionGroup* group : stageGroups(stage)) {
            if (!alwaysOneCaption(*group))
                continue;
            ++groupsChecked;
            const ConditionRow* row = rowOfTag(group->tags.first);
            ASSERT_NE(row, nullptr);
            for (const std::string& number : numbers) {
                const std::string value = featureText(group->feature, number);
                int equal = 0;
                for (int tag = group->tags.first; tag <= group->tags.last; ++tag)
                    equal += row->captionOf(tag) == value ? 1 : 0;
                ASSERT_EQ(equal, 1)
                    << "order " << group->order << " number " << number << " value " << value;
            }
        }
    }
    EXPECT_EQ(groupsChecked, 29);
}

TEST(WholeSpace, ConsecutiveKindCounts) {
    const std::map<std::string, int> expected{{"无连", 520}, {"连号", 420}, {"三连", 60}};
    EXPECT_EQ(tally(consecutiveKind), expected);
}

TEST(WholeSpace, ConsecutivePairLooks) {
    const auto parity = tally(consecutiveParity);
    EXPECT_EQ(parity.at("奇偶"), 210);
    EXPECT_EQ(parity.at("偶奇"), 210);
    EXPECT_EQ(parity.at("lll"), 580);
    const auto highLow = tally(consecutiveHighLow);
    EXPECT_EQ(highLow.at("高低"), 210);
    EXPECT_EQ(highLow.at("低高"), 210);
    EXPECT_EQ(tally(consecutivePosition).size(), 4u);
}

TEST(WholeSpace, HighLowShapeCounts) {
    const auto shapes = tally(highLowShape);
    for (const char* shape : {"高中低", "高低中", "中高低", "中低高", "低高中", "低中高"})
        EXPECT_EQ(shapes.at(shape), 120) << shape;
    for (const char* shape : {"高高低", "高低高", "低高高", "低低高", "低高低", "高低低"})
        EXPECT_EQ(shapes.at(shape), 45) << shape;
    EXPECT_EQ(shapes.at("平"), 10);
    EXPECT_EQ(shapes.size(), 13u);
}

TEST(WholeSpace, EveryHighLowShapeIsACaptionExceptFlat) {
    const ConditionRow* row = rowOfTag(301);
    ASSERT_NE(row, nullptr);
    std::set<std::string> captions;
    for (int tag = 301; tag <= 312; ++tag)
        captions.insert(std::string(row->captionOf(tag)));
    for (const auto& [shape, count] : tally(highLowShape))
        EXPECT_EQ(captions.count(shape), shape == "平" ? 0u : 1u) << shape;
}

}  // namespace
}  // namespace suoshui
