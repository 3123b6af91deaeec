// Opening the deck comparison from the main window until its table has painted: the
// pre-check, the comparison, the table's texts and the window's first paint.

#include "ui/MainWindow.h"
#include "ui/MessageSeam.h"

#include <QCoreApplication>
#include <QDialog>

#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

void OpenDeckComparisonUntilPainted(benchmark::State &state) {
    MainWindow mainWindow;
    mainWindow.show();
    mainWindow.InitialIdle();
    QCoreApplication::processEvents();
    const ModalHandler previous = SetModalHandler([](QDialog &dialog) {
        dialog.show();
        dialog.repaint();
        dialog.hide();
        return int(QDialog::Rejected);
    });
    for (auto _ : state)
        mainWindow.showDeckComparison();
    SetModalHandler(previous);
}
BENCHMARK(OpenDeckComparisonUntilPainted)->Unit(benchmark::kMillisecond);

} // namespace
