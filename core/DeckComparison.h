#pragma once
// The deck comparison: the case of the main window calculated with every deck it offers,
// each check's utilisation, the least shoring with which every check passes, sorted with
// passing decks first and lightest first. A deck whose calculable spans end below the case's
// span is never a passing row: the checks the calculation gives there mean nothing, as the
// pre-check refuses that span for that deck.

#include "core/DeckChoice.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace korvane {

struct CheckUtilisation {
    CheckName check = CheckName::bending;
    bool applies = false;
    bool passes = true;
    // The value the check compares over the value it compares it with (stress over the
    // allowable, deflection over its limit, rib bearing load over its allowable, effective
    // span over the maximum span), unrounded; meaningful only where the check applies.
    double utilisation = 0;
};

struct DeckComparisonRow {
    OfferedDeck deck;
    std::string deckLabel;
    double weight = 0;                      // N/m², as the calculation uses it
    std::array<CheckUtilisation, 4> checks; // in the sheet's order
    double largestUtilisation = 0;          // over the checks that apply
    bool passes = false;                    // every check that applies passes
    // The least shoring code (1 none, 2 one row, 3 two rows) with which every check passes
    // at the case's span; none when even two rows do not suffice.
    std::optional<int> leastShoring;
    CaseResult result; // the case with this deck, its calculation and verdicts
    // The deck's largest calculable span, mm, when the case's span lies beyond it; then the
    // row does not pass, has no least shoring, and its checks are not to be shown as figures.
    std::optional<int> beyondSpanLimit;
};

// The utilisation of each check of a calculated case, in the sheet's order.
std::array<CheckUtilisation, 4> UtilisationsOf(const CaseResult &calculated);

// Every offered deck under the case's conditions, shoring and span: passing decks first,
// then by unit weight, lightest first; decks of equal standing keep the window's order.
std::vector<DeckComparisonRow> CompareDecks(const DesignCase &conditions);

// The row holding the case's own deck; -1 when the comparison does not offer it.
int RowHoldingDeck(const std::vector<DeckComparisonRow> &rows, const DesignCase &record);

// What taking a row puts into the main window: its deck, with the case's span. A row that
// fails with the case's shoring but passes with more brings its least shoring along, so that
// the deck taken gives the sheet the row promised; a passing row, and one that fails even
// with two rows of shoring, leave the shoring as it is.
TakenDeck TakenFromComparison(const DeckComparisonRow &row);

} // namespace korvane
