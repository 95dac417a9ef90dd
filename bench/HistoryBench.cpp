// The draw history's work on ten thousand draws: reading a file's text in each shape, the
// backtest with one box ticked in every group and the extra stage on (settings judged once,
// then every draw), and the omission counts of every value box.
#include <benchmark/benchmark.h>

#include "history/Backtest.h"
#include "history/HistoryParser.h"
#include "history/Omission.h"
#include "support/HistoryText.h"

namespace {

using namespace suoshui;

constexpr int kDraws = 10'000;

FilterSettings oneBoxPerGroupWithExtra() {
    FilterSettings settings;
    settings.setChecked(Check::ExtraEnabled);
    for (const ConditionGroup* group : testedGroups())
        settings.boxes.setTicked(group->tags.first);
    return settings;
}

const DrawHistory& tenThousandDraws() {
    static const DrawHistory draws =
        parseHistory(testing::historyText(testing::HistoryShape::IssueNumber, kDraws)).draws;
    return draws;
}

void BM_ParseHistory(benchmark::State& state, testing::HistoryShape shape) {
    const std::string text = testing::historyText(shape, kDraws);
    std::size_t read = 0;
    for (auto _ : state) {
        read = parseHistory(text).draws.size();
        benchmark::DoNotOptimize(read);
    }
    state.counters["draws"] = static_cast<double>(read);
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * static_cast<std::int64_t>(text.size())));
}

void BM_Backtest(benchmark::State& state) {
    const FilterSettings settings = oneBoxPerGroupWithExtra();
    const DrawHistory& draws = tenThousandDraws();
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = backtest(settings, draws, kAllDraws).kept;
        benchmark::DoNotOptimize(kept);
    }
    state.counters["kept"] = static_cast<double>(kept);
}

void BM_OmissionCounts(benchmark::State& state) {
    const DrawHistory& draws = tenThousandDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(OmissionCounts(draws));
}

}  // namespace

int main(int argc, char** argv) {
    for (testing::HistoryShape shape : testing::allHistoryShapes()) {
        benchmark::RegisterBenchmark(
            (std::string("BM_ParseHistory/") + testing::historyShapeName(shape)).c_str(),
            BM_ParseHistory, shape)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Backtest", BM_Backtest)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_OmissionCounts", BM_OmissionCounts)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
