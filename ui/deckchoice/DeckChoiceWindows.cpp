#include "ui/deckchoice/DeckChoiceWindows.h"

#include "ui/MessageSeam.h"
#include "ui/deckchoice/DeckComparisonWindow.h"
#include "ui/deckchoice/SpanTableWindow.h"

#include <QtGlobal>

#include <utility>

namespace korvane {
namespace {

std::optional<TakenDeck> RunSpanTable(std::vector<SpanTableRow> rows, const DesignCase &conditions,
                                      int markedRow, QWidget *parent) {
    SpanTableWindow window(std::move(rows), conditions, markedRow, parent);
    ExecModal(window);
    return window.Choice();
}

std::optional<ComparisonTaking> RunDeckComparison(std::vector<DeckComparisonRow> rows,
                                                  const DesignCase &conditions, int shownRow,
                                                  QWidget *parent) {
    DeckComparisonWindow window(std::move(rows), conditions, shownRow, parent);
    ExecModal(window);
    if (const auto &taken = window.Taken())
        return ComparisonTaking{*taken, window.TakeNote()};
    return std::nullopt;
}

constexpr DeckChoiceWindows kWindows{RunSpanTable, RunDeckComparison};

} // namespace
} // namespace korvane

extern "C" Q_DECL_EXPORT const korvane::DeckChoiceWindows *korvane_deck_choice_windows() {
    return &korvane::kWindows;
}
