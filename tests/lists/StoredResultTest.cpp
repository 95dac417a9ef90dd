#include "lists/StoredResult.h"

#include <gtest/gtest.h>

#include "lists/ReportReading.h"

namespace suoshui {
namespace {

const std::string kFlatReport =
    "符合条件的号码共有3注\r\n123 456 789 \r\n\r\n条件：百位：1 4 7 注意";

std::optional<std::string> store(std::string_view report, std::string_view baseList,
                                 bool intersect = false) {
    return baseListAfterStore(report, baseList, {intersect, kDefaultIntersectCount, false});
}

TEST(StoreResult, AppendsTheListingToWhatever) {
    EXPECT_EQ(store(kFlatReport, ""), "123 456 789 ");
    EXPECT_EQ(store(kFlatReport, "111 222 "), "111 222 123 456 789 ");
    EXPECT_EQ(store("符合条件的号码共有1注\r\n555 \r\n", "123 456 789 "), "123 456 789 555 ");
}

TEST(StoreResult, ListOptionsApply) {
    EXPECT_EQ(store(kFlatReport, "111 ", true), "111 ");
    EXPECT_EQ(baseListAfterStore("共1注\r\n112 ", "", {false, 2, true}), "112 211 121  ");
}

TEST(StoreResult, GroupedReportStoresEveryNumberOfEveryGroup) {
    const char* grouped =
        "百位：1 \r\n符合条件的直选号    共有3注\r\n\r\n和尾0的有100注\r\n190 280 \r\n"
        "\r\n奇偶比为2:1的有1注\r\n123 \r\n";
    EXPECT_EQ(store(grouped, ""), "190 280 123 ");
}

TEST(StoreResult, EmptyResultAppendsNothing) {
    EXPECT_EQ(store("符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。", "1"), "1");
    EXPECT_EQ(store("0注注123", ""), "");
}

TEST(StoreResult, ReportsWithoutAListingStoreNothing) {
    // Half of the mark's bytes must not count as the mark.
    for (const char* report : {"", "123 456 ", "共有3注", "\xE6\xB3 123 "})
        EXPECT_EQ(store(report, "555"), std::nullopt) << report;
}

// Three saves into one file: a flat listing, a grouped one, and a result of none.
const std::string kSavedFile =
    "银罗盘排列3/3D选号缩水工具    V2.90 版\r\n\r\n2026年12月8日9时5分\r\n"
    "除三余：012 120 \r\n符合条件的直选号    共有120注\r\n123 124 125 \r\n"
    "\r\n2026年12月8日21时\r\n排除复式： 0123  \r\n符合条件的直选号    共有3注\r\n"
    "\r\n和尾0的有100注\r\n190 280 \r\n\r\n和尾6的有1注\r\n123 \r\n"
    "\r\n2027年1月1日\r\n符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。\r\n";

TEST(SavedFileListings, TakeOnlyTheNumbersOfEachListing) {
    EXPECT_EQ(savedFileListings(kSavedFile), "123 124 125 \r\n190 280 123 \r\n");
    EXPECT_EQ(savedFileListings("\xEF\xBB\xBF" + kSavedFile), savedFileListings(kSavedFile));
}

TEST(SavedFileListings, OtherFilesAreNotTheirs) {
    EXPECT_EQ(savedFileListings("2026年 123 456"), std::nullopt);
    EXPECT_EQ(savedFileListings(""), std::nullopt);
    EXPECT_EQ(savedFileListings("银罗盘排列3/3D选号缩水工具"), "");
}

}  // namespace
}  // namespace suoshui
