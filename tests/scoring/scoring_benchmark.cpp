// One whole computation behind the Compute button: 18 item texts to seven raw scores,
// z-scores and percentiles.
#include "scoring/calculation.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace obrix::scoring;

namespace {

ItemTexts uniformItems(const char* text) {
    ItemTexts items;
    items.fill(text);
    return items;
}

// All items "2": every scale needs a percentile, the most work a computation does.
void BM_CalculateAllTwo(benchmark::State& state) {
    const ItemTexts items = uniformItems("2");
    const auto group =
        state.range(0) == 0 ? ComparisonGroup::GeneralPopulation : ComparisonGroup::Ocd;
    NormalDistributionSource statistics; // created once, reused, as in the window
    for (auto _ : state) {
        Calculation result = calculate(items, group, statistics);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CalculateAllTwo)->Arg(0)->Arg(1);

// Mixed texts the reader has more to do with: blanks, decimals, exponents, radix forms.
void BM_CalculateMixedTexts(benchmark::State& state) {
    const ItemTexts items{"1",  " 2",  "3.5", "0.4", "4e0", "&H3", "2abc", "04",     "003",
                          "1 ", "\t2", "3.9", "0",   "4",   "2.5", "1.5",  "0.04e2", "abc"};
    NormalDistributionSource statistics;
    for (auto _ : state) {
        Calculation result = calculate(items, ComparisonGroup::GeneralPopulation, statistics);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CalculateMixedTexts);

// A refused computation: the walk stops at item 2.
void BM_CalculateRefused(benchmark::State& state) {
    ItemTexts items = uniformItems("2");
    items[1] = std::string("9"); // (assigning the literal trips GCC 12's -Wrestrict)
    NormalDistributionSource statistics;
    for (auto _ : state) {
        Calculation result = calculate(items, ComparisonGroup::GeneralPopulation, statistics);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_CalculateRefused);

} // namespace

BENCHMARK_MAIN();
