#include "history/Backtest.h"

#include <algorithm>

#include "features/ConditionCheck.h"
#include "features/ConditionTable.h"

namespace suoshui {

namespace {

void countRuns(BacktestResult& result) {
    std::size_t run = 0;
    for (std::size_t i = 0; i < result.fates.size(); ++i) {
        const bool kept = result.fates[i].listed;
        run = (i > 0 && result.fates[i - 1].listed == kept) ? run + 1 : 1;
        std::size_t& longest = kept ? result.longestKeptRun : result.longestRejectedRun;
        longest = std::max(longest, run);
        if (run == i + 1) {
            result.currentRun = run;
            result.currentRunKept = kept;
        }
    }
}

std::vector<ConditionKill> stepKills(const std::vector<NumberFate>& fates) {
    std::vector<ConditionKill> kills = {{"候选号码"}, {"类型"}, {"复式排除"}, {"单式排除"}};
    for (const NumberFate& fate : fates) {
        kills[0].draws += fate.candidate ? 0 : 1;
        kills[1].draws += fate.typeFits ? 0 : 1;
        kills[2].draws += fate.setsExclude ? 1 : 0;
        kills[3].draws += fate.singleExcluded ? 1 : 0;
    }
    std::erase_if(kills, [](const ConditionKill& kill) { return kill.draws == 0; });
    return kills;
}

std::vector<ConditionKill> groupKills(const FilterSettings& settings,
                                      const std::vector<NumberFate>& fates) {
    // Listed: the groups the player set (as "容错" counts them), and any other that rejected a
    // draw, such as one whose "包含" box rejects numbers with no box ticked.
    const std::uint64_t set = toleranceGroups(settings);
    std::vector<ConditionKill> kills;
    for (const ConditionGroup* group : testedGroups()) {
        const std::uint64_t bit = groupBit(*group);
        const auto rejected = std::count_if(
            fates.begin(), fates.end(),
            [bit](const NumberFate& fate) { return (fate.rejectingGroups & bit) != 0; });
        if (rejected > 0 || (set & bit) != 0)
            kills.push_back(
                {std::string(group->name), group->order, static_cast<std::size_t>(rejected)});
    }
    return kills;
}

}  // namespace

double BacktestResult::keptShare() const {
    return drawCount == 0 ? 0.0 : static_cast<double>(kept) / static_cast<double>(drawCount);
}

double BacktestResult::numberShare() const {
    return static_cast<double>(numbersKept) / kNumberCount;
}

BacktestResult backtest(const FilterSettings& settings, const DrawHistory& history,
                        std::size_t lastDraws) {
    const ListedNumbers rule(settings);
    BacktestResult result;
    result.drawCount = std::min(lastDraws, history.size());
    result.numbersKept = rule.keptCount();
    result.fates.reserve(result.drawCount);
    for (std::size_t i = 0; i < result.drawCount; ++i) {
        result.fates.push_back(rule.fateOf(history[i].number));
        if (result.fates.back().listed)
            ++result.kept;
    }
    countRuns(result);
    result.kills = stepKills(result.fates);
    std::vector<ConditionKill> groups = groupKills(settings, result.fates);
    result.kills.insert(result.kills.end(), groups.begin(), groups.end());
    std::stable_sort(
        result.kills.begin(), result.kills.end(),
        [](const ConditionKill& a, const ConditionKill& b) { return a.draws > b.draws; });
    return result;
}

}  // namespace suoshui
