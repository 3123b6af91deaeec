// The deck-choice tables: the whole maximum-span table (every cell of every offered deck and
// shoring option) and the comparison of every deck, for conditions that make the scans long
// (a thick slab: small spans pass, most steps from the top fail) and short (the default).

#include "core/Catalogue.h"
#include "core/DeckComparison.h"
#include "core/SpanTable.h"

#include <benchmark/benchmark.h>

namespace {

using namespace korvane;

DesignCase Conditions(int slabThickness) {
    DesignCase record = DefaultDesignCase();
    record.slabThickness = slabThickness;
    return record;
}

void BM_SpanTable(benchmark::State &state) {
    const DesignCase conditions = Conditions(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSpanTable(conditions));
    state.SetLabel("slab " + std::to_string(state.range(0)) + " mm");
}
BENCHMARK(BM_SpanTable)->Arg(130)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);

// The bound: a load no deck carries at any span, so that every cell tries every step.
void BM_SpanTableNothingPasses(benchmark::State &state) {
    DesignCase conditions = Conditions(800);
    conditions.otherLoadValue = 1000000;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSpanTable(conditions));
}
BENCHMARK(BM_SpanTableNothingPasses)->Unit(benchmark::kMillisecond);

void BM_DeckComparison(benchmark::State &state) {
    const DesignCase conditions = Conditions(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareDecks(conditions));
    state.SetLabel("slab " + std::to_string(state.range(0)) + " mm");
}
BENCHMARK(BM_DeckComparison)->Arg(130)->Arg(800)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
