#pragma once

#include <string>

#include "history/Backtest.h"

namespace suoshui {

// The backtest in words: "最近 100 期保留 23 期（23.0%）；这些条件保留 1000 个号码中的 180 个
// （18.0%），随机选号平均也能保留这么多；当前连中 2 期，最长连中 5 期，最长连空 9 期".
std::string backtestSummaryText(const BacktestResult& result, bool wholeHistory);

// Why a draw would not have been listed: "不在候选号码中；和值、跨度不符"; "会被选中"
// when it would.
std::string fateText(const NumberFate& fate);

// "23.0%"
std::string percentText(double share);

}  // namespace suoshui
