// A whole filter run with its report, over the in-memory controls and all 1000 candidates.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/FilterRun.h"
#include "features/WindowTable.h"
#include "support/WindowControls.h"

namespace suoshui {
namespace {

void tickFirstBoxOfEveryGroup(testing::MemoryControls& controls) {
    for (const auto& lines : {basicSummaryLines(), extendedSummaryLines()}) {
        for (const SummaryLine& line : lines)
            controls.tick(line.first);
    }
    controls.setChecked(Check::ExtraEnabled, true);
}

void runRepeatedly(benchmark::State& state, bool ticked) {
    std::unique_ptr<testing::MemoryControls> controls = testing::makeWindowControls();
    if (ticked)
        tickFirstBoxOfEveryGroup(*controls);
    Session session;
    buildTagTable(*controls, session.tags);
    for (auto _ : state) {
        runFilter(*controls, session);
        benchmark::DoNotOptimize(session.results.data());
    }
}

void BM_RunFilterNothingTicked(benchmark::State& state) {
    runRepeatedly(state, false);
}
void BM_RunFilterOneBoxPerGroup(benchmark::State& state) {
    runRepeatedly(state, true);
}

BENCHMARK(BM_RunFilterNothingTicked)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunFilterOneBoxPerGroup)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace suoshui

BENCHMARK_MAIN();
