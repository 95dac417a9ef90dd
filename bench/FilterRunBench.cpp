// A whole filter run with its report, over the in-memory window and all 1000 candidates.
#include <benchmark/benchmark.h>

#include "run/FilterRun.h"
#include "support/MemoryControls.h"

namespace suoshui {
namespace {

void runRepeatedly(benchmark::State& state, bool ticked) {
    testing::MemoryControls controls;
    if (ticked) {
        for (const auto* lines : {&basicSummaryLines(), &extendedSummaryLines()}) {
            for (const SummaryLine& line : *lines)
                controls.settings.boxes.setTicked(line.tags.first);
        }
        controls.settings.setChecked(Check::ExtraEnabled);
    }
    Session session;
    for (auto _ : state) {
        runFilter(controls, session);
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
