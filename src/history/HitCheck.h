#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/LotteryNumber.h"
#include "engine/NumberType.h"

namespace suoshui {

// The prizes of a bet of 2 元 in 福彩3D and 排列3, one line per way of winning.
enum class PrizeKind { Direct, GroupThree, GroupSix };

struct Prize {
    PrizeKind kind;
    std::string_view name;
    int yuan;
};

inline constexpr int kBetCostYuan = 2;
inline constexpr Prize kPrizes[] = {
    {PrizeKind::Direct, "直选", 1040},
    {PrizeKind::GroupThree, "组三", 346},
    {PrizeKind::GroupSix, "组六", 173},
};

const Prize& prizeOf(PrizeKind kind);

// A drawn number against a result list, bet as the number type listed it: direct numbers win
// when the very number is listed; group forms win when the drawn number's group is listed, as
// 组三 or 组六. A 豹子 never wins a group bet.
struct HitCheck {
    int drawn = 0;
    std::size_t bets = 0;
    bool groupBets = false;          // the list holds group forms
    std::size_t winningBets = 0;     // listed entries that win
    std::optional<PrizeKind> prize;  // how they win
    long long costYuan() const { return static_cast<long long>(bets) * kBetCostYuan; }
    long long prizeYuan() const;
    long long balanceYuan() const { return prizeYuan() - costYuan(); }
};

HitCheck checkHit(const NumberList& results, NumberType listedAs, int drawn);

// "直选中奖 1040 元；投注 63 注，花费 126 元，盈亏 +914 元"
std::string hitCheckText(const HitCheck& check);

}  // namespace suoshui
