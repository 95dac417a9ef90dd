#include "history/TrendCounts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "history/HistoryParser.h"

namespace suoshui {
namespace {

int digitOf(const Draw& draw, std::size_t position) {
    return position == 0   ? draw.number / 100
           : position == 1 ? draw.number / 10 % 10
                           : draw.number % 10;
}

// The omission of a digit at the draw `at` (newest first), counted by walking back to it.
BoundedCount omissionByWalkingBack(const DrawHistory& history, std::size_t at, std::size_t position,
                                   int digit) {
    for (std::size_t back = at; back < history.size(); ++back) {
        if (digitOf(history[back], position) == digit)
            return {back - at, false};
    }
    return {history.size() - at, true};
}

// Checks every cell and every statistic against counts made the plain way.
void expectCountsOfTheDraws(const DrawHistory& history, std::size_t shown) {
    const TrendCounts counts = trendCounts(history, shown);
    shown = std::min(shown, history.size());
    ASSERT_EQ(counts.rows.size(), shown);
    for (std::size_t row = 0; row < shown; ++row) {
        const std::size_t at = shown - 1 - row;  // rows are oldest first
        EXPECT_EQ(counts.rows[row].draw, &history[at]);
        for (std::size_t position = 0; position < kPositions; ++position) {
            for (int digit = 0; digit < 10; ++digit)
                EXPECT_EQ(counts.rows[row].omission[position][static_cast<std::size_t>(digit)],
                          omissionByWalkingBack(history, at, position, digit))
                    << "row " << row << " position " << position << " digit " << digit;
        }
    }
    for (std::size_t position = 0; position < kPositions; ++position) {
        for (int digit = 0; digit < 10; ++digit) {
            std::vector<bool> came;  // oldest first, the draws shown
            for (std::size_t at = shown; at-- > 0;)
                came.push_back(digitOf(history[at], position) == digit);
            std::size_t appearances = 0, run = 0, longestRun = 0, gap = 0;
            BoundedCount longest;
            bool seen = false;
            for (bool c : came) {
                appearances += c;
                run = c ? run + 1 : 0;
                longestRun = std::max(longestRun, run);
                gap = c ? 0 : gap + 1;
                seen = seen || c;
                if (!c && (gap > longest.value || (gap == longest.value && !seen)))
                    longest = {gap, !seen};
            }
            const TrendColumnStatistics& column =
                counts.statistics[position][static_cast<std::size_t>(digit)];
            EXPECT_EQ(column.appearances, appearances);
            EXPECT_EQ(column.longestRun, longestRun);
            EXPECT_EQ(column.longestOmission, longest);
            EXPECT_EQ(column.currentOmission, (BoundedCount{gap, !seen}));
            EXPECT_DOUBLE_EQ(column.meanOmission, static_cast<double>(shown - appearances) /
                                                      static_cast<double>(appearances + 1));
        }
    }
}

DrawHistory realDraws() {
    std::ifstream file(std::string(SUOSHUI_HISTORY_DATA) + "/fc3d-2002-first-100.csv");
    std::stringstream text;
    text << file.rdbuf();
    return parseHistory(text.str()).draws;
}

TEST(TrendCounts, HandMadeHistory) {
    // Newest first: 百位 runs 1 1 5 1; 十位 never 9.
    const DrawHistory history = {{"4", "", 123}, {"3", "", 555}, {"2", "", 123}, {"1", "", 100}};
    const TrendCounts counts = trendCounts(history, 3);
    ASSERT_EQ(counts.rows.size(), 3u);
    EXPECT_EQ(counts.rows.back().draw->issue, "4");
    EXPECT_EQ(counts.rows.back().omission[0][5], (BoundedCount{1, false}));
    EXPECT_EQ(counts.rows.back().omission[1][9], (BoundedCount{4, true}));
    EXPECT_EQ(counts.statistics[0][1].appearances, 2u);
    EXPECT_EQ(counts.statistics[0][1].longestRun, 1u);
    EXPECT_EQ(counts.statistics[1][9].currentOmission, (BoundedCount{3, true}));
    expectCountsOfTheDraws(history, 3);
}

TEST(TrendCounts, EqualsPlainCountsOnRealAndRandomDraws) {
    const DrawHistory real = realDraws();
    ASSERT_EQ(real.size(), 100u);
    for (std::size_t shown : {30u, 50u, 100u, 200u})
        expectCountsOfTheDraws(real, shown);
    std::mt19937 random(7);
    DrawHistory made;
    for (int i = 0; i < 300; ++i)
        made.push_back({std::to_string(2026000 + 300 - i), "", static_cast<int>(random() % 1000)});
    expectCountsOfTheDraws(made, 100);
}

TEST(HotCold, CountsTheNewestDrawsAndTheWholeHistory) {
    const DrawHistory real = realDraws();
    const PerPositionDigit<HotCold> table = hotCold(real);
    const TrendCounts all = trendCounts(real, real.size());
    for (std::size_t position = 0; position < kPositions; ++position) {
        std::size_t inTen = 0;
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            const HotCold& cell = table[position][digit];
            inTen += cell.inNewest[0];
            EXPECT_EQ(cell.inNewest[2], all.statistics[position][digit].appearances);
            EXPECT_EQ(cell.currentOmission, all.statistics[position][digit].currentOmission);
            EXPECT_EQ(cell.longestOmission, all.statistics[position][digit].longestOmission);
            EXPECT_LE(cell.inNewest[0], cell.inNewest[1]);
        }
        EXPECT_EQ(inTen, 10u);
    }
}

}  // namespace
}  // namespace suoshui
