// The main window's deck-choice commands: each opens its window for the inputs' conditions
// and puts what the user takes there back into the inputs.
#include "ui/main/MainWindow.h"

#include "core/DeckComparison.h"
#include "core/DeckComparisonText.h"
#include "core/SpanTable.h"
#include "ui/GuardedRun.h"
#include "ui/MessageSeam.h"
#include "ui/deckchoice/DeckComparisonWindow.h"
#include "ui/deckchoice/SpanTableWindow.h"

#include <utility>
#include <vector>

using namespace korvane;

// The maximum-span table after the conditions' pre-check (a failure is shown as the
// calculate command shows it, and no table opens); a cell the user takes goes into the
// inputs as if chosen by hand.
void MainWindow::ShowSpanTable() {
    RunGuarded(this, [this] {
        if (!PreCheckConditions())
            return;
        const DesignCase conditions = ReadCase();
        std::vector<SpanTableRow> rows = BuildSpanTable(conditions);
        const int marked = RowHoldingDeck(rows, conditions);
        SpanTableWindow window(std::move(rows), conditions, marked, this);
        ExecModal(window);
        if (const auto &taken = window.Choice())
            TakeDeck(*taken);
    });
}

// The deck comparison after the calculate command's pre-check (its message, and no window,
// when it fails); a deck taken from the window goes into the inputs with their span, and
// with the row's least shoring where the case's shoring does not suffice (said in the status
// bar).
void MainWindow::ShowDeckComparison() {
    RunGuarded(this, [this] {
        if (!PreCheckInputs())
            return;
        const DesignCase conditions = ReadCase();
        std::vector<DeckComparisonRow> rows = CompareDecks(conditions);
        const int shownRow = RowHoldingDeck(rows, conditions);
        DeckComparisonWindow window(std::move(rows), conditions, shownRow, this);
        ExecModal(window);
        if (const auto &taken = window.Taken()) {
            TakeDeck(*taken);
            ShowStatusNote(QString::fromStdString(window.TakeNote()));
        }
    });
}
