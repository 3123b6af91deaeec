// The main window's deck-choice commands: each opens its window for the inputs' conditions.
#include "ui/main/MainWindow.h"

#include "ui/GuardedRun.h"
#include "ui/deckchoice/DeckComparisonWindow.h"
#include "ui/deckchoice/SpanTableWindow.h"

void MainWindow::showSpanTable() {
    korvane::RunGuarded(this, [this] { korvane::OpenSpanTable(*this); });
}

void MainWindow::showDeckComparison() {
    korvane::RunGuarded(this, [this] { korvane::OpenDeckComparison(*this); });
}
