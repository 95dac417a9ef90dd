// Judging single numbers against one set of settings, as a backtest does for every past draw:
// one box ticked in every tested group and the extra stage on, so that no group is skipped.
#include <benchmark/benchmark.h>

#include "engine/LotteryNumber.h"
#include "features/ConditionChain.h"
#include "features/ConditionCheck.h"

namespace {

using namespace suoshui;

FilterSettings oneBoxPerGroup() {
    FilterSettings settings;
    settings.setChecked(Check::ExtraEnabled);
    for (const ConditionGroup* group : testedGroups())
        settings.boxes.setTicked(group->tags.first);
    return settings;
}

// The settings judged once for all numbers: what a run or a backtest pays first.
void BM_JudgeAllNumbers(benchmark::State& state) {
    const FilterSettings settings = oneBoxPerGroup();
    for (auto _ : state)
        benchmark::DoNotOptimize(ConditionCheck(settings));
}

// A million single numbers judged, each against every group.
void BM_MillionVerdicts(benchmark::State& state) {
    const ConditionCheck check(oneBoxPerGroup());
    for (auto _ : state) {
        std::uint64_t rejections = 0;
        for (int i = 0; i < 1'000'000; ++i)
            rejections += check.judge(i % kNumberCount).rejectingGroups & 0xFF;
        benchmark::DoNotOptimize(rejections);
    }
}

// The same million through the groups' own tests, group by group, for comparison.
void BM_MillionChainWalks(benchmark::State& state) {
    const FilterSettings settings = oneBoxPerGroup();
    for (auto _ : state) {
        int survivors = 0;
        for (int i = 0; i < 1'000'000; ++i) {
            const std::string number = numberText(i % kNumberCount);
            bool passes = true;
            for (const ConditionGroup* group : testedGroups())
                passes = passes && passesGroup(settings, *group, number);
            survivors += passes ? 1 : 0;
        }
        benchmark::DoNotOptimize(survivors);
    }
}

BENCHMARK(BM_JudgeAllNumbers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillionVerdicts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MillionChainWalks)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
