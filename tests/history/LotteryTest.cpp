#include "history/Lottery.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

TEST(LotteryTest, NamesRoundTrip) {
    for (Lottery lottery : kLotteries)
        EXPECT_EQ(lotteryNamed(lotteryName(lottery)), lottery);
    EXPECT_EQ(lotteryNamed("福彩 3D"), std::nullopt);
}

TEST(LotteryTest, IssueFormTellsTheLottery) {
    EXPECT_EQ(lotteryOfIssue("2026232"), Lottery::Fucai3D);
    EXPECT_EQ(lotteryOfIssue("26232"), Lottery::Pailie3);
    for (const char* neither : {"", "262321", "202623", "2026a32", "２６２３２", "26 232"})
        EXPECT_EQ(lotteryOfIssue(neither), std::nullopt) << neither;
}

}  // namespace
}  // namespace suoshui
