#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "history/DrawHistory.h"

namespace suoshui {

// A count that may begin before the first draw kept: then it is at least `value`, written "≥".
struct BoundedCount {
    std::size_t value = 0;
    bool atLeast = false;

    bool operator==(const BoundedCount&) const = default;
};

// "12", or "≥12" for a lower bound.
std::string boundedCountText(const BoundedCount& count);

// The ten digits of the three positions (百位, 十位, 个位), each a column of the trend chart.
inline constexpr std::size_t kPositions = 3;
inline constexpr std::size_t kDigits = 10;
template <typename T>
using PerPositionDigit = std::array<std::array<T, kDigits>, kPositions>;

// One row of the trend chart: a draw and the omission of every digit of every position at it
// (0 for the digit drawn), counted in draws since the digit last came.
struct TrendRow {
    const Draw* draw = nullptr;
    std::array<int, kPositions> digits{};
    PerPositionDigit<BoundedCount> omission{};
};

// What a column shows under the draws: over the draws shown, how often the digit came, the
// mean of the gaps between its appearances (those before the first and after the last
// included: (shown - appearances) / (appearances + 1)), the longest gap, the longest run of
// appearances in a row, and the draws since it last came. A gap that runs back to the first
// draw shown is a lower bound.
struct TrendColumnStatistics {
    std::size_t appearances = 0;
    double meanOmission = 0.0;
    BoundedCount longestOmission;
    std::size_t longestRun = 0;
    BoundedCount currentOmission;
};

// The rows of the draws shown, oldest first, and the statistics of every column. `history`
// is newest first, as kept; `shown` is how many of the newest draws the chart shows (all of them
// when larger). The omission of a row counts back through the whole history, not only the
// draws shown.
struct TrendCounts {
    std::vector<TrendRow> rows;  // oldest first
    PerPositionDigit<TrendColumnStatistics> statistics{};
};
TrendCounts trendCounts(const DrawHistory& history, std::size_t shown);

// 冷热: for every position and digit, how often it came in the newest 10, 30 and 100 draws, its
// current omission and its longest omission over the whole history.
struct HotCold {
    std::array<std::size_t, 3> inNewest{};  // 10, 30, 100
    BoundedCount currentOmission;
    BoundedCount longestOmission;
};
inline constexpr std::array<std::size_t, 3> kHotColdSpans = {10, 30, 100};
PerPositionDigit<HotCold> hotCold(const DrawHistory& history);

}  // namespace suoshui
