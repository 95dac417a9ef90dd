#include "history/DrawMerge.h"

#include <algorithm>
#include <unordered_map>

#include "engine/LotteryNumber.h"

namespace suoshui {

namespace {

// Newest first: issues of one form compare as numbers when they are compared as texts of one
// length; a longer issue is the newer.
bool newerIssue(const Draw& left, const Draw& right) {
    if (left.issue.size() != right.issue.size())
        return left.issue.size() > right.issue.size();
    return left.issue > right.issue;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string count(std::size_t value) {
    return std::to_string(value);
}

}  // namespace

DrawMerge mergeDraws(const DrawHistory& kept, const DrawHistory& read) {
    DrawMerge merge;
    // Each issue with the draw that holds it: a kept one, or one added earlier in this reading.
    std::unordered_map<std::string, Draw> byIssue;
    for (const Draw& draw : kept) {
        if (!draw.issue.empty())
            byIssue.emplace(draw.issue, draw);
    }
    for (const Draw& draw : read) {
        if (draw.issue.empty())
            continue;
        const auto [found, isNew] = byIssue.emplace(draw.issue, draw);
        if (isNew)
            merge.added.push_back(draw);
        else if (found->second.number == draw.number)
            ++merge.alreadyKept;
        else
            merge.conflicts.push_back({found->second, draw, 0});
    }
    std::stable_sort(merge.added.begin(), merge.added.end(), newerIssue);
    merge.history = kept;
    merge.history.insert(merge.history.end(), merge.added.begin(), merge.added.end());
    std::stable_sort(merge.history.begin(), merge.history.end(), newerIssue);
    return merge;
}

bool lacksIssueNumbers(const DrawHistory& read) {
    return std::any_of(read.begin(), read.end(),
                       [](const Draw& draw) { return draw.issue.empty(); });
}

std::optional<Lottery> lotteryOfDraws(const DrawHistory& read) {
    std::size_t fucai = 0, pailie = 0;
    for (const Draw& draw : read) {
        const std::optional<Lottery> lottery = lotteryOfIssue(draw.issue);
        fucai += lottery == Lottery::Fucai3D ? 1u : 0u;
        pailie += lottery == Lottery::Pailie3 ? 1u : 0u;
    }
    if (fucai == 0 && pailie == 0)
        return std::nullopt;
    return fucai >= pailie ? Lottery::Fucai3D : Lottery::Pailie3;
}

std::size_t lineOfIssue(std::string_view text, std::string_view issue) {
    std::size_t line = 1;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view content = text.substr(start, end - start);
        for (std::size_t at = content.find(issue); at != std::string_view::npos;
             at = content.find(issue, at + 1)) {
            // The issue as a whole run of digits, not part of a longer one.
            const bool digitBefore = at > 0 && isDigit(content[at - 1]);
            const std::size_t after = at + issue.size();
            const bool digitAfter = after < content.size() && isDigit(content[after]);
            if (!digitBefore && !digitAfter)
                return line;
        }
        start = end + 1;
        ++line;
    }
    return 0;
}

std::string mergeText(const DrawMerge& merge) {
    std::string text =
        "新增 " + count(merge.added.size()) + " 期，已有 " + count(merge.alreadyKept) + " 期";
    if (!merge.conflicts.empty()) {
        text += "，冲突 " + count(merge.conflicts.size()) + " 期";
        std::string lines;
        for (const DrawConflict& conflict : merge.conflicts) {
            if (conflict.line > 0)
                lines += (lines.empty() ? "" : "、") + count(conflict.line);
        }
        if (!lines.empty())
            text += "（第 " + lines + " 行）";
    }
    if (!merge.added.empty())
        text += "，最新 " + merge.history.front().issue;
    for (const DrawConflict& conflict : merge.conflicts)
        text += "；" + conflictText(conflict);
    return text;
}

std::string conflictText(const DrawConflict& conflict) {
    return "期号 " + conflict.kept.issue + " 已存为 " + numberText(conflict.kept.number) +
           "，这次读到 " + numberText(conflict.read.number) + "：未改";
}

}  // namespace suoshui
