#include "lists/StoredResult.h"

#include <gtest/gtest.h>

#include "lists/InputHints.h"

namespace suoshui {
namespace {

const std::string kFlatReport =
    "符合条件的号码共有3注\r\n123 456 789 \r\n\r\n条件：百位：1 4 7 注意";

std::optional<std::string> store(std::string_view report, std::string_view baseList,
                                 bool firstStore = false, bool intersect = false) {
    return baseListAfterStore(report, baseList, firstStore, intersect, false);
}

TEST(StoreResult, FirstStoreReplacesOnlyTheUntouchedHint) {
    EXPECT_EQ(store(kFlatReport, kBaseListHint, true), "123 456 789 ");
    EXPECT_EQ(store(kFlatReport, "111 222 ", true), "111 222 123 456 789 ");
    EXPECT_EQ(store(kFlatReport, kBaseListHint, false),
              std::string(kBaseListHint) + "123 456 789 ");
}

TEST(StoreResult, LaterStoresAppend) {
    EXPECT_EQ(store("符合条件的号码共有1注\r\n555 \r\n", "123 456 789 "), "123 456 789 555 ");
}

TEST(StoreResult, IntersectionOfOneListingAppendsNothing) {
    EXPECT_EQ(store(kFlatReport, "111 ", false, true), "111 ");
}

TEST(StoreResult, GroupExpansionOfTheListing) {
    EXPECT_EQ(baseListAfterStore("共1注\r\n112 ", "", false, false, true), "112 211 121  ");
}

TEST(StoreResult, GroupedReportStoresOnlyTheFirstHeader) {
    EXPECT_EQ(
        store("符合条件的号码共有200注\r\n和尾0的有100注\r\n190 280 \r\n和尾1的有100注\r\n", ""),
        "100 ");
}

TEST(StoreResult, EmptyResultStillClearsTheHint) {
    EXPECT_EQ(store("符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。",
                    kBaseListHint, true),
              "");
    EXPECT_EQ(store("0注注123", kBaseListHint, true), "");
}

TEST(StoreResult, ReportsWithoutAListingStoreNothing) {
    // Half of the mark's bytes must not count as the mark.
    for (const char* report : {"", "123 456 ", "共有3注", "\xE6\xB3 123 "})
        EXPECT_EQ(store(report, kBaseListHint, true), std::nullopt) << report;
}

}  // namespace
}  // namespace suoshui
