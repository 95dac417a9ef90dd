#include "history/HitCheck.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

struct HitCase {
    const char* name;
    NumberType listedAs;
    NumberList results;
    int drawn;
    std::optional<PrizeKind> prize;
    long long balance;
};

class HitCheckTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitCheckTest, PrizeAndBalance) {
    const HitCase& c = GetParam();
    const HitCheck check = checkHit(c.results, c.listedAs, c.drawn);
    EXPECT_EQ(check.prize, c.prize);
    EXPECT_EQ(check.costYuan(), static_cast<long long>(c.results.size()) * 2);
    EXPECT_EQ(check.balanceYuan(), c.balance);
}

INSTANTIATE_TEST_SUITE_P(
    Types, HitCheckTest,
    ::testing::Values(
        HitCase{"DirectHit", NumberType::Direct, {"123", "658"}, 658, PrizeKind::Direct, 1036},
        HitCase{"DirectOtherOrderMisses", NumberType::Direct, {"568", "586"}, 658, {}, -4},
        HitCase{"DirectSixHit", NumberType::DirectSix, {"658"}, 658, PrizeKind::Direct, 1038},
        HitCase{"DirectThreeHit",
                NumberType::DirectThree,
                {"121", "112"},
                121,
                PrizeKind::Direct,
                1036},
        HitCase{"DirectTripleHit", NumberType::Direct, {"555"}, 555, PrizeKind::Direct, 1038},
        HitCase{"GroupSixHit", NumberType::Group, {"568", "112"}, 658, PrizeKind::GroupSix, 169},
        HitCase{
            "GroupThreeHit", NumberType::Group, {"568", "112"}, 121, PrizeKind::GroupThree, 342},
        HitCase{"GroupSixTypeHit", NumberType::GroupSix, {"047"}, 740, PrizeKind::GroupSix, 171},
        HitCase{
            "GroupThreeTypeHit", NumberType::GroupThree, {"337"}, 733, PrizeKind::GroupThree, 344},
        HitCase{"GroupMiss", NumberType::Group, {"568"}, 657, {}, -2},
        HitCase{"TripleNeverWinsGroup", NumberType::Group, {"555", "568"}, 555, {}, -4},
        HitCase{"NoResults", NumberType::Direct, {}, 658, {}, 0}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(HitCheckTextTest, SaysPrizeBetsCostAndBalance) {
    EXPECT_EQ(hitCheckText(checkHit({"123", "658"}, NumberType::Direct, 658)),
              "直选中奖 1040 元；投注 2 注直选，花费 4 元，盈亏 +1036 元");
    EXPECT_EQ(hitCheckText(checkHit({"568"}, NumberType::GroupSix, 865)),
              "组六中奖 173 元；投注 1 注组选，花费 2 元，盈亏 +171 元");
    EXPECT_EQ(hitCheckText(checkHit({"568"}, NumberType::Group, 555)),
              "未中奖（豹子不中组选）；投注 1 注组选，花费 2 元，盈亏 -2 元");
    EXPECT_EQ(hitCheckText(checkHit({}, NumberType::Group, 555)), "没有选号结果可核对");
}

}  // namespace
}  // namespace suoshui
