#include "history/TrendCounts.h"

#include <algorithm>

namespace suoshui {

namespace {

int digitAt(const Draw& draw, std::size_t position) {
    static constexpr int kPlace[] = {100, 10, 1};
    return draw.number / kPlace[position] % 10;
}

// Walks one column from the oldest draw to the newest: the gaps and runs of one digit.
class ColumnWalk {
  public:
    void draw(bool came) {
        if (came) {
            ++appearances_;
            ++run_;
            longestRun_ = std::max(longestRun_, run_);
            seen_ = true;
            gap_ = 0;
            return;
        }
        run_ = 0;
        ++gap_;
        // A gap before the first appearance runs back past the first draw walked.
        if (gap_ > longestGap_.value || (gap_ == longestGap_.value && !seen_))
            longestGap_ = {gap_, !seen_};
    }
    BoundedCount current() const { return {gap_, !seen_}; }
    BoundedCount longestGap() const { return longestGap_; }
    std::size_t appearances() const { return appearances_; }
    std::size_t longestRun() const { return longestRun_; }

  private:
    std::size_t appearances_ = 0;
    std::size_t run_ = 0;
    std::size_t longestRun_ = 0;
    std::size_t gap_ = 0;
    bool seen_ = false;
    BoundedCount longestGap_;
};

}  // namespace

TrendCounts trendCounts(const DrawHistory& history, std::size_t shown) {
    shown = std::min(shown, history.size());
    TrendCounts counts;
    counts.rows.reserve(shown);
    PerPositionDigit<ColumnWalk> whole{}, inShown{};
    // Oldest first through the whole history; the rows are the newest `shown`.
    for (std::size_t back = history.size(); back-- > 0;) {
        const Draw& draw = history[back];
        const bool isShown = back < shown;
        TrendRow row;
        row.draw = &draw;
        for (std::size_t position = 0; position < kPositions; ++position) {
            row.digits[position] = digitAt(draw, position);
            for (std::size_t digit = 0; digit < kDigits; ++digit) {
                const bool came = static_cast<int>(digit) == row.digits[position];
                whole[position][digit].draw(came);
                row.omission[position][digit] = whole[position][digit].current();
                if (isShown)
                    inShown[position][digit].draw(came);
            }
        }
        if (isShown)
            counts.rows.push_back(row);
    }
    for (std::size_t position = 0; position < kPositions; ++position) {
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            const ColumnWalk& walk = inShown[position][digit];
            TrendColumnStatistics& column = counts.statistics[position][digit];
            column.appearances = walk.appearances();
            column.meanOmission = static_cast<double>(shown - walk.appearances()) /
                                  static_cast<double>(walk.appearances() + 1);
            column.longestOmission = walk.longestGap();
            column.longestRun = walk.longestRun();
            column.currentOmission = walk.current();
        }
    }
    return counts;
}

PerPositionDigit<HotCold> hotCold(const DrawHistory& history) {
    PerPositionDigit<HotCold> table{};
    PerPositionDigit<ColumnWalk> whole{};
    for (std::size_t back = history.size(); back-- > 0;) {
        for (std::size_t position = 0; position < kPositions; ++position) {
            const int drawn = digitAt(history[back], position);
            for (std::size_t digit = 0; digit < kDigits; ++digit) {
                const bool came = static_cast<int>(digit) == drawn;
                whole[position][digit].draw(came);
                for (std::size_t span = 0; span < kHotColdSpans.size(); ++span)
                    table[position][digit].inNewest[span] += came && back < kHotColdSpans[span];
            }
        }
    }
    for (std::size_t position = 0; position < kPositions; ++position) {
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            table[position][digit].currentOmission = whole[position][digit].current();
            table[position][digit].longestOmission = whole[position][digit].longestGap();
        }
    }
    return table;
}

std::string boundedCountText(const BoundedCount& count) {
    return (count.atLeast ? "≥" : "") + std::to_string(count.value);
}

}  // namespace suoshui
