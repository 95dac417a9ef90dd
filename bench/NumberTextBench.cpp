// How the number text normaliser grows with the length of a pasted base list, for each of the
// two list options.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "lists/NumberText.h"

namespace {

// Numbers in a paste, mostly one per blank, some per line, with repeats as real lists have.
std::string pastedList(long tokens) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> number(0, 999);
    std::string text;
    text.reserve(static_cast<std::size_t>(tokens) * 4);
    for (long i = 0; i < tokens; ++i) {
        const int n = number(random);
        text += {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                 static_cast<char>('0' + n % 10)};
        text += i % 10 == 9 ? "\r\n" : " ";
    }
    return text;
}

void normalise(benchmark::State& state, bool intersect, bool groupToDirect) {
    const std::string text = pastedList(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(suoshui::normaliseNumberText(text, {intersect, 2, groupToDirect}));
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(
        static_cast<std::int64_t>(state.iterations() * static_cast<std::int64_t>(text.size())));
}

void optionsOff(benchmark::State& state) {
    normalise(state, false, false);
}
void intersect(benchmark::State& state) {
    normalise(state, true, false);
}
void groupToDirect(benchmark::State& state) {
    normalise(state, false, true);
}
void bothOptions(benchmark::State& state) {
    normalise(state, true, true);
}

}  // namespace

BENCHMARK(optionsOff)
    ->RangeMultiplier(10)
    ->Range(1000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(intersect)
    ->RangeMultiplier(10)
    ->Range(1000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(groupToDirect)
    ->RangeMultiplier(10)
    ->Range(1000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();
BENCHMARK(bothOptions)
    ->RangeMultiplier(10)
    ->Range(1000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

BENCHMARK_MAIN();
