// Speed of the main window: creating it with its start-up (without the one-second splash
// wait) and its first filling, and the two transfers between window and record.

#include "ui/Application.h"
#include "ui/MessageSeam.h"
#include "ui/U_krv.h"
#include "ui/Windows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

void CreateAndFill(benchmark::State &state)
{
    for (auto _ : state) {
        TForm1 form;
        form.InitialIdle();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(CreateAndFill)->Unit(benchmark::kMillisecond);

// All windows in start-up order, the main window shown and filled: the start-up's work
// besides the splash wait (on the offscreen platform, so without the X server's share).
void AllWindowsShownAndFilled(benchmark::State &state)
{
    for (auto _ : state) {
        auto windows = CreateProgramWindows();
        windows->form1->show();
        windows->form1->InitialIdle();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(windows.get());
    }
}
BENCHMARK(AllWindowsShownAndFilled)->Unit(benchmark::kMillisecond);

void ShowThenRead(benchmark::State &state)
{
    TForm1 form;
    form.InitialIdle();
    CInputData shown;
    shown.deckFamily = 0;
    shown.deckModel = 2;
    shown.coatingCode = 4;
    shown.unitWeight = 150;
    for (auto _ : state) {
        ShowInputData(form, shown);
        CInputData read;
        ReadInputData(form, read);
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(ShowThenRead)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir appData; // the marker file goes here, not into the user's folder
    qputenv("APPDATA", appData.path().toLocal8Bit());
    Application app(argc, argv);
    SplashMilliseconds() = 0;
    SetModalHandler([](QDialog &dialog) {
        dialog.accept();
        return 1;
    });
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
