#include "history/HitCheck.h"

#include <algorithm>

namespace suoshui {

namespace {

std::optional<PrizeKind> groupPrizeOf(GroupKind kind) {
    switch (kind) {
        case GroupKind::GroupThree:
            return PrizeKind::GroupThree;
        case GroupKind::GroupSix:
            return PrizeKind::GroupSix;
        case GroupKind::Triple:
            break;
    }
    return std::nullopt;
}

std::string signedYuan(long long yuan) {
    std::string text = yuan > 0 ? "+" : "";
    text += std::to_string(yuan);
    return text + " 元";
}

}  // namespace

const Prize& prizeOf(PrizeKind kind) {
    return *std::find_if(std::begin(kPrizes), std::end(kPrizes),
                         [kind](const Prize& prize) { return prize.kind == kind; });
}

long long HitCheck::prizeYuan() const {
    return prize ? static_cast<long long>(winningBets) * prizeOf(*prize).yuan : 0;
}

HitCheck checkHit(const NumberList& results, NumberType listedAs, int drawn) {
    HitCheck check;
    check.drawn = drawn;
    check.bets = results.size();
    check.groupBets = isGroupSelection(listedAs);
    const std::string number = numberText(drawn);
    const std::optional<PrizeKind> prize =
        check.groupBets ? groupPrizeOf(groupKind(number)) : PrizeKind::Direct;
    if (!prize)
        return check;
    const std::string winner = check.groupBets ? groupForm(number) : number;
    check.winningBets =
        static_cast<std::size_t>(std::count(results.begin(), results.end(), winner));
    if (check.winningBets > 0)
        check.prize = prize;
    return check;
}

std::string hitCheckText(const HitCheck& check) {
    if (check.bets == 0)
        return "没有选号结果可核对";
    const bool tripleAgainstGroups =
        check.groupBets && groupKind(numberText(check.drawn)) == GroupKind::Triple;
    std::string text;
    if (check.prize)
        text = std::string(prizeOf(*check.prize).name) + "中奖 " +
               std::to_string(check.prizeYuan()) + " 元";
    else
        text = tripleAgainstGroups ? "未中奖（豹子不中组选）" : "未中奖";
    return text + "；投注 " + std::to_string(check.bets) + " 注" +
           (check.groupBets ? "组选" : "直选") + "，花费 " + std::to_string(check.costYuan()) +
           " 元，盈亏 " + signedYuan(check.balanceYuan());
}

}  // namespace suoshui
