// Speed of the calculation sheet: building its content, drawing the result picture and
// writing the printed page as PDF.
#include "sheet/DrawSheet.h"
#include "sheet/RecordingCanvas.h"
#include "sheet/SheetContent.h"
#include "sheet/qt/SheetOutput.h"

#include "core/Calculation.h"
#include "core/DesignCase.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace korvane {
namespace {

DesignCase ShoredCase() {
    DesignCase r;
    r.shoringCode = code::kShoringOneRow; // every block of the sheet is present
    return r;
}

void BM_BuildSheetContent(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    const SheetInputs in{record, Calculate(record), PrintSettings{}, SheetTarget::kScreen, ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSheetContent(in));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BuildSheetContent);

void BM_DrawOnRecordingCanvas(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    const CalculationResult result = Calculate(record);
    for (auto _ : state) {
        RecordingCanvas canvas(kScreenFontDpi);
        DrawSheet(canvas, SheetTarget::kScreen, record, result, PrintSettings{}, "");
        benchmark::DoNotOptimize(canvas.Ops().size());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawOnRecordingCanvas);

void BM_DrawScreenSheetOnImage(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    const CalculationResult result = Calculate(record);
    QImage picture = NewResultPicture();
    DrawScreenSheet(picture, record, result); // warm the glyph cache as a second run would
    for (auto _ : state) {
        QImage fresh = NewResultPicture();
        DrawScreenSheet(fresh, record, result);
        benchmark::DoNotOptimize(fresh.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DrawScreenSheetOnImage)->Unit(benchmark::kMillisecond);

void BM_WritePdfPage(benchmark::State &state) {
    const DesignCase record = ShoredCase();
    const CalculationResult result = Calculate(record);
    QTemporaryDir dir;
    const QString path = dir.filePath("sheet.pdf");
    PrintSettings print;
    print.projectTitle = "市民会館 増築";
    print.pageNumberPos = 21;
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteSheetPdf(path, record, result, print, "2026/12/10"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WritePdfPage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvane

int main(int argc, char **argv) {
    // The sheet needs fonts, not a display: run without one unless told otherwise.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
