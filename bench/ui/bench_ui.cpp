// Speed of the main window: creating it with its start-up (without the one-second splash
// wait) and its first filling, the two transfers between window and record, the calculate
// command, and opening the maximum-span table and the deck comparison.

#include "core/Catalogue.h"
#include "core/SpanTable.h"
#include "ui/Application.h"
#include "ui/DataFolder.h"
#include "ui/MessageSeam.h"
#include "ui/help/EmfPicture.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramWindows.h"

#include <QCoreApplication>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace korvane;

namespace {

void CreateAndFill(benchmark::State &state) {
    for (auto _ : state) {
        MainWindow form;
        form.InitialIdle();
        benchmark::DoNotOptimize(&form);
    }
}
BENCHMARK(CreateAndFill)->Unit(benchmark::kMillisecond);

// All windows in start-up order, the main window shown and filled: the start-up's work
// besides the splash wait (on the offscreen platform, so without the X server's share).
void AllWindowsShownAndFilled(benchmark::State &state) {
    for (auto _ : state) {
        auto windows = CreateProgramWindows();
        windows->mainWindow->show();
        windows->mainWindow->InitialIdle();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(windows.get());
    }
}
BENCHMARK(AllWindowsShownAndFilled)->Unit(benchmark::kMillisecond);

void ShowThenRead(benchmark::State &state) {
    MainWindow form;
    form.InitialIdle();
    DesignCase shown;
    shown.deckFamily = 0;
    shown.deckModel = 2;
    shown.coatingCode = 4;
    shown.unitWeight = 150;
    for (auto _ : state) {
        form.ShowCase(shown);
        DesignCase read;
        read = form.ReadCase();
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(ShowThenRead)->Unit(benchmark::kMicrosecond);

// Each modal window a command opens is painted at once and closed, so that every press of
// the command starts afresh.
class ModalsPaintedAndClosed {
public:
    ModalsPaintedAndClosed()
        : m_previous(SetModalHandler([](QDialog &dialog) {
              dialog.show();
              dialog.repaint();
              dialog.hide();
              return int(QDialog::Rejected);
          })) {}
    ~ModalsPaintedAndClosed() { SetModalHandler(m_previous); }
    ModalsPaintedAndClosed(const ModalsPaintedAndClosed &) = delete;
    ModalsPaintedAndClosed &operator=(const ModalsPaintedAndClosed &) = delete;

private:
    ModalHandler m_previous;
};

// A command of the main window, after its first filling, pressed until the window it opens
// has painted.
void PressUntilPainted(benchmark::State &state, void (MainWindow::*command)()) {
    auto windows = CreateProgramWindows();
    MainWindow &form = *windows->mainWindow;
    form.show();
    form.InitialIdle();
    QCoreApplication::processEvents();
    const ModalsPaintedAndClosed painted;
    for (auto _ : state)
        (form.*command)();
}

// "計　算" on the default case until the result window has painted its sheet: the read-out,
// pre-check, calculation, drawing of the sheet and the result window's first paint.
void CalculateUntilSheetPainted(benchmark::State &state) {
    PressUntilPainted(state, &MainWindow::Calculate);
}
BENCHMARK(CalculateUntilSheetPainted)->Unit(benchmark::kMillisecond);

// The first "計　算" after start-up until the result window has painted its sheet: what the
// user waits for the first time, when the result window is made and shows for the first time.
void FirstCalculateUntilSheetPainted(benchmark::State &state) {
    const ModalsPaintedAndClosed painted;
    for (auto _ : state) {
        state.PauseTiming();
        auto windows = CreateProgramWindows();
        MainWindow &form = *windows->mainWindow;
        form.show();
        form.InitialIdle();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        form.Calculate();
        state.PauseTiming();
        windows.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(FirstCalculateUntilSheetPainted)->Unit(benchmark::kMillisecond);

// The maximum-span table of the first filling's conditions, without a window: the core's
// share of opening the table window.
void BuildSpanTableAlone(benchmark::State &state) {
    const DesignCase conditions = DefaultDesignCase();
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildSpanTable(conditions));
}
BENCHMARK(BuildSpanTableAlone)->Unit(benchmark::kMillisecond);

// "最大スパン表" until the table window has painted: the conditions' pre-check, the table,
// the window with its chart and its first paint.
void SpanTableUntilPainted(benchmark::State &state) {
    PressUntilPainted(state, &MainWindow::ShowSpanTable);
}
BENCHMARK(SpanTableUntilPainted)->Unit(benchmark::kMillisecond);

// "デッキ比較" until the comparison window has painted: the pre-check, the comparison, the
// table's texts and the window's first paint.
void DeckComparisonUntilPainted(benchmark::State &state) {
    PressUntilPainted(state, &MainWindow::ShowDeckComparison);
}
BENCHMARK(DeckComparisonUntilPainted)->Unit(benchmark::kMillisecond);

// A help picture the first time it is seen: reading the file, converting it and drawing it
// at its page's size, as the help window does. Each pass is converted afresh (the key names
// the pass, so that the conversion cache never answers).
void HelpPictureFirstShow(benchmark::State &state) {
    struct Picture {
        const char *file;
        int height;
    };
    static constexpr Picture pictures[] = {
        {"KR_tag0.emf", 229}, {"KR_tag1.emf", 953}, {"KR_tag1_2.emf", 1122}, {"KR_tag2.emf", 607},
        {"KR_tag3.emf", 607}, {"KR_tag4.emf", 607}, {"KR_tag5.emf", 607}};
    const Picture &picture = pictures[state.range(0)];
    const QString path = DataFolder() + QString::fromLatin1(picture.file);
    state.SetLabel(picture.file);
    QImage image(448, 1143, QImage::Format_RGB32);
    int pass = 0;
    for (auto _ : state) {
        const EmfPicture converted =
            EmfPicture::Convert(path + QString::number(++pass), EmfPicture::ReadFile(path));
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        converted.Draw(painter, QRectF(0, 0, 437, picture.height));
    }
}
BENCHMARK(HelpPictureFirstShow)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
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
