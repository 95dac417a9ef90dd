#include "features/FilterSettings.h"

#include <gtest/gtest.h>

#include <map>

namespace suoshui {
namespace {

TEST(BoxStates, CaptionsComeFromTheFirstBoxOfEachTag) {
    const BoxStates boxes;
    EXPECT_EQ(boxes.caption(1), "1");
    EXPECT_EQ(boxes.caption(10), "0");
    EXPECT_EQ(boxes.caption(226), "4");  // the stray box of "连  号" comes before "重复号"
    EXPECT_EQ(boxes.caption(225), "无重");
    EXPECT_EQ(boxes.caption(301), "高中低");
    EXPECT_EQ(boxes.caption(530), "18");
    EXPECT_EQ(boxes.caption(1017), "全选");
    for (int tag : {0, -1, 280, 300, 531, 999, 1039})
        EXPECT_EQ(boxes.caption(tag), "") << tag;
}

TEST(BoxStates, TicksOutsideTheTaggedRangesAreIgnored) {
    BoxStates boxes;
    for (int tag : {0, -5, 531, 999, 1000, 1039, 1 << 30}) {
        boxes.setTicked(tag);
        EXPECT_FALSE(boxes.ticked(tag)) << tag;
    }
    EXPECT_EQ(boxes, BoxStates());
    boxes.setTicked(1038);
    boxes.setTicked(530);
    EXPECT_TRUE(boxes.ticked(1038));
    EXPECT_FALSE(boxes.ticked(1037));
    EXPECT_NE(boxes, BoxStates());
}

TEST(BoxStates, EqualityComparesCaptionsByContent) {
    auto captions = std::make_shared<BoxStates::Captions>(BoxStates::kSlotCount);
    for (int tag = 1; tag <= kExtraTags.last; ++tag)
        (*captions)[static_cast<std::size_t>(BoxStates::slotOf(tag))] = BoxStates().caption(tag);
    for (int tag = kToggleTags.first; tag <= kToggleTags.last; ++tag)
        (*captions)[static_cast<std::size_t>(BoxStates::slotOf(tag))] = "全选";
    EXPECT_EQ(BoxStates(captions), BoxStates());
    (*captions)[1] = "x";
    EXPECT_NE(BoxStates(captions), BoxStates());
}

TEST(FilterSettings, CopiesCompareAsValues) {
    FilterSettings settings;
    settings.boxes.setTicked(55);
    settings.setChecked(Check::ExtraEnabled);
    settings.baseList = "123 456";
    FilterSettings copy = settings;
    EXPECT_EQ(copy, settings);
    copy.setChecked(Check::IncludePairs);
    EXPECT_NE(copy, settings);
    copy = settings;
    copy.boxes.setTicked(55, false);
    EXPECT_NE(copy, settings);
}

}  // namespace
}  // namespace suoshui
