#pragma once
// The maximum-span table: for the conditions of one design case (concrete kind and
// thickness, work and other load, class, coating and unit weight), for every deck the main
// window offers and each shoring option, the largest span in 10 mm steps at which every
// check that applies passes, and the check that fails first just above it. Every cell comes
// from CalculateCase, so a span the table names gives a passing sheet.

#include "core/DeckChoice.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

inline constexpr int kSpanTableStep = 10; // mm

struct SpanTableCell {
    int shoringCode = code::kShoringNone;
    // The largest passing span, mm; none when no span from the smallest calculable one passes.
    std::optional<int> maxSpan;
    // The first check, in the sheet's order, that fails at maxSpan + 10 mm (at the smallest
    // calculable span when no span passes); none when maxSpan is the largest calculable span.
    std::optional<CheckName> governing;
};

struct SpanTableRow {
    OfferedDeck deck;
    std::string deckLabel;              // "PX75LA-07"
    double weight = 0;                  // N/m², as the calculation uses it
    std::array<SpanTableCell, 3> cells; // in the order of kShoringCodes
};

// One row per offered deck, in the order of OfferedDecks(). Only the conditions' concrete,
// loads, class, coating and (with "他") unit weight matter; its deck, shoring and span do not.
std::vector<SpanTableRow> BuildSpanTable(const DesignCase &conditions);

// The row holding the case's own deck; -1 when the table does not offer it.
int RowHoldingDeck(const std::vector<SpanTableRow> &rows, const DesignCase &record);

// What double-clicking (or Return on) a cell of the row takes: the deck with the cell's
// shoring and span for a shoring column's cell that has a span (`shoringColumn`, 0-based,
// in the order of kShoringCodes), the deck alone for any other column or a cell without one.
TakenDeck TakenFromSpanTable(const SpanTableRow &row, std::optional<std::size_t> shoringColumn);

// One cell: scans the spans from the largest calculable span down in 10 mm steps to the
// first that passes, so that the answer does not rest on passing being monotone in the span.
SpanTableCell FindMaximumSpan(const DesignCase &conditions, const OfferedDeck &deck,
                              int shoringCode);

} // namespace korvane
