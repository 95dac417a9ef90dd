#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "engine/LotteryNumber.h"

namespace suoshui {

// The "结果分类：" choice: how the result numbers are listed under the count line.
enum class ResultGrouping {
    Flat,         // "常 规": one line
    BySum,        // "和 值"
    BySumTail,    // "和 尾"
    BySpan,       // "跨 度"
    ByParity,     // "奇偶比"
    BySizeRatio,  // "大小比"
};

// The "结果分类：" radios' captions.
inline constexpr std::array<std::pair<ResultGrouping, std::string_view>, 6> kGroupingCaptions = {{
    {ResultGrouping::Flat, "常 规"},
    {ResultGrouping::BySum, "和 值"},
    {ResultGrouping::BySumTail, "和 尾"},
    {ResultGrouping::BySpan, "跨 度"},
    {ResultGrouping::ByParity, "奇偶比"},
    {ResultGrouping::BySizeRatio, "大小比"},
}};

// The listing of the result numbers: one flat line, or one block per value of the sum, sum
// tail, span, odd-even ratio or big-small ratio.
std::string resultListing(ResultGrouping grouping, const NumberList& results);

}  // namespace suoshui
