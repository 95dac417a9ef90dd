#pragma once

#include <array>
#include <string>

#include "features/ConditionTable.h"
#include "features/FilterSettings.h"

namespace suoshui {

// Where a run's candidates went: each removed number is counted once, at the first step that
// removed it, so that the counts add up to the candidates.
struct RunTally {
    int candidates = 0;       // three-digit candidates walked
    int byNumberType = 0;     // of a kind the type does not list, or a group already listed
    int byExclusionSets = 0;  // "复式排除"
    std::array<int, kTestedGroupCount> byGroup{};  // by order - 1: the first group that failed
    int byTolerance = 0;  // with "容错": failed more or fewer groups than the range
    int bySingles = 0;    // "单式排除"
    int byThinning = 0;   // "条件随机"
    int kept = 0;
};

// What a run did, in words for the status line: "候选 1000 注 → 保留 63 注；和值 去掉 900，
// 跨度 去掉 37". With nothing kept, why: no candidates from the mode's inputs, a random count
// of none, or the step that removed the most.
std::string runStatusText(const RunTally& tally, const FilterSettings& settings);

// The "复式排除" boxes the run ignored because every exclusion text is three bytes or less
// ("复式排除 1、3"), or an empty text.
std::string ignoredExclusionSets(const FilterSettings& settings);

}  // namespace suoshui
