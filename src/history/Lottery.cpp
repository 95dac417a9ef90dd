#include "history/Lottery.h"

#include <algorithm>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

std::size_t issueLength(Lottery lottery) {
    return lottery == Lottery::Fucai3D ? 7 : 5;
}

}  // namespace

std::string_view lotteryName(Lottery lottery) {
    return lottery == Lottery::Fucai3D ? "福彩3D" : "排列3";
}

std::optional<Lottery> lotteryNamed(std::string_view name) {
    for (Lottery lottery : kLotteries) {
        if (lotteryName(lottery) == name)
            return lottery;
    }
    return std::nullopt;
}

bool issueFitsLottery(std::string_view issue, Lottery lottery) {
    return issue.size() == issueLength(lottery) &&
           std::all_of(issue.begin(), issue.end(), isAsciiDigit);
}

std::optional<Lottery> lotteryOfIssue(std::string_view issue) {
    for (Lottery lottery : kLotteries) {
        if (issueFitsLottery(issue, lottery))
            return lottery;
    }
    return std::nullopt;
}

}  // namespace suoshui
