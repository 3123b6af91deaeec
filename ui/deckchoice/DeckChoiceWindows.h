#pragma once
// The deck-choice windows as the main window opens them. They are built into a module of
// their own, with the chart library under them, which the main window loads when one of them
// first opens (ui/ProgramModule.h): a start then maps neither the module nor the chart and
// OpenGL libraries, which only these windows draw with.

#include "core/DeckChoice.h"
#include "core/DeckComparison.h"
#include "core/DesignCase.h"
#include "core/SpanTable.h"

#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace korvane {

// What the user took in the deck comparison: the deck, and what the main window says about
// its shoring (empty when the shoring stays).
struct ComparisonTaking {
    TakenDeck deck;
    std::string note;
};

// The windows' modal runs: each shows its window over `parent` until it is closed and returns
// what the user took there, if anything. `markedRow` / `shownRow` is the row of the main
// window's deck (-1 when none).
struct DeckChoiceWindows {
    std::optional<TakenDeck> (*runSpanTable)(std::vector<SpanTableRow> rows,
                                             const DesignCase &conditions, int markedRow,
                                             QWidget *parent);
    std::optional<ComparisonTaking> (*runDeckComparison)(std::vector<DeckComparisonRow> rows,
                                                         const DesignCase &conditions, int shownRow,
                                                         QWidget *parent);
};

// The module's file name without prefix and suffix, and the name of its entry point.
inline constexpr const char *kDeckChoiceModule = "korvane_deckchoice";
inline constexpr const char *kDeckChoiceEntry = "korvane_deck_choice_windows";

} // namespace korvane

// The module's entry point: the windows' runs.
extern "C" const korvane::DeckChoiceWindows *korvane_deck_choice_windows();
