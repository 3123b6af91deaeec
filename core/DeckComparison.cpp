#include "core/DeckComparison.h"

#include "core/PreCheck.h"

#include <algorithm>

namespace korvane {

namespace {

// Over zero (a limit the catalogue lacks) the ratio is infinite: the check cannot pass.
double Ratio(double value, double limit) {
    return value / limit;
}

double UtilisationOf(const CaseResult &calculated, CheckName check) {
    const CalculationResult &r = calculated.calculation;
    switch (check) {
    case CheckName::ribBearing:
        return Ratio(r.ribBearingLoad, r.ribBearingAllow);
    case CheckName::bending:
        return Ratio(calculated.verdicts.bendingStress, r.fbAllow);
    case CheckName::deflection:
        return Ratio(r.deflection, r.deflectionLimit);
    case CheckName::maxSpan:
        return Ratio(r.effectiveSpan * 10, r.maxSpan);
    }
    return 0;
}

std::optional<int> LeastPassingShoring(DesignCase record) {
    for (const int shoring : kShoringCodes) {
        record.shoringCode = shoring;
        if (EveryCheckPasses(CalculateCase(record).verdicts))
            return shoring;
    }
    return std::nullopt;
}

DeckComparisonRow CompareDeck(const DesignCase &conditions, const OfferedDeck &deck) {
    DeckComparisonRow row;
    row.deck = deck;
    const DesignCase record = CaseWithDeck(conditions, deck);
    row.result = CalculateCase(record);
    row.deckLabel = row.result.calculation.deckLabel;
    row.weight = row.result.calculation.deckWeight;
    row.checks = UtilisationsOf(row.result);
    for (const CheckUtilisation &check : row.checks)
        if (check.applies)
            row.largestUtilisation = std::max(row.largestUtilisation, check.utilisation);
    const int largestSpan = LargestCalculableSpan(deck.family, deck.model);
    if (record.spanLength > largestSpan) {
        row.beyondSpanLimit = largestSpan;
        return row; // neither passes nor has a least shoring
    }
    row.passes = EveryCheckPasses(row.result.verdicts);
    row.leastShoring = LeastPassingShoring(record);
    return row;
}

} // namespace

std::array<CheckUtilisation, 4> UtilisationsOf(const CaseResult &calculated) {
    std::array<CheckUtilisation, 4> checks;
    for (std::size_t i = 0; i < kChecksInSheetOrder.size(); ++i) {
        const CheckName check = kChecksInSheetOrder[i];
        const CheckVerdict &verdict = VerdictOf(calculated.verdicts, check);
        checks[i] = {check, verdict.applies, verdict.passes,
                     verdict.applies ? UtilisationOf(calculated, check) : 0.0};
    }
    return checks;
}

std::vector<DeckComparisonRow> CompareDecks(const DesignCase &conditions) {
    std::vector<DeckComparisonRow> rows;
    rows.reserve(OfferedDecks().size());
    for (const OfferedDeck &deck : OfferedDecks())
        rows.push_back(CompareDeck(conditions, deck));
    std::stable_sort(rows.begin(), rows.end(),
                     [](const DeckComparisonRow &a, const DeckComparisonRow &b) {
                         if (a.passes != b.passes)
                             return a.passes;
                         return a.weight < b.weight;
                     });
    return rows;
}

int RowHoldingDeck(const std::vector<DeckComparisonRow> &rows, const DesignCase &record) {
    const OfferedDeck deck = DeckOf(record);
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const DeckComparisonRow &row) { return row.deck == deck; });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

TakenDeck TakenFromComparison(const DeckComparisonRow &row) {
    TakenDeck taken{row.deck, std::nullopt, std::nullopt};
    if (!row.passes && row.leastShoring)
        taken.shoringCode = row.leastShoring;
    return taken;
}

} // namespace korvane
