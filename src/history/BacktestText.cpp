#include "history/BacktestText.h"

#include <cstdio>
#include <vector>

#include "features/ConditionCheck.h"
#include "features/ConditionTable.h"

namespace suoshui {

namespace {

std::string count(std::size_t value) {
    return std::to_string(value);
}

std::string joined(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : separator) + part;
    return text;
}

std::string rejectingGroupNames(std::uint64_t rejecting) {
    std::vector<std::string> names;
    for (const ConditionGroup* group : testedGroups()) {
        if ((rejecting & groupBit(*group)) != 0)
            names.emplace_back(group->name);
    }
    return joined(names, "、");
}

}  // namespace

std::string percentText(double share) {
    char text[16];
    std::snprintf(text, sizeof text, "%.1f%%", share * 100.0);
    return text;
}

std::string backtestSummaryText(const BacktestResult& result, bool wholeHistory) {
    std::string text = (wholeHistory ? "全部 " : "最近 ") + count(result.drawCount) + " 期保留 " +
                       count(result.kept) + " 期（" + percentText(result.keptShare()) + "）";
    text += "；这些条件保留 1000 个号码中的 " + std::to_string(result.numbersKept) + " 个（" +
            percentText(result.numberShare()) + "），随机选号平均也能保留这么多";
    if (result.drawCount == 0)
        return text;
    text += "；当前连" + std::string(result.currentRunKept ? "中 " : "空 ") +
            count(result.currentRun) + " 期，最长连中 " + count(result.longestKeptRun) +
            " 期，最长连空 " + count(result.longestRejectedRun) + " 期";
    return text;
}

std::string fateText(const NumberFate& fate) {
    if (fate.listed)
        return "会被选中";
    std::vector<std::string> reasons;
    if (!fate.candidate)
        reasons.emplace_back("不在候选号码中");
    if (!fate.typeFits)
        reasons.emplace_back("类型不符");
    if (fate.setsExclude)
        reasons.emplace_back("复式排除");
    if (fate.singleExcluded)
        reasons.emplace_back("单式排除");
    if (fate.rejectingGroups != 0)
        reasons.push_back(rejectingGroupNames(fate.rejectingGroups) + "不符");
    if (reasons.empty())
        reasons.emplace_back("同组的号码分别被不同的条件淘汰");
    return "被淘汰：" + joined(reasons, "；");
}

}  // namespace suoshui
