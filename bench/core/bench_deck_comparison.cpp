// The deck comparison: every offered deck calculated under one case, each with its least
// shoring, sorted; and the texts of the window's rows.

#include "core/Catalogue.h"
#include "core/DeckComparison.h"
#include "core/DeckComparisonText.h"

#include <benchmark/benchmark.h>

namespace {

using namespace korvane;

DesignCase LongShoredSpan() {
    DesignCase record = DefaultDesignCase();
    record.slabThickness = 250;
    record.shoringCode = code::kShoringOneRow;
    record.spanLength = 4200;
    return record;
}

void BM_CompareDecks(benchmark::State &state) {
    const DesignCase conditions = LongShoredSpan();
    for (auto _ : state)
        benchmark::DoNotOptimize(CompareDecks(conditions));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompareDecks)->Unit(benchmark::kMicrosecond);

void BM_DeckComparisonTexts(benchmark::State &state) {
    const auto rows = CompareDecks(LongShoredSpan());
    for (auto _ : state)
        for (const DeckComparisonRow &row : rows)
            benchmark::DoNotOptimize(DeckComparisonTexts(row));
}
BENCHMARK(BM_DeckComparisonTexts)->Unit(benchmark::kMicrosecond);

} // namespace
