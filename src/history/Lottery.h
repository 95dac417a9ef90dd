#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace suoshui {

// The two lotteries whose draws a history keeps apart: both draw three digits, but on different
// days and under different issue numbers.
enum class Lottery {
    Fucai3D,  // "福彩3D": issues of seven digits, the year and the draw ("2026232")
    Pailie3,  // "排列3": issues of five digits, two of the year and three of the draw ("26232")
};

inline constexpr Lottery kLotteries[] = {Lottery::Fucai3D, Lottery::Pailie3};

// "福彩3D" or "排列3", as the window and the draw sources name them.
std::string_view lotteryName(Lottery lottery);
// The lottery of that name; nothing for any other text.
std::optional<Lottery> lotteryNamed(std::string_view name);

// Whether the issue has the lottery's form: seven or five ASCII digits.
bool issueFitsLottery(std::string_view issue, Lottery lottery);
// The lottery whose form the issue has; nothing for an issue of neither form.
std::optional<Lottery> lotteryOfIssue(std::string_view issue);

}  // namespace suoshui
