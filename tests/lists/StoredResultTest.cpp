#include "lists/StoredResult.h"

#include <gtest/gtest.h>

#include "support/MemoryControls.h"

namespace suoshui {
namespace {

class StoreResult : public ::testing::Test {
  protected:
    void store(const std::string& report) {
        controls.setText(TextBox::Result, report);
        storeResult(controls, session);
    }
    std::string baseList() const { return controls.text(TextBox::BaseList); }

    testing::MemoryControls controls;
    Session session;
};

const std::string kFlatReport =
    "符合条件的号码共有3注\r\n123 456 789 \r\n\r\n条件：百位：1 4 7 注意";

TEST_F(StoreResult, FirstStoreReplacesTheHint) {
    store(kFlatReport);
    EXPECT_EQ(baseList(), "123 456 789 ");
    EXPECT_TRUE(session.baseListStored);
}

TEST_F(StoreResult, LaterStoresAppend) {
    store(kFlatReport);
    store("符合条件的号码共有1注\r\n555 \r\n");
    EXPECT_EQ(baseList(), "123 456 789 555 ");
}

TEST_F(StoreResult, FirstStoreKeepsWhatThePlayerTyped) {
    controls.setText(TextBox::BaseList, "111 222 ");
    store(kFlatReport);
    EXPECT_EQ(baseList(), "111 222 123 456 789 ");
}

TEST_F(StoreResult, IntersectionOfOneListingAppendsNothing) {
    controls.setChecked(Check::Intersect, true);
    controls.setText(TextBox::BaseList, "111 ");
    store(kFlatReport);
    EXPECT_EQ(baseList(), "111 ");
}

TEST_F(StoreResult, GroupedReportStoresOnlyTheFirstHeader) {
    store("符合条件的号码共有200注\r\n和尾0的有100注\r\n190 280 \r\n和尾1的有100注\r\n");
    EXPECT_EQ(baseList(), "100 ");
}

TEST_F(StoreResult, EmptyResultStillClearsTheHint) {
    store("符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。");
    EXPECT_EQ(baseList(), "");
    EXPECT_TRUE(session.baseListStored);
}

TEST_F(StoreResult, EmptyPieceBetweenTwoMarksStillCounts) {
    store("0注注123");
    EXPECT_EQ(baseList(), "");
    EXPECT_TRUE(session.baseListStored);
}

struct IgnoredReport {
    const char* name;
    std::string report;
};

class StoreResultIgnores : public StoreResult,
                           public ::testing::WithParamInterface<IgnoredReport> {};

TEST_P(StoreResultIgnores, LeavesTheBaseListAlone) {
    store(GetParam().report);
    EXPECT_EQ(baseList(), testing::kBaseListHint);
    EXPECT_FALSE(session.baseListStored);
}

INSTANTIATE_TEST_SUITE_P(Reports, StoreResultIgnores,
                         ::testing::Values(IgnoredReport{"Empty", ""},
                                           IgnoredReport{"NoMark", "123 456 "},
                                           IgnoredReport{"NothingAfterMark", "共有3注"},
                                           // Half of the mark's bytes must not count as the mark.
                                           IgnoredReport{"PartialMarkBytes", "\xE6\xB3 123 "}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace suoshui
