// The deck-choice tables against the calculation itself: every cell of the span table and
// every row of the comparison is checked through CalculateCase, for conditions that reach
// each check (light and heavy slabs, loads, classes, own weight).
#include "core/Catalogue.h"
#include "core/DeckComparison.h"
#include "core/InputForm.h"
#include "core/PreCheck.h"
#include "core/SpanTable.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <set>

namespace korvane {
namespace {

struct Conditions {
    const char *name;
    int concreteKind;
    int slabThickness;
    int workLoad;
    int otherLoad;
    int alphaClass;
    int coating;
    int unitWeight; // used with "他" only
};

void PrintTo(const Conditions &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "slab", row.slabThickness, "workLoad", row.workLoad, "otherLoad",
             row.otherLoad, "class", row.alphaClass, "coating", row.coating);
}

DesignCase CaseOf(const Conditions &c) {
    DesignCase record = DefaultDesignCase();
    record.concreteKind = c.concreteKind;
    record.slabThickness = c.slabThickness;
    record.workLoadValue = c.workLoad;
    record.otherLoadValue = c.otherLoad;
    record.alphaClass = c.alphaClass;
    record.coatingCode = c.coating;
    record.unitWeight = c.unitWeight;
    return record;
}

const Conditions kConditions[] = {
    {"defaultSlab", code::kConcreteNormal, 130, 2450, 0, code::kClassSteel, 0, 0},
    {"thinLight", code::kConcreteLight2, 120, 1470, 0, code::kClass1, 1, 0},
    {"heavySlab", code::kConcreteNormal, 400, 2450, 1000, code::kClass2, 2, 0},
    {"thickestSlab", code::kConcreteNormal, 800, 4900, 3000, code::kClass3, 3, 0},
    {"ownWeight", code::kConcreteLight1, 200, 1470, 500, code::kClassSteel, code::kCoatingOther,
     300},
    // PX75LA and PX75V in 0.7 mm without shoring pass at the smallest calculable span and at
    // no other: the edge of the range, where a scan that stops short finds nothing.
    {"passesOnlyAtSmallestSpan", code::kConcreteNormal, 280, 2450, 5000, code::kClass3, 0, 0},
};

class SpanTableCells : public ::testing::TestWithParam<Conditions> {};

DesignCase CellCase(const DesignCase &conditions, const SpanTableRow &row, int shoring, int span) {
    DesignCase record = CaseWithDeck(conditions, row.deck);
    record.shoringCode = shoring;
    record.spanLength = span;
    return record;
}

// The property the table promises: its span passes every check, 10 mm more fails the check
// it names (or lies beyond the calculable range when it names none).
TEST_P(SpanTableCells, SpanPassesAndTenMoreFailsTheNamedCheck) {
    const DesignCase conditions = CaseOf(GetParam());
    const auto table = BuildSpanTable(conditions);
    ASSERT_EQ(table.size(), OfferedDecks().size());
    for (const SpanTableRow &row : table) {
        const int largest = LargestCalculableSpan(row.deck.family, row.deck.model);
        for (const SpanTableCell &cell : row.cells) {
            SCOPED_TRACE(row.deckLabel + " shoring " + std::to_string(cell.shoringCode));
            const int above =
                cell.maxSpan ? *cell.maxSpan + kSpanTableStep : kSmallestCalculableSpan;
            if (cell.maxSpan) {
                EXPECT_EQ(*cell.maxSpan % kSpanTableStep, 0);
                const auto at =
                    CalculateCase(CellCase(conditions, row, cell.shoringCode, *cell.maxSpan));
                EXPECT_TRUE(EveryCheckPasses(at.verdicts));
            }
            if (above > largest) {
                EXPECT_FALSE(cell.governing);
                continue;
            }
            ASSERT_TRUE(cell.governing);
            const auto over = CalculateCase(CellCase(conditions, row, cell.shoringCode, above));
            EXPECT_EQ(FirstFailingCheck(over.verdicts), cell.governing);
            // Nothing passes above the table's span either: it is the largest.
            for (int span = above; span <= largest; span += kSpanTableStep)
                ASSERT_FALSE(EveryCheckPasses(
                    CalculateCase(CellCase(conditions, row, cell.shoringCode, span)).verdicts))
                    << span;
        }
    }
}

// Each column holds its own shoring option; with the property above (its span passes with
// that option, nothing above it does) a column computed or placed under another option fails.
// The options give different spans somewhere, so that such a swap cannot go unseen.
TEST_P(SpanTableCells, EachColumnIsItsShoringOption) {
    const DesignCase conditions = CaseOf(GetParam());
    std::set<std::size_t> columnsThatDiffer;
    for (const SpanTableRow &row : BuildSpanTable(conditions)) {
        SCOPED_TRACE(row.deckLabel);
        for (std::size_t i = 0; i < kShoringCodes.size(); ++i) {
            EXPECT_EQ(row.cells[i].shoringCode, kShoringCodes[i]);
            const std::size_t next = (i + 1) % kShoringCodes.size();
            if (row.cells[i].maxSpan != row.cells[next].maxSpan)
                columnsThatDiffer.insert(i);
        }
    }
    EXPECT_EQ(columnsThatDiffer.size(), kShoringCodes.size());
}

TEST(SpanTable, TheCasesDeckIsFoundByItsCodes) {
    DesignCase conditions = DefaultDesignCase();
    const auto table = BuildSpanTable(conditions);
    for (std::size_t i = 0; i < table.size(); ++i) {
        conditions.deckFamily = table[i].deck.family;
        conditions.deckModel = table[i].deck.model;
        conditions.thicknessCode = table[i].deck.thicknessCode;
        EXPECT_EQ(RowHoldingDeck(table, conditions), int(i));
    }
    conditions.thicknessCode = 99;
    EXPECT_EQ(RowHoldingDeck(table, conditions), -1);
}

// Each of the four checks governs somewhere among the conditions, and some cells reach the
// top of the range or find no span: the property above then covers every branch.
TEST(SpanTable, EveryKindOfCellOccurs) {
    std::set<std::optional<CheckName>> governing;
    bool noSpan = false;
    bool topOfRange = false;
    bool smallestSpan = false;
    for (const Conditions &c : kConditions)
        for (const SpanTableRow &row : BuildSpanTable(CaseOf(c)))
            for (const SpanTableCell &cell : row.cells) {
                governing.insert(cell.governing);
                noSpan = noSpan || !cell.maxSpan;
                topOfRange = topOfRange || !cell.governing;
                smallestSpan = smallestSpan || cell.maxSpan == kSmallestCalculableSpan;
            }
    EXPECT_EQ(governing.size(), 5u);
    EXPECT_TRUE(noSpan);
    EXPECT_TRUE(topOfRange);
    EXPECT_TRUE(smallestSpan);
}

TEST(SpanTable, RowsFollowTheWindowsListsWithTheWeightTheCalculationUses) {
    DesignCase conditions = DefaultDesignCase();
    conditions.coatingCode = 1; // Z27
    const auto table = BuildSpanTable(conditions);
    ASSERT_EQ(table.size(), 33u); // 3 ridge models × 6 thicknesses + 3 PX models × 5
    EXPECT_EQ(table.front().deckLabel, "PX75LA-07");
    EXPECT_EQ(table.front().weight, 115);
    EXPECT_EQ(table[18].deckLabel, "PX75-08");
    EXPECT_EQ(table.back().deckLabel, "PX75Vα-16");
    EXPECT_EQ(table.back().weight, 245);
    for (const SpanTableRow &row : table)
        EXPECT_NE(row.deck.model, code::kModelPx100) << row.deckLabel;

    conditions.coatingCode = code::kCoatingOther;
    conditions.unitWeight = 333;
    for (const SpanTableRow &row : BuildSpanTable(conditions))
        EXPECT_EQ(row.weight, 333) << row.deckLabel;
}

INSTANTIATE_TEST_SUITE_P(Conditions, SpanTableCells, ::testing::ValuesIn(kConditions),
                         [](const auto &info) { return std::string(info.param.name); });

class ComparisonRows : public ::testing::TestWithParam<Conditions> {};

// Utilisations are the ratios the checks compare, so that a check passes exactly when its
// utilisation is at most 1; the least shoring is the first that passes every check.
TEST_P(ComparisonRows, UtilisationsAndLeastShoringAgreeWithTheChecks) {
    for (const int span : {1500, 2500, 3600}) {
        DesignCase conditions = CaseOf(GetParam());
        conditions.spanLength = span;
        conditions.shoringCode = code::kShoringOneRow;
        const auto rows = CompareDecks(conditions);
        ASSERT_EQ(rows.size(), OfferedDecks().size());
        for (const DeckComparisonRow &row : rows) {
            SCOPED_TRACE(row.deckLabel + " span " + std::to_string(span));
            const CalculationResult &r = row.result.calculation;
            const CheckVerdicts &v = row.result.verdicts;
            EXPECT_EQ(row.result.record, CaseWithDeck(conditions, row.deck));
            EXPECT_EQ(row.checks[0].utilisation, r.ribBearingLoad / r.ribBearingAllow);
            EXPECT_EQ(row.checks[1].utilisation, v.bendingStress / r.fbAllow);
            EXPECT_EQ(row.checks[2].utilisation, r.deflection / r.deflectionLimit);
            EXPECT_EQ(row.checks[3].applies, v.maxSpan.applies);
            if (v.maxSpan.applies) {
                EXPECT_EQ(row.checks[3].utilisation, r.effectiveSpan * 10 / r.maxSpan);
            }
            double largest = 0;
            for (const CheckUtilisation &check : row.checks) {
                if (!check.applies)
                    continue;
                EXPECT_EQ(check.passes, check.utilisation <= 1) << CheckKey(check.check);
                largest = std::max(largest, check.utilisation);
            }
            EXPECT_EQ(row.largestUtilisation, largest);
            EXPECT_EQ(row.passes, EveryCheckPasses(v));

            std::optional<int> least;
            for (const int shoring : kShoringCodes) {
                DesignCase shored = row.result.record;
                shored.shoringCode = shoring;
                if (EveryCheckPasses(CalculateCase(shored).verdicts)) {
                    least = shoring;
                    break;
                }
            }
            EXPECT_EQ(row.leastShoring, least);
        }
        // Passing decks first, lightest first within each group.
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const auto &a = rows[i - 1];
            const auto &b = rows[i];
            EXPECT_TRUE(a.passes > b.passes || (a.passes == b.passes && a.weight <= b.weight))
                << a.deckLabel << " before " << b.deckLabel;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Conditions, ComparisonRows, ::testing::ValuesIn(kConditions),
                         [](const auto &info) { return std::string(info.param.name); });

// Beyond a deck's calculable range its calculation may well read O.K.; the row must not pass.
// The spans around the limits of the decks: 4900 mm for all but PX75Vα, 5700 mm for it.
TEST(ComparisonRows, ADeckBeyondItsCalculableRangeNeverPasses) {
    for (const int span : {4900, 4910, 5700}) {
        DesignCase conditions = DefaultDesignCase();
        conditions.deckModel = code::kModelPx75Valpha;
        conditions.spanLength = span;
        conditions.shoringCode = code::kShoringTwoRows;
        int beyond = 0;
        bool someBeyondWouldPass = false;
        for (const DeckComparisonRow &row : CompareDecks(conditions)) {
            SCOPED_TRACE(row.deckLabel + " span " + std::to_string(span));
            const int largest = LargestCalculableSpan(row.deck.family, row.deck.model);
            if (span <= largest) {
                EXPECT_FALSE(row.beyondSpanLimit);
                continue;
            }
            ++beyond;
            EXPECT_EQ(row.beyondSpanLimit, largest);
            EXPECT_FALSE(row.passes);
            EXPECT_FALSE(row.leastShoring);
            someBeyondWouldPass |= EveryCheckPasses(row.result.verdicts);
        }
        EXPECT_EQ(beyond > 0, span > 4900);
        if (span == 5700) {
            // The case the rule is for: the calculation alone would pass such a deck.
            EXPECT_TRUE(someBeyondWouldPass);
        }
    }
}

TEST(TakeDeck, ChoosesTheDeckAsByHandAndKeepsTheOwnWeight) {
    InputForm form;
    form.ShowCase(DefaultDesignCase());
    form.TakeDeck(
        TakenDeck{{code::kFamilyPx, code::kModelPx75Valpha, 3}, code::kShoringTwoRows, 5200});
    DesignCase taken = form.ReadCase();
    EXPECT_EQ(taken.deckFamily, code::kFamilyPx);
    EXPECT_EQ(taken.deckModel, code::kModelPx75Valpha);
    EXPECT_EQ(taken.thicknessCode, 3);
    EXPECT_EQ(taken.shoringCode, code::kShoringTwoRows);
    EXPECT_EQ(taken.spanLength, 5200);
    EXPECT_EQ(form.Text(InputField::unitWeight), "212"); // PX75Vα 1.4 mm, Z12
    EXPECT_FALSE(form.PreCheck());

    form.ChooseCoating(code::kCoatingOther);
    form.SetText(InputField::unitWeight, "275");
    const FormReaction reaction = form.TakeDeck(
        TakenDeck{{code::kFamilyRidge, 2, code::kThickness07}, std::nullopt, std::nullopt});
    taken = form.ReadCase();
    EXPECT_EQ(taken.deckFamily, code::kFamilyRidge);
    EXPECT_EQ(taken.deckModel, 2);
    EXPECT_EQ(taken.thicknessCode, code::kThickness07);
    EXPECT_EQ(taken.unitWeight, 275);
    EXPECT_EQ(taken.spanLength, 5200); // no span given: the field keeps its text
    EXPECT_FALSE(reaction.focus);
}

// The tables choose the span themselves: a span out of range does not stop them, every
// other check does, with the calculate command's message and correction.
TEST(TakeDeck, ConditionsArePreCheckedWithoutTheSpan) {
    InputForm form;
    form.ShowCase(DefaultDesignCase());
    form.SetText(InputField::span, "999");
    EXPECT_FALSE(form.PreCheckConditions());
    form.SetText(InputField::slabThickness, "110");
    const auto failure = form.PreCheckConditions();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->field, InputField::slabThickness);
    EXPECT_EQ(failure->message, "計算できるコンクリート厚さは、120 mm以上です");
    EXPECT_EQ(failure->corrected, "120");
}

} // namespace
} // namespace korvane
