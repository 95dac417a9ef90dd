#include "history/DrawMerge.h"

#include <gtest/gtest.h>

namespace suoshui {
namespace {

Draw draw(const char* issue, int number) {
    return {issue, "", number};
}

const DrawHistory kKept = {draw("2026233", 123), draw("2026232", 658), draw("2026231", 7)};

struct MergeCase {
    const char* name;
    DrawHistory read;
    std::size_t added;
    std::size_t alreadyKept;
    std::size_t conflicts;
    const char* newest;
};

class MergeTest : public ::testing::TestWithParam<MergeCase> {};

// Whatever is read, the kept draws stay as they were and the history stays newest first.
TEST_P(MergeTest, AddsOnlyNewIssuesAndKeepsWhatWasKept) {
    const MergeCase& c = GetParam();
    const DrawMerge merge = mergeDraws(kKept, c.read);
    EXPECT_EQ(merge.added.size(), c.added);
    EXPECT_EQ(merge.alreadyKept, c.alreadyKept);
    EXPECT_EQ(merge.conflicts.size(), c.conflicts);
    ASSERT_EQ(merge.history.size(), kKept.size() + c.added);
    EXPECT_EQ(merge.history.front().issue, c.newest);
    for (const Draw& kept : kKept)
        EXPECT_NE(std::find(merge.history.begin(), merge.history.end(), kept), merge.history.end());
    for (std::size_t i = 1; i < merge.history.size(); ++i)
        EXPECT_GT(merge.history[i - 1].issue, merge.history[i].issue);
}

INSTANTIATE_TEST_SUITE_P(
    Reads, MergeTest,
    ::testing::Values(
        MergeCase{"Nothing", {}, 0, 0, 0, "2026233"},
        MergeCase{"AllKept", kKept, 0, 3, 0, "2026233"},
        MergeCase{"NewerAndOverlap",
                  {draw("2026235", 1), draw("2026234", 2), draw("2026233", 123)},
                  2,
                  1,
                  0,
                  "2026235"},
        MergeCase{"OlderInAnyOrder", {draw("2026229", 9), draw("2026230", 8)}, 2, 0, 0, "2026233"},
        MergeCase{"Conflict", {draw("2026232", 659), draw("2026234", 5)}, 1, 0, 1, "2026234"},
        MergeCase{
            "RepeatWithinTheReading", {draw("2026234", 5), draw("2026234", 5)}, 1, 1, 0, "2026234"},
        MergeCase{"BareNumbersAreNotMatched", {draw("", 5), draw("", 6)}, 0, 0, 0, "2026233"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MergeTextTest, SaysWhatWasAddedAndNamesEachConflictWithItsLine) {
    const std::string text = "2026234 005\n2026232 659\n";
    DrawMerge merge = mergeDraws(kKept, {draw("2026234", 5), draw("2026232", 659)});
    for (DrawConflict& conflict : merge.conflicts)
        conflict.line = lineOfIssue(text, conflict.read.issue);
    EXPECT_EQ(mergeText(merge),
              "新增 1 期，已有 0 期，冲突 1 期（第 2 行），最新 2026234；期号 2026232 已存为 658，"
              "这次读到 659：未改");
    EXPECT_EQ(mergeText(mergeDraws(kKept, kKept)), "新增 0 期，已有 3 期");
}

TEST(MergeTextTest, LineOfIssueMatchesWholeDigitRunsOnly) {
    EXPECT_EQ(lineOfIssue("12026232 1\n2026232 2", "2026232"), 2u);
    EXPECT_EQ(lineOfIssue("第2026232期", "2026232"), 1u);
    EXPECT_EQ(lineOfIssue("20262321", "2026232"), 0u);
}

TEST(DrawLotteryTest, TellsTheLotteryByTheFormOfMostIssues) {
    EXPECT_EQ(lotteryOfDraws({draw("26232", 1), draw("26231", 2)}), Lottery::Pailie3);
    EXPECT_EQ(lotteryOfDraws({draw("2026232", 1)}), Lottery::Fucai3D);
    EXPECT_EQ(lotteryOfDraws({draw("", 1)}), std::nullopt);
    EXPECT_TRUE(lacksIssueNumbers({draw("2026232", 1), draw("", 2)}));
    EXPECT_FALSE(lacksIssueNumbers(kKept));
}

}  // namespace
}  // namespace suoshui
