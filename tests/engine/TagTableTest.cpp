#include "engine/TagTable.h"

#include <gtest/gtest.h>

#include <map>

#include "features/WindowTable.h"
#include "support/WindowControls.h"

namespace suoshui {
namespace {

using testing::MemoryControls;

TEST(WindowBoxes, EveryValueTagIsCarriedOnceExceptTheDoubled226) {
    std::map<int, int> boxesPerTag;
    for (const WindowBox& box : windowBoxes())
        ++boxesPerTag[box.tag];
    for (int tag = 1; tag <= 530; ++tag) {
        const bool valueTag = tag <= 279 || tag >= 301;
        const int expected = !valueTag ? 0 : (tag == 226 ? 2 : 1);
        EXPECT_EQ(boxesPerTag[tag], expected) << "tag " << tag;
    }
    for (int tag = 1001; tag <= 1038; ++tag)
        EXPECT_EQ(boxesPerTag[tag], 1) << "toggle " << tag;
    EXPECT_EQ(boxesPerTag[999], 1);
}

TEST(WindowBoxes, StrayFourComesBeforeTheRepeatBox) {
    std::vector<std::string_view> captionsOf226;
    for (const WindowBox& box : windowBoxes()) {
        if (box.tag == 226)
            captionsOf226.push_back(box.caption);
    }
    ASSERT_EQ(captionsOf226.size(), 2u);
    EXPECT_EQ(captionsOf226[0], "4");
    EXPECT_EQ(captionsOf226[1], "一重");
}

TEST(WindowBoxes, TogglesAndRelayHaveTheirCaptions) {
    auto controls = testing::makeWindowControls();
    EXPECT_EQ(controls->findTag(1017)->caption(), "全选");
    EXPECT_EQ(controls->findTag(999)->caption(), "0");
}

TEST(TagTable, BuildsFromTheWindowAndResolves226ToTheStrayBox) {
    auto controls = testing::makeWindowControls();
    TagTable table;
    buildTagTable(*controls, table);
    EXPECT_TRUE(table.built());
    EXPECT_EQ(table.caption(1), "1");
    EXPECT_EQ(table.caption(10), "0");
    EXPECT_EQ(table.caption(226), "4");
    EXPECT_EQ(table.caption(225), "无重");
    EXPECT_EQ(table.caption(301), "高中低");
    EXPECT_EQ(table.caption(530), "18");
    controls->tick(300 + 17);
    EXPECT_TRUE(table.ticked(317));
}

TEST(TagTable, LookupOutsideTheTaggedRangesThrows) {
    auto controls = testing::makeWindowControls();
    TagTable table;
    buildTagTable(*controls, table);
    for (int tag : {0, -1, 280, 300, 531, 999, 1001})
        EXPECT_THROW(table.box(tag), TagNotFound) << tag;
}

TEST(TagTable, UnbuiltTableThrows) {
    TagTable table;
    EXPECT_THROW(table.box(1), TagNotFound);
}

TEST(TagTable, MissingTagFailsWithTheMessageAndTheTag) {
    MemoryControls controls;
    for (int tag = 1; tag <= 279; ++tag)
        controls.addBox(tag, "x");
    TagTable table;
    try {
        buildTagTable(controls, table);
        FAIL() << "expected TagNotFound";
    } catch (const TagNotFound& error) {
        EXPECT_STREQ(error.what(), "未找到指定标记的组件");
        EXPECT_EQ(error.tag(), 301);
    }
}

}  // namespace
}  // namespace suoshui
