#include "features/ConditionChain.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "features/FeatureText.h"
#include "support/WindowControls.h"

namespace suoshui {
namespace {

const ConditionGroupDef& groupOfOrder(int order) {
    for (Stage stage : {Stage::Basic, Stage::Extra}) {
        for (const ConditionGroupDef* group : stageGroups(stage)) {
            if (group->order == order)
                return *group;
        }
    }
    throw std::runtime_error("no order " + std::to_string(order));
}

struct FeatureCase {
    const char* number;
    int order;
    const char* value;
};

const FeatureCase kFeatureCases[] = {
    {"123", 6, "6"},       {"123", 7, "120"},  {"123", 8, "1:1:1"}, {"123", 9, "小小中"},
    {"123", 11, "奇偶奇"}, {"123", 14, "2:1"}, {"123", 20, "三连"}, {"907", 1, "9"},
    {"907", 3, "7"},       {"907", 6, "16"},   {"907", 4, "6"},     {"907", 5, "9"},
    {"112", 21, "11"},     {"112", 22, "2"},   {"907", 29, "9"},    {"907", 33, "7"},
    {"907", 37, "16"},     {"907", 28, "7"},   {"211", 25, "百十"},
};

TEST(ConditionChain, EachOrderTestsItsFeature) {
    for (const FeatureCase& c : kFeatureCases) {
        EXPECT_EQ(featureText(groupOfOrder(c.order).feature, c.number), c.value)
            << c.number << " order " << c.order;
    }
}

std::string numberText(int value) {
    std::string text = std::to_string(value);
    return std::string(3 - text.size(), '0') + text;
}

class ConditionChainTest : public ::testing::Test {
  protected:
    void SetUp() override {
        controls = testing::makeWindowControls();
        buildTagTable(*controls, tags);
    }
    int basicSurvivors() {
        int count = 0;
        for (int value = 0; value < 1000; ++value)
            count += passesBasicStage(*controls, tags, numberText(value)) ? 1 : 0;
        return count;
    }
    int extraSurvivors() {
        int count = 0;
        for (int value = 0; value < 1000; ++value)
            count += passesExtraStage(*controls, tags, numberText(value)) ? 1 : 0;
        return count;
    }

    std::unique_ptr<testing::MemoryControls> controls;
    TagTable tags;
};

TEST_F(ConditionChainTest, NothingTickedLetsEverythingThrough) {
    EXPECT_EQ(basicSurvivors(), 1000);
    controls->setChecked(Check::ExtraEnabled, true);
    EXPECT_EQ(extraSurvivors(), 1000);
}

TEST_F(ConditionChainTest, GroupsCombine) {
    controls->tick(1);               // 百位 "1"
    controls->tick(57);              // 和值 "6"
    EXPECT_EQ(basicSurvivors(), 6);  // 105, 114, 123, 132, 141, 150
}

TEST_F(ConditionChainTest, FirstFailingGroupStops) {
    controls->tick(1);  // 百位 "1"
    const long before = controls->processEventsCount;
    EXPECT_FALSE(passesBasicStage(*controls, tags, "234"));
    EXPECT_EQ(controls->processEventsCount, before + 1);
}

TEST_F(ConditionChainTest, IncludeRowsWithNothingTickedRejectGroupThreeAndTriples) {
    controls->setChecked(Check::IncludePairDigit, true);
    EXPECT_EQ(basicSurvivors(), 720);
}

TEST_F(ConditionChainTest, ExtraBoxesChangeNothingWhileTheStageIsOff) {
    for (int tag = 301; tag <= 530; tag += 7)
        controls->tick(tag);
    EXPECT_EQ(extraSurvivors(), 1000);
    controls->setChecked(Check::ExtraEnabled, true);
    EXPECT_LT(extraSurvivors(), 1000);
}

TEST_F(ConditionChainTest, UntestedGroupsChangeNothing) {
    controls->setChecked(Check::ExtraEnabled, true);
    for (int tag = 456; tag <= 491; tag += 3)
        controls->tick(tag);
    controls->tick(226);
    controls->tick(313);
    EXPECT_EQ(basicSurvivors(), 1000);
    EXPECT_EQ(extraSurvivors(), 1000);
}

TEST_F(ConditionChainTest, BadCandidatesNeverCrash) {
    controls->setChecked(Check::ExtraEnabled, true);
    controls->tick(1);
    controls->tick(177);
    for (std::string_view candidate :
         {std::string_view(""), std::string_view("\0\0\0", 3), std::string_view("\xff\xfe\xfd"),
          std::string_view("１２３"), std::string_view("😀")}) {
        passesBasicStage(*controls, tags, candidate);
        passesExtraStage(*controls, tags, candidate);
    }
    controls->tick(240);  // "废码" "0" searches the whole text
    const std::string huge(50'000'000, '1');
    EXPECT_TRUE(passesBasicStage(*controls, tags, huge));
}

}  // namespace
}  // namespace suoshui
