// Throughput of the engine, of reading data files and of korvane-calc over many files.

#include "core/Calculation.h"
#include "core/DataFile.h"
#include "core/DesignCase.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace korvane;

DesignCase ShoredCase() {
    DesignCase record;
    record.shoringCode = code::kShoringTwoRows;
    record.alphaClass = code::kClass2;
    return record;
}

// One case's calculation and its four checks, without the copy of the case that
// CalculateCase keeps.
void BM_Calculation(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    for (auto _ : state) {
        const CalculationResult result = Calculate(record);
        benchmark::DoNotOptimize(EvaluateChecks(record, result));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Calculation);

// The engine as every caller uses it: from a design case to its verdicts in one call (the
// catalogue look-ups and the result record included). bench/compare.sh sets this against
// BM_ArithmeticFloor.
void BM_CalculateCase(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    for (auto _ : state)
        benchmark::DoNotOptimize(CalculateCase(record));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateCase);

// The engine's arithmetic alone for the same case: the catalogue's values already at hand, no
// look-ups, no texts, no result record. The floor BM_Calculation is set against.
void BM_ArithmeticFloor(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    const CalculationResult given = Calculate(record);
    struct {
        double span, slab, density, deckWeight, workLoad, coef, zt, inertia, ribAllow, fb, alpha,
            beta, maxSpan;
    } in{given.span,
         static_cast<double>(given.concreteThickness),
         given.concreteDensity,
         given.deckWeight,
         given.workLoad,
         given.deflectionCoef,
         given.sectionModulus,
         given.inertia,
         given.ribBearingAllow,
         given.fb,
         given.alpha,
         given.beta,
         static_cast<double>(given.maxSpan)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(in); // read the inputs afresh each time
        const double lw = CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, in.span * 10 / 3) / 10;
        const double total = in.slab / 10 * in.density * 10 + in.deckWeight + in.workLoad;
        const double fbAllow =
            CeilToDigits(CeilDigits::kIntegerDigits, in.fb / (in.alpha * in.beta) * 10000) / 10000;
        const double limit = 10 * lw / 180 + 5;
        const double l1 = lw / 100;
        const double stress = l1 * l1 * (0.125 * total / 1000) / in.zt;
        const double deflection =
            l1 * l1 * l1 * l1 * (in.coef * 5 / 384 * total / 100) * 100 / 2.05 / in.inertia;
        const double ribLoad =
            CeilToDigits(CeilDigits::kIntegerDigitsPlusOne, l1 * total * 10000) / 10000;
        const double bending = CeilToDigits(CeilDigits::kIntegerDigitsPlusThree, 1000 * stress);
        const bool verdicts[] = {ribLoad <= in.ribAllow, bending <= fbAllow, deflection <= limit,
                                 lw * 10 <= in.maxSpan};
        benchmark::DoNotOptimize(verdicts);
        benchmark::DoNotOptimize(stress);
        benchmark::DoNotOptimize(deflection);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ArithmeticFloor);

std::string SavedFileBytes() {
    std::vector<std::string> lines;
    ShoredCase().WriteLines(lines);
    return DataFileBytes(lines);
}

// A data file already in memory: decode, split into lines, read into a record.
void BM_ReadDataFile(benchmark::State &state) {
    const std::string bytes = SavedFileBytes();
    for (auto _ : state) {
        DesignCase record;
        record.ReadLines(DataFileLinesFromBytes(bytes));
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadDataFile);

// korvane-calc over 10,000 files in one process, output discarded.
void BM_CalcProgramTenThousandFiles(benchmark::State &state) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "korvane_bench_files";
    fs::create_directories(dir);
    const std::string bytes = SavedFileBytes();
    for (int i = 0; i < 10000; ++i)
        std::ofstream(dir / ("case" + std::to_string(i) + ".fdt"), std::ios::binary) << bytes;
    const std::string command = "cd " + dir.string() + " && " + KORVANE_CALC + " *.fdt > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("korvane-calc failed");
    fs::remove_all(dir);
}
BENCHMARK(BM_CalcProgramTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
