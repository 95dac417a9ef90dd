#include "engine/GroupMatcher.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "support/WindowControls.h"

namespace suoshui {
namespace {

class GroupMatcherTest : public ::testing::Test {
  protected:
    void SetUp() override {
        controls = testing::makeWindowControls();
        buildTagTable(*controls, tags);
    }

    // Ticks the boxes of first..last whose captions are listed.
    void tickCaptions(int first, int last, std::initializer_list<std::string_view> captions) {
        for (int tag = first; tag <= last; ++tag) {
            for (std::string_view caption : captions) {
                if (tags.caption(tag) == caption)
                    controls->tick(tag);
            }
        }
    }
    void tickAll(int first, int last) {
        for (int tag = first; tag <= last; ++tag)
            controls->tick(tag);
    }
    bool match(int first, int last, std::string_view value) {
        return matchGroup(*controls, tags, first, last, value);
    }

    std::unique_ptr<testing::MemoryControls> controls;
    TagTable tags;
};

TEST_F(GroupMatcherTest, GeneralRuleComparesWholeTexts) {
    EXPECT_TRUE(match(51, 78, "5"));
    EXPECT_TRUE(match(51, 78, "奇偶奇"));  // nothing ticked: any value passes
    tickCaptions(51, 78, {"5"});
    EXPECT_TRUE(match(51, 78, "5"));
    EXPECT_FALSE(match(51, 78, "6"));
    EXPECT_FALSE(match(51, 78, "15"));
    EXPECT_FALSE(match(51, 78, "奇偶奇"));
    tickAll(51, 78);
    for (int sum = 0; sum <= 27; ++sum)
        EXPECT_TRUE(match(51, 78, std::to_string(sum)));
}

TEST_F(GroupMatcherTest, ProcessesEventsOnEveryCall) {
    const long before = controls->processEventsCount;
    match(1, 10, "1");
    match(240, 249, "123");
    EXPECT_EQ(controls->processEventsCount, before + 2);
}

TEST_F(GroupMatcherTest, TickDuringTheRunAppliesToLaterCalls) {
    controls->onProcessEvents = [this] { controls->tick(51); };  // caption "0"
    EXPECT_FALSE(match(51, 78, "5"));
}

TEST_F(GroupMatcherTest, ExcludedDigitsRejectNumbersContainingThem) {
    EXPECT_TRUE(match(240, 249, "103"));
    tickCaptions(240, 249, {"0"});
    EXPECT_TRUE(match(240, 249, "123"));
    EXPECT_FALSE(match(240, 249, "103"));
    EXPECT_FALSE(match(240, 249, "000"));
}

TEST_F(GroupMatcherTest, BankerDigitsNeedOneTickedDigit) {
    EXPECT_TRUE(match(250, 259, "345"));
    tickCaptions(250, 259, {"1", "2"});
    EXPECT_FALSE(match(250, 259, "345"));
    EXPECT_TRUE(match(250, 259, "315"));
    controls->select(Radio::BankerDrag);
    EXPECT_TRUE(match(250, 259, "345"));
}

TEST_F(GroupMatcherTest, PairsExcludeSetting) {
    tickCaptions(177, 221, {"12"});
    for (std::string_view number : {"123", "211", "321"})
        EXPECT_FALSE(match(177, 221, number)) << number;
    EXPECT_TRUE(match(177, 221, "113"));
    EXPECT_TRUE(match(177, 221, "111"));
}

TEST_F(GroupMatcherTest, PairsMatchBothDigitsAnywhere) {
    controls->setChecked(Check::IncludePairs, true);
    tickCaptions(177, 221, {"01"});
    for (std::string_view number : {"100", "010", "011", "901"})
        EXPECT_TRUE(match(177, 221, number)) << number;
    EXPECT_FALSE(match(177, 221, "000"));
}

TEST_F(GroupMatcherTest, PairsIncludeSetting) {
    controls->setChecked(Check::IncludePairs, true);
    EXPECT_FALSE(match(177, 221, "213"));  // nothing ticked: every number fails
    tickCaptions(177, 221, {"12"});
    EXPECT_TRUE(match(177, 221, "213"));
    EXPECT_FALSE(match(177, 221, "345"));
    tickAll(177, 221);
    EXPECT_TRUE(match(177, 221, "000"));  // all 45 ticked lets everything through
}

TEST_F(GroupMatcherTest, PairsSelectAllToggleDecidesAlone) {
    controls->tick(1017);
    EXPECT_FALSE(match(177, 221, "000"));
    EXPECT_FALSE(match(177, 221, "123"));
    controls->setChecked(Check::IncludePairs, true);
    EXPECT_TRUE(match(177, 221, "000"));
    EXPECT_TRUE(match(177, 221, "123"));
}

TEST_F(GroupMatcherTest, BadInputNeverCrashes) {
    tickCaptions(177, 221, {"12"});
    tickCaptions(240, 249, {"0"});
    for (std::string_view value : {std::string_view(""), std::string_view("\0\0\0", 3),
                                   std::string_view("\xff\xfe"), std::string_view("１２３")}) {
        match(177, 221, value);
        match(240, 249, value);
        match(1, 10, value);
    }
    SUCCEED();
}

}  // namespace
}  // namespace suoshui
