// The condition chain for every number "000" to "999" against the in-memory window.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/TagTable.h"
#include "features/ConditionChain.h"
#include "features/WindowTable.h"
#include "support/AllNumbers.h"
#include "support/WindowControls.h"

namespace {

using namespace suoshui;

using testing::allNumbers;

void runChain(benchmark::State& state, bool tickOnePerGroup) {
    auto controls = testing::makeWindowControls();
    TagTable tags;
    buildTagTable(*controls, tags);
    controls->setChecked(Check::ExtraEnabled, true);
    if (tickOnePerGroup) {
        for (Stage stage : {Stage::Basic, Stage::Extra}) {
            for (const ConditionGroupDef* group : stageGroups(stage))
                controls->tick(group->tags.first);
        }
    }
    const auto numbers = allNumbers();
    for (auto _ : state) {
        int survivors = 0;
        for (const std::string& number : numbers) {
            if (passesBasicStage(*controls, tags, number) &&
                passesExtraStage(*controls, tags, number))
                ++survivors;
        }
        benchmark::DoNotOptimize(survivors);
    }
}

// One box ticked in each of the 40 groups: most numbers drop out early.
void BM_ChainOneBoxPerGroup(benchmark::State& state) {
    runChain(state, true);
}

// Nothing ticked: every number walks all 40 groups.
void BM_ChainNothingTicked(benchmark::State& state) {
    runChain(state, false);
}

BENCHMARK(BM_ChainOneBoxPerGroup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChainNothingTicked)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
