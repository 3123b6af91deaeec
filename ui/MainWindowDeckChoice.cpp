// The main window's deck-choice commands: each opens its window for the inputs' conditions.
#include "ui/MainWindow.h"

#include "ui/DeckComparisonWindow.h"
#include "ui/GuardedRun.h"
#include "ui/SpanTableWindow.h"

void MainWindow::showSpanTable() {
    korvane::RunGuarded(this, [this] { korvane::OpenSpanTable(*this); });
}

void MainWindow::showDeckComparison() {
    korvane::RunGuarded(this, [this] { korvane::OpenDeckComparison(*this); });
}
