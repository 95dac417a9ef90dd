#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "features/ConditionTable.h"
#include "history/DrawHistory.h"

namespace suoshui {

// How one value of a condition group has come in a history.
struct ValueOmission {
    std::size_t current = 0;     // draws since it last came: 0 when in the newest draw, the
                                 // whole history when never
    std::size_t longest = 0;     // the longest stretch of draws without it
    std::size_t recentHits = 0;  // draws among the newest kRecentDraws that gave it
    bool seen = false;           // it came in some draw of the history
    // The longest stretch is the one before its oldest appearance, which began before the first
    // draw kept: the true stretch may be longer.
    bool longestOpen = false;
};

inline constexpr std::size_t kRecentDraws = 100;

// Whether each number has one value of the group's feature, one box at most: the positions,
// 和尾, 跨度, 和值, the patterns and ratios, 连号, 高低形态 and the extra stage's plain groups.
bool hasOneValuePerNumber(const ConditionGroup& group);

// The omission of every value box of those groups over a history, by tag.
class OmissionCounts {
  public:
    explicit OmissionCounts(const DrawHistory& history);

    // nullptr for a tag that is no value box of those groups.
    const ValueOmission* of(int tag) const;
    // The draws the recent hits are counted over: kRecentDraws, or fewer in a short history.
    std::size_t recentDraws() const { return std::min(drawCount_, kRecentDraws); }

  private:
    std::vector<ValueOmission> byTag_;
    std::vector<bool> counted_;
    std::size_t drawCount_ = 0;
};

// "遗漏 5 期，最大遗漏 23 期，近 100 期出现 12 次"; a longest stretch that began before the first
// draw kept is "最大遗漏 ≥ 23 期", and a value that never came "83 期内未出现".
std::string omissionText(const ValueOmission& omission, std::size_t recentDraws);

// The current omission as a box's corner shows it: "5", or "≥83" for a value that never came in
// the 83 draws kept.
std::string currentOmissionText(const ValueOmission& omission);

}  // namespace suoshui
