#pragma once
// What the deck-choice tables share: the four checks by name, in the order the sheet prints
// them, and the design case of one offered deck under the conditions of another case.

#include "core/Calculation.h"
#include "core/Catalogue.h"
#include "core/DesignCase.h"

#include <array>
#include <optional>

namespace korvane {

// The four checks in the order the sheet prints them.
enum class CheckName { ribBearing, bending, deflection, maxSpan };
inline constexpr std::array<CheckName, 4> kChecksInSheetOrder = {
    CheckName::ribBearing, CheckName::bending, CheckName::deflection, CheckName::maxSpan};

// "ribBearing", "bending", "deflection", "maxSpan": the names korvane-calc writes.
const char *CheckKey(CheckName check);
// The short mark a table shows: "支圧", "曲げ", "たわみ", "最大スパン".
const char *CheckMark(CheckName check);

const CheckVerdict &VerdictOf(const CheckVerdicts &verdicts, CheckName check);

// Whether every check that applies passes.
bool EveryCheckPasses(const CheckVerdicts &verdicts);
// The first check, in the sheet's order, that applies and fails; none when all pass.
std::optional<CheckName> FirstFailingCheck(const CheckVerdicts &verdicts);

// The shoring options in code order: none, one row, two rows.
inline constexpr std::array<int, 3> kShoringCodes = {code::kShoringNone, code::kShoringOneRow,
                                                     code::kShoringTwoRows};

// The conditions' case with another deck, as choosing it in the main window gives it: the
// deck's codes and, for a catalogue coating, its catalogue weight (truncated to whole N/m²)
// as the unit weight; with "他" the conditions' own unit weight stays. Concrete, loads,
// class, coating, shoring, span and print values stay as the conditions have them.
DesignCase CaseWithDeck(const DesignCase &conditions, const OfferedDeck &deck);

// The offered deck a case has chosen (its family, model and thickness codes).
OfferedDeck DeckOf(const DesignCase &record);

// What taking a row or cell of a deck-choice table puts into the main window: the deck, and
// from a span-table cell with a span also that cell's shoring and span.
struct TakenDeck {
    OfferedDeck deck;
    std::optional<int> shoringCode;
    std::optional<int> span; // mm
    bool operator==(const TakenDeck &) const = default;
};

} // namespace korvane
