#include "core/SpanTable.h"

#include "core/PreCheck.h"

#include <algorithm>

namespace korvane {

SpanTableCell FindMaximumSpan(const DesignCase &conditions, const OfferedDeck &deck,
                              int shoringCode) {
    DesignCase record = CaseWithDeck(conditions, deck);
    record.shoringCode = shoringCode;
    const int largest = LargestCalculableSpan(deck.family, deck.model);

    SpanTableCell cell;
    cell.shoringCode = shoringCode;
    std::optional<CheckName> failingAbove; // at the span 10 mm above the one being tried
    for (int span = largest; span >= kSmallestCalculableSpan; span -= kSpanTableStep) {
        record.spanLength = span;
        const std::optional<CheckName> failing = FirstFailingCheck(CalculateCase(record).verdicts);
        if (!failing) {
            cell.maxSpan = span;
            cell.governing = failingAbove;
            return cell;
        }
        failingAbove = failing;
    }
    cell.governing = failingAbove; // the check that fails at the smallest span
    return cell;
}

std::vector<SpanTableRow> BuildSpanTable(const DesignCase &conditions) {
    std::vector<SpanTableRow> rows;
    rows.reserve(OfferedDecks().size());
    for (const OfferedDeck &deck : OfferedDecks()) {
        SpanTableRow row;
        row.deck = deck;
        const CaseResult sample = CalculateCase(CaseWithDeck(conditions, deck));
        row.deckLabel = sample.calculation.deckLabel;
        row.weight = sample.calculation.deckWeight;
        for (std::size_t i = 0; i < kShoringCodes.size(); ++i)
            row.cells[i] = FindMaximumSpan(conditions, deck, kShoringCodes[i]);
        rows.push_back(std::move(row));
    }
    return rows;
}

int RowHoldingDeck(const std::vector<SpanTableRow> &rows, const DesignCase &record) {
    const OfferedDeck deck = DeckOf(record);
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&](const SpanTableRow &row) { return row.deck == deck; });
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

TakenDeck TakenFromSpanTable(const SpanTableRow &row, std::optional<std::size_t> shoringColumn) {
    TakenDeck taken{row.deck, std::nullopt, std::nullopt};
    if (shoringColumn && *shoringColumn < row.cells.size()) {
        const SpanTableCell &cell = row.cells[*shoringColumn];
        if (cell.maxSpan) {
            taken.shoringCode = cell.shoringCode;
            taken.span = *cell.maxSpan;
        }
    }
    return taken;
}

} // namespace korvane
