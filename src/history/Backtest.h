#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "features/FilterSettings.h"
#include "history/DrawHistory.h"
#include "run/Survival.h"

namespace suoshui {

// One step of the filter and how many of the backtested draws it rejects on its own: a
// condition group with boxes ticked, or a step before the conditions ("候选号码", "类型",
// "复式排除", "单式排除") when it rejects any.
struct ConditionKill {
    std::string name;
    int order = 0;  // the group's order, 0 for the steps before the conditions
    std::size_t draws = 0;
};

// The newest draws of a history judged by the current settings, as a run would have listed
// them; the random thinning of "条件随机" is left out.
struct BacktestResult {
    std::size_t drawCount = 0;      // the draws judged: the newest ones
    std::vector<NumberFate> fates;  // one per judged draw, newest first
    std::size_t kept = 0;           // draws the run would have listed
    int numbersKept = 0;            // of the thousand numbers: the no-skill rate's count
    std::size_t currentRun = 0;     // the newest draws all kept, or all rejected
    bool currentRunKept = false;
    std::size_t longestKeptRun = 0;
    std::size_t longestRejectedRun = 0;
    std::vector<ConditionKill> kills;  // the most rejecting first

    double keptShare() const;
    double numberShare() const;
};

inline constexpr std::size_t kAllDraws = std::numeric_limits<std::size_t>::max();

// The newest `lastDraws` draws (all of them when the history is shorter).
BacktestResult backtest(const FilterSettings& settings, const DrawHistory& history,
                        std::size_t lastDraws);

}  // namespace suoshui
