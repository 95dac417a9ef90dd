#include "features/ExtraStageTests.h"

#include <gtest/gtest.h>

#include "support/WindowControlsTest.h"

namespace suoshui {
namespace {

constexpr TagSpan kShapes{301, 312};
constexpr TagSpan kConsecutivePosition{318, 320};
constexpr TagSpan kAnyTail{492, 501};
constexpr TagSpan kAnySum{512, 530};

class ExtraStageTest : public testing::WindowControlsTest {
  protected:
    void SetUp() override {
        WindowControlsTest::SetUp();
        controls->setChecked(Check::ExtraEnabled, true);
    }
    bool anyPair(TagSpan span, std::string_view n, PairFeature feature) {
        return matchAnyPair(*controls, tags, span.first, span.last, n, feature);
    }
    bool shape(std::string_view n) { return testHighLowShape(*controls, tags, kShapes, n); }
    bool extra(TagSpan span, std::string_view value) {
        return matchExtraGroup(*controls, tags, span.first, span.last, value);
    }
};

TEST_F(ExtraStageTest, AnyPairSumTail) {
    tickCaption(kAnyTail, "5");
    EXPECT_TRUE(anyPair(kAnyTail, "123", pairSumTail));
    controls->tick(492 + 5, false);
    tickCaption(kAnyTail, "9");
    EXPECT_FALSE(anyPair(kAnyTail, "123", pairSumTail));
}

TEST_F(ExtraStageTest, AnyPairSum) {
    tickCaption(kAnySum, "16");
    EXPECT_TRUE(anyPair(kAnySum, "907", pairSum));
    controls->tick(512 + 16, false);
    tickCaption(kAnySum, "18");
    EXPECT_FALSE(anyPair(kAnySum, "907", pairSum));
}

TEST_F(ExtraStageTest, PlainGroupComparesTheValue) {
    EXPECT_TRUE(extra(kConsecutivePosition, "lll"));
    tickCaption(kConsecutivePosition, "百十");
    EXPECT_FALSE(extra(kConsecutivePosition, "百个"));  // "112"
    EXPECT_FALSE(extra(kConsecutivePosition, "lll"));   // "123"
    EXPECT_TRUE(extra(kConsecutivePosition, "百十"));
}

TEST_F(ExtraStageTest, HighLowShapeRestrictsOnlyItsOwnKind) {
    tickCaption(kShapes, "高高低");
    EXPECT_TRUE(shape("321"));  // "组六", no "组六" shape ticked
    EXPECT_TRUE(shape("331"));
    EXPECT_FALSE(shape("113"));
    EXPECT_TRUE(shape("777"));
}

TEST_F(ExtraStageTest, HighLowShapeOfGroupSix) {
    tickCaption(kShapes, "高中低");
    EXPECT_TRUE(shape("321"));
    EXPECT_TRUE(shape("331"));  // "组三", no "组三" shape ticked
    controls->tick(301, false);
    tickCaption(kShapes, "低中高");
    EXPECT_FALSE(shape("321"));
    controls->tick(301 + 5, false);
    tickCaption(kShapes, "低低高");
    EXPECT_FALSE(shape("331"));
}

TEST_F(ExtraStageTest, HighLowShapePassesUnderGroupSelections) {
    tickCaption(kShapes, "低中高");
    for (Radio type : {Radio::Group, Radio::GroupSix, Radio::GroupThree}) {
        controls->select(type);
        EXPECT_TRUE(shape("321"));
    }
    controls->select(Radio::DirectSix);
    EXPECT_FALSE(shape("321"));
}

TEST_F(ExtraStageTest, EverythingPassesWhileTheExtraStageIsOff) {
    controls->setChecked(Check::ExtraEnabled, false);
    tickCaption(kShapes, "低中高");
    tickCaption(kAnyTail, "9");
    tickCaption(kConsecutivePosition, "百十");
    EXPECT_TRUE(shape("321"));
    EXPECT_TRUE(anyPair(kAnyTail, "123", pairSumTail));
    EXPECT_TRUE(extra(kConsecutivePosition, "lll"));
}

TEST_F(ExtraStageTest, EventsProcessedByPlainAndAnyPairOnly) {
    const long before = controls->processEventsCount;
    extra(kConsecutivePosition, "lll");
    anyPair(kAnyTail, "123", pairSumTail);
    shape("123");
    EXPECT_EQ(controls->processEventsCount, before + 2);
}

}  // namespace
}  // namespace suoshui
