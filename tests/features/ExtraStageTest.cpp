#include "features/ExtraStageTests.h"

#include <gtest/gtest.h>

#include "support/Settings.h"

namespace suoshui {
namespace {

using testing::groupLabelled;
using testing::tickCaptions;

class ExtraStageTest : public ::testing::Test {
  protected:
    void SetUp() override { settings.setChecked(Check::ExtraEnabled); }
    bool anyPair(TagSpan span, std::string_view n, PairFeature feature) {
        return matchAnyPair(settings, span, n, feature);
    }
    bool shape(std::string_view n) { return testHighLowShape(settings, shapes, n); }
    bool extra(TagSpan span, std::string_view value) {
        return matchExtraGroup(settings, span, value);
    }
    void retick(TagSpan span, std::string_view caption) {
        settings.boxes.tick(span, false);
        tickCaptions(settings, span, {caption});
    }

    FilterSettings settings;
    const TagSpan shapes = groupLabelled("组六高低形态：").tags;
    const TagSpan consecutivePosition = groupLabelled("连号定位：").tags;
    const TagSpan anyTail = groupLabelled("任意合：").tags;
    const TagSpan anySum = groupLabelled("任意位和：").tags;
};

TEST_F(ExtraStageTest, AnyPairTriesTheThreePairs) {
    retick(anyTail, "5");
    EXPECT_TRUE(anyPair(anyTail, "123", pairSumTail));
    retick(anyTail, "9");
    EXPECT_FALSE(anyPair(anyTail, "123", pairSumTail));
    retick(anySum, "16");
    EXPECT_TRUE(anyPair(anySum, "907", pairSum));
    retick(anySum, "18");
    EXPECT_FALSE(anyPair(anySum, "907", pairSum));
}

TEST_F(ExtraStageTest, PlainGroupComparesTheValue) {
    EXPECT_TRUE(extra(consecutivePosition, "lll"));
    tickCaptions(settings, consecutivePosition, {"百十"});
    EXPECT_FALSE(extra(consecutivePosition, "百个"));  // "112"
    EXPECT_FALSE(extra(consecutivePosition, "lll"));   // "123"
    EXPECT_TRUE(extra(consecutivePosition, "百十"));
}

TEST_F(ExtraStageTest, HighLowShapeRestrictsOnlyItsOwnKind) {
    retick(shapes, "高高低");
    EXPECT_TRUE(shape("321"));  // "组六", no "组六" shape ticked
    EXPECT_TRUE(shape("331"));
    EXPECT_FALSE(shape("113"));
    EXPECT_TRUE(shape("777"));
    retick(shapes, "高中低");
    EXPECT_TRUE(shape("321"));
    EXPECT_TRUE(shape("331"));  // "组三", no "组三" shape ticked
    retick(shapes, "低中高");
    EXPECT_FALSE(shape("321"));
    retick(shapes, "低低高");
    EXPECT_FALSE(shape("331"));
}

TEST_F(ExtraStageTest, HighLowShapePassesUnderGroupSelections) {
    tickCaptions(settings, shapes, {"低中高"});
    for (NumberType type : {NumberType::Group, NumberType::GroupSix, NumberType::GroupThree}) {
        settings.numberType = type;
        EXPECT_TRUE(shape("321"));
    }
    settings.numberType = NumberType::DirectSix;
    EXPECT_FALSE(shape("321"));
}

TEST_F(ExtraStageTest, EverythingPassesWhileTheExtraStageIsOff) {
    settings.setChecked(Check::ExtraEnabled, false);
    tickCaptions(settings, shapes, {"低中高"});
    tickCaptions(settings, anyTail, {"9"});
    tickCaptions(settings, consecutivePosition, {"百十"});
    EXPECT_TRUE(shape("321"));
    EXPECT_TRUE(anyPair(anyTail, "123", pairSumTail));
    EXPECT_TRUE(extra(consecutivePosition, "lll"));
}

}  // namespace
}  // namespace suoshui
