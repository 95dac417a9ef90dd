#include "history/HistoryLoadText.h"

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

constexpr std::size_t kListedLines = 10;
constexpr std::size_t kListedConflicts = 3;

std::string count(std::size_t value) {
    return std::to_string(value);
}

// "跳过 3 行：第 12、57、90 行", naming the first ten.
std::string skippedText(const ParsedHistory& parsed) {
    std::string text = "跳过 " + count(parsed.skippedCount) + " 行：第 ";
    for (std::size_t i = 0; i < parsed.skippedLines.size() && i < kListedLines; ++i)
        text += (i == 0 ? "" : "、") + count(parsed.skippedLines[i]);
    text += " 行";
    if (parsed.skippedCount > kListedLines)
        text += "等";
    return text;
}

// "期号 2026232 的号码不一致（第 5 行 658，第 9 行 659），都没有读入"
std::string conflictText(const ConflictingDraw& conflict) {
    std::string text = (conflict.byIssue ? "期号 " : "日期 ") + conflict.key + " 的号码不一致（";
    for (std::size_t i = 0; i < conflict.lines.size(); ++i) {
        text += (i == 0 ? "第 " : "，第 ") + count(conflict.lines[i]) + " 行 " +
                numberText(conflict.numbers[i]);
    }
    return text + "），都没有读入";
}

std::string conflictsText(const ParsedHistory& parsed) {
    std::string text;
    for (std::size_t i = 0; i < parsed.conflicts.size() && i < kListedConflicts; ++i)
        text += "；" + conflictText(parsed.conflicts[i]);
    if (parsed.conflicts.size() > kListedConflicts)
        text += "；另有 " + count(parsed.conflicts.size() - kListedConflicts) + " 期号码不一致";
    return text;
}

std::string orderText(const ParsedHistory& parsed) {
    const Draw& newest = parsed.draws.front();
    switch (parsed.order) {
        case DrawOrder::ByIssue:
            return "；按期号排列，最新一期 " + newest.issue;
        case DrawOrder::ByDate:
            return "；按日期排列，最新一期 " + newest.date;
        case DrawOrder::ByLines:
            break;
    }
    return parsed.linesNewestFirst ? "；按行的先后，第一行为最新一期"
                                   : "；按行的先后，最后一行为最新一期";
}

}  // namespace

std::string historyLoadText(const ParsedHistory& parsed) {
    std::string text;
    if (parsed.draws.empty()) {
        text = "没有读入开奖号码：" + parsed.failure;
        if (parsed.skippedCount > 0)
            text += "（" + skippedText(parsed) + "）";
        return text + conflictsText(parsed);
    }
    text = "读入 " + count(parsed.draws.size()) + " 期";
    if (parsed.skippedCount > 0)
        text += "，" + skippedText(parsed);
    if (parsed.repeats > 0)
        text += "，重复的 " + count(parsed.repeats) + " 行只算一次";
    return text + conflictsText(parsed) + orderText(parsed);
}

}  // namespace suoshui
