// A seeded random player on the real window: ticks, radios, options, typing and pasting junk,
// runs (also with clicks arriving while a run walks), stores, resets and scrolling. After every
// run and grouping click the result box must agree with the run's results, and the results
// with the ticked conditions. SUOSHUI_MONKEY_SEED replays a failure; SUOSHUI_MONKEY_ACTIONS sets
// the length of the game.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "WindowFixture.h"
#include "monkey/ModalWatch.h"
#include "monkey/ReportListing.h"
#include "monkey/WindowMonkey.h"

namespace {

using suoshui::NumberList;
using suoshui::monkey::readResultReport;
using suoshui::monkey::reportMismatches;

constexpr long kDefaultActions = 1500;

std::uint64_t seedFromEnvironment() {
    if (const char* seed = std::getenv("SUOSHUI_MONKEY_SEED"); seed && *seed)
        return std::strtoull(seed, nullptr, 10);
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

long actionsFromEnvironment() {
    if (const char* actions = std::getenv("SUOSHUI_MONKEY_ACTIONS"); actions && *actions)
        return std::strtol(actions, nullptr, 10);
    return kDefaultActions;
}

class MonkeyTest : public WindowTest {};

TEST_F(MonkeyTest, RandomPlayerKeepsReportAndResultsConsistent) {
    const std::uint64_t seed = seedFromEnvironment();
    const long actions = actionsFromEnvironment();
    std::cout << "monkey seed " << seed << ", " << actions << " actions" << std::endl;
    window->show();
    suoshui::monkey::WindowMonkey monkey(*window, seed);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(monkey.play(actions)) << monkey.failure();
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const auto& f = monkey.figures();
    std::cout << "monkey seed " << seed << ": " << f.actions << " actions, " << f.runs << " runs ("
              << f.runsCheckedAgainstTests << " checked against the tests, "
              << f.runsWithClickDuringRun << " with a click during the run, " << f.clicksAfterRun
              << " whose click came after it), " << f.groupingRenders << " grouping renders, "
              << f.runsWithResults << " runs listed numbers, longest action " << f.longestActionMs
              << " ms (" << f.longestAction << "), " << seconds << " s" << std::endl;
}

// The watch itself: a warning raised by a handler is closed and reported, not waited on.
TEST_F(MonkeyTest, ModalWatchClosesAWarningAndKeepsItsText) {
    suoshui::monkey::ModalWatch watch;
    QTimer::singleShot(0, window.get(), [this] {
        QMessageBox::warning(window.get(), QString(), QStringLiteral("未找到指定标记的组件"));
    });
    QElapsedTimer waited;
    waited.start();
    QStringList closed;
    while (closed.isEmpty() && waited.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        closed = watch.takeClosed();
    }
    ASSERT_EQ(closed.size(), 1);
    EXPECT_TRUE(closed.front().contains(QStringLiteral("未找到指定标记的组件")));
}

struct ReportCase {
    const char* name;
    std::string text;
    NumberList results;
    bool groupingTicked;
    bool consistent;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportListingTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportListingTest, AgreesWithTheResultsOnlyWhenTheReportDoes) {
    const ReportCase& c = GetParam();
    const auto mismatches = reportMismatches(readResultReport(c.text), c.results, c.groupingTicked);
    EXPECT_EQ(mismatches.empty(), c.consistent)
        << (mismatches.empty() ? std::string("no mismatch") : mismatches.front());
}

const std::string kHead = "百位：1 \r\n排除单式号码：符合条件的  \r\n符合条件的直选号    共有";
const std::string kZero = "符合条件的号码共有0注\r\n条件太苛刻了！这是火星人登陆地球的条件。";
const std::string kBySum = "2注\r\n\r\n和值6的有1注\r\n123 \r\n\r\n和值7的有1注\r\n124 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Reports, ReportListingTest,
    ::testing::Values(
        ReportCase{"Flat", kHead + "2注\r\n123 124 ", {"123", "124"}, true, true},
        ReportCase{"FlatOutOfOrder", kHead + "2注\r\n124 123 ", {"123", "124"}, true, false},
        ReportCase{"CountTooHigh", kHead + "3注\r\n123 124 ", {"123", "124"}, true, false},
        ReportCase{"ListedTwice", kHead + "2注\r\n123 123 ", {"123", "123"}, true, false},
        ReportCase{"MissingTrailingBlank", kHead + "2注\r\n123 124", {"123", "124"}, true, false},
        ReportCase{"Zero", kZero, {}, true, true},
        ReportCase{"ZeroWithResults", kZero, {"123"}, true, false},
        ReportCase{"NoCountLine", "百位：1 \r\n", {"123"}, true, false},
        ReportCase{"NoGroupingTicked", kHead + "2注\r\n", {"123", "124"}, false, true},
        ReportCase{"BySum", kHead + kBySum, {"123", "124"}, true, true},
        ReportCase{"BySumWrongBlock",
                   kHead + "2注\r\n\r\n和值6的有2注\r\n123 124 \r\n",
                   {"123", "124"},
                   true,
                   false},
        ReportCase{"ByParityBadCount",
                   kHead + "1注\r\n\r\n奇偶比为2:1的有2注\r\n135 \r\n",
                   {"135"},
                   true,
                   false},
        ReportCase{"BySpan", kHead + "1注\r\n\r\n跨度9的有1注\r\n900 \r\n", {"900"}, true, true},
        ReportCase{
            "GroupedTruncated", kHead + "1注\r\n\r\n跨度9的有1注\r\n900 ", {"900"}, true, false}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
