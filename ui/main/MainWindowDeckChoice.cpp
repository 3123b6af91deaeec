// The main window's deck-choice commands: each opens its window for the inputs' conditions
// and puts what the user takes there back into the inputs.
#include "ui/main/MainWindow.h"

#include "core/DeckComparison.h"
#include "core/DeckComparisonText.h"
#include "core/SpanTable.h"
#include "ui/GuardedRun.h"
#include "ui/ProgramModule.h"
#include "ui/deckchoice/DeckChoiceWindows.h"

#include <utility>
#include <vector>

using namespace korvane;

namespace {

// The deck-choice windows, from their module, loaded when one of them first opens (built
// into the program on Windows).
const DeckChoiceWindows &DeckChoice() {
#if defined(_WIN32)
    return *korvane_deck_choice_windows();
#else
    return ProgramModuleTable<DeckChoiceWindows>(kDeckChoiceModule, kDeckChoiceEntry);
#endif
}

} // namespace

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
        if (const auto taken = DeckChoice().runSpanTable(std::move(rows), conditions, marked, this))
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
        const auto taking =
            DeckChoice().runDeckComparison(std::move(rows), conditions, shownRow, this);
        if (taking) {
            TakeDeck(taking->deck);
            ShowStatusNote(QString::fromStdString(taking->note));
        }
    });
}
