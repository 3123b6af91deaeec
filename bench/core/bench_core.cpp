// Throughput of the engine, of reading data files and of korvane-calc over many files.

#include "core/DataFile.h"
#include "core/Inputdata.h"
#include "core/U_calc.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace korvane;

CInputData ShoredCase()
{
    CInputData record;
    record.shoringCode = code::kShoringTwoRows;
    record.alphaClass = code::kClass2;
    return record;
}

// One case: prepare, responses and the four checks, as one calculation does them.
void BM_Calculation(benchmark::State &state)
{
    const CInputData record = ShoredCase();
    CCalcResult result;
    result.deckWeight = 111;
    for (auto _ : state) {
        PrepareCalculation(record, result);
        ComputeResponses(record, result);
        benchmark::DoNotOptimize(EvaluateChecks(record, result));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Calculation);

std::string SavedFileBytes()
{
    std::vector<std::string> lines;
    ShoredCase().WriteLines(lines);
    return DataFileBytes(lines);
}

// A data file already in memory: decode, split into lines, read into a record.
void BM_ReadDataFile(benchmark::State &state)
{
    const std::string bytes = SavedFileBytes();
    for (auto _ : state) {
        CInputData record;
        record.ReadLines(DataFileLinesFromBytes(bytes));
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadDataFile);

// korvane-calc over 10,000 files in one process, output discarded.
void BM_CalcProgramTenThousandFiles(benchmark::State &state)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "korvane_bench_files";
    fs::create_directories(dir);
    const std::string bytes = SavedFileBytes();
    for (int i = 0; i < 10000; ++i)
        std::ofstream(dir / ("case" + std::to_string(i) + ".fdt"), std::ios::binary) << bytes;
    const std::string command =
        "cd " + dir.string() + " && " + KORVANE_CALC + " *.fdt > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("korvane-calc failed");
    fs::remove_all(dir);
}
BENCHMARK(BM_CalcProgramTenThousandFiles)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
