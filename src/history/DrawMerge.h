#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/DrawHistory.h"
#include "history/Lottery.h"

namespace suoshui {

// A draw read again under an issue the history already keeps with another number: the kept
// one stays.
struct DrawConflict {
    Draw kept;
    Draw read;
    std::size_t line = 0;  // 1-based line of the text it came from; 0 when not known
};

// What adding read draws to a kept history does: the new issues are added, an issue kept with
// the same number is already there, one kept with another number is left as kept.
struct DrawMerge {
    DrawHistory history;  // the kept draws and the added ones, newest first
    DrawHistory added;    // newest first
    std::size_t alreadyKept = 0;
    std::vector<DrawConflict> conflicts;
};

// Adds the draws with issue numbers; draws without one cannot be matched and are left out (see
// lacksIssueNumbers).
DrawMerge mergeDraws(const DrawHistory& kept, const DrawHistory& read);

// Whether any read draw has no issue number, so that it cannot be matched with kept ones.
bool lacksIssueNumbers(const DrawHistory& read);

// The lottery whose issue form most read draws have; nothing when no issue has either form.
std::optional<Lottery> lotteryOfDraws(const DrawHistory& read);

// The line of the text where the issue first stands, 1-based; 0 when it does not.
std::size_t lineOfIssue(std::string_view text, std::string_view issue);

// What an addition did, in the player's words: "新增 12 期，已有 71 期，冲突 1 期（第 4 行）", then
// each conflict: "期号 2026232 已存为 658，这次读到 659：未改".
std::string mergeText(const DrawMerge& merge);
// One conflict: "期号 2026232 已存为 658，这次读到 659：未改".
std::string conflictText(const DrawConflict& conflict);

}  // namespace suoshui
