// The texts of the deck comparison: how utilisations are rounded, what a row shows for
// checks that do not apply and for decks no shoring saves, and the CSV file.
#include "core/Catalogue.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <string>

namespace korvane {
namespace {

struct RoundingCase {
    const char *name;
    double utilisation;
    bool passes;
    int decimals;
    const char *text;
};

void PrintTo(const RoundingCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "utilisation", row.utilisation, "passes", row.passes, "decimals",
             row.decimals, "text", row.text);
}

class UtilisationRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(UtilisationRounding, RoundsUpAndFailingNeverReadsOne) {
    const RoundingCase &c = GetParam();
    EXPECT_EQ(UtilisationText(c.utilisation, c.passes, c.decimals), c.text);
}

const RoundingCase kRoundingCases[] = {
    {"exactHundredth", 0.87, true, 2, "0.87"},
    {"justAboveHundredthRoundsUp", 0.8701, true, 2, "0.88"},
    {"justBelowHundredth", 0.8699, true, 2, "0.87"},
    {"zero", 0.0, true, 2, "0.00"},
    {"passingAtTheLimit", 1.0, true, 2, "1.00"},
    {"failingHairAboveOne", 1.0000001, false, 2, "1.01"},
    {"failingAtOneItself", 1.0, false, 2, "1.01"},
    {"failingRoundsUp", 1.231, false, 2, "1.24"},
    {"failingLarge", 12.5, false, 2, "12.50"},
    {"limitOfZero", std::numeric_limits<double>::infinity(), false, 2, "∞"},
    {"csvFourDecimals", 0.87, true, 4, "0.8700"},
    {"csvRoundsUp", 0.123401, true, 4, "0.1235"},
    {"csvFailingHairAboveOne", 1.00000001, false, 4, "1.0001"},
};

INSTANTIATE_TEST_SUITE_P(Cases, UtilisationRounding, ::testing::ValuesIn(kRoundingCases),
                         [](const auto &info) { return std::string(info.param.name); });

DesignCase ConditionsWith(int slab, int workLoad, int shoring, int span) {
    DesignCase record = DefaultDesignCase();
    record.slabThickness = slab;
    record.workLoadValue = workLoad;
    record.shoringCode = shoring;
    record.spanLength = span;
    return record;
}

const DesignCase kSampleCases[] = {
    ConditionsWith(130, 1470, code::kShoringNone, 2000),
    ConditionsWith(200, 2450, code::kShoringNone, 3000),
    ConditionsWith(300, 2450, code::kShoringOneRow, 4500),
    ConditionsWith(600, 4900, code::kShoringTwoRows, 4900),
    ConditionsWith(600, 4900, code::kShoringTwoRows, 6000), // beyond every deck's range
};

// Over every row of a few cases: the shown figure never understates the ratio, is less than
// a hundredth above it, and reads above 1.00 exactly when the check fails.
TEST(DeckComparisonTexts, ShownUtilisationsAgreeWithTheVerdicts) {
    int failingChecks = 0;
    int passingChecks = 0;
    int beyondRows = 0;
    for (const DesignCase &conditions : kSampleCases) {
        for (const DeckComparisonRow &row : CompareDecks(conditions)) {
            SCOPED_TRACE(row.deckLabel + " span " + std::to_string(conditions.spanLength));
            const DeckComparisonRowTexts texts = DeckComparisonTexts(row);
            if (row.beyondSpanLimit) {
                // Not checked: no figure and no verdict to read, only where the range ends.
                for (const CheckCellTexts &cell : texts.checks)
                    EXPECT_EQ(cell.verdict + cell.utilisation, "－－");
                EXPECT_EQ(texts.largest, "－");
                EXPECT_TRUE(texts.fails);
                EXPECT_EQ(texts.leastShoring,
                          "計算範囲外 (" + std::to_string(*row.beyondSpanLimit) + " mm以下)");
                ++beyondRows;
                continue;
            }
            for (std::size_t i = 0; i < row.checks.size(); ++i) {
                const CheckUtilisation &check = row.checks[i];
                const CheckCellTexts &cell = texts.checks[i];
                if (!check.applies) {
                    EXPECT_EQ(cell.verdict, "－");
                    EXPECT_EQ(cell.utilisation, "－");
                    continue;
                }
                const double shown = std::strtod(cell.utilisation.c_str(), nullptr);
                EXPECT_GE(shown + 1e-12, check.utilisation) << cell.utilisation;
                EXPECT_LT(shown, check.utilisation + 0.01 + 1e-12) << cell.utilisation;
                EXPECT_EQ(shown > 1.0, !check.passes) << cell.utilisation;
                EXPECT_EQ(cell.verdict, check.passes ? "O.K." : "不可");
                EXPECT_EQ(cell.fails, !check.passes);
                ++(check.passes ? passingChecks : failingChecks);
            }
            const double largest = std::strtod(texts.largest.c_str(), nullptr);
            EXPECT_EQ(largest > 1.0, !row.passes) << texts.largest;
            EXPECT_EQ(texts.fails, !row.passes);
        }
    }
    EXPECT_GT(failingChecks, 0);
    EXPECT_GT(passingChecks, 0);
    EXPECT_GT(beyondRows, 0);
}

TEST(DeckComparisonTexts, LeastShoringReadsAsTheMainWindowsCaptions) {
    DeckComparisonRow row;
    row.leastShoring = code::kShoringNone;
    EXPECT_EQ(DeckComparisonTexts(row).leastShoring, "無し");
    row.leastShoring = code::kShoringOneRow;
    EXPECT_EQ(DeckComparisonTexts(row).leastShoring, "有り-１本");
    row.leastShoring = code::kShoringTwoRows;
    EXPECT_EQ(DeckComparisonTexts(row).leastShoring, "有り-２本");
    row.leastShoring.reset();
    EXPECT_EQ(DeckComparisonTexts(row).leastShoring, "－");
}

// A row whose checks differ from one another in verdict and figure, so that two columns
// swapped or a failing mark on the wrong cell shows.
TEST(DeckComparisonCells, FollowTheHeadingsAndMarkOnlyTheFailingCheck) {
    DeckComparisonRow row;
    row.deck = {code::kFamilyPx, 0, 5};
    row.deckLabel = "PX75LA-07";
    row.weight = 111;
    row.checks = {CheckUtilisation{CheckName::ribBearing, true, true, 0.5},
                  CheckUtilisation{CheckName::bending, true, false, 1.234},
                  CheckUtilisation{CheckName::deflection, true, true, 0.871},
                  CheckUtilisation{CheckName::maxSpan, false, true, 0}};
    row.largestUtilisation = 1.234;
    row.passes = false;
    row.leastShoring = code::kShoringOneRow;
    const std::vector<ComparisonCell> expected = {
        {"PX75LA-07", false}, {"111", false}, {"O.K.", false}, {"0.50", false},
        {"不可", true},       {"1.24", true}, {"O.K.", false}, {"0.88", false},
        {"－", false},        {"－", false},  {"1.24", true},  {"有り-１本", false}};
    EXPECT_EQ(DeckComparisonCells(DeckComparisonTexts(row)), expected);
    EXPECT_EQ(DeckComparisonHeadings().size(), expected.size());
    EXPECT_EQ(DeckComparisonPageHeadings().size(), expected.size());
    EXPECT_EQ(DeckComparisonHeadings()[4].top, "曲げ");
    EXPECT_EQ(DeckComparisonHeadings()[5].bottom, "検定比");
    EXPECT_EQ(DeckComparisonHeadings().back().top + DeckComparisonHeadings().back().bottom,
              "必要支保工");
}

TEST(DeckComparisonRows, TheCasesDeckIsFoundAndTakingARowGivesItsDeckAlone) {
    DesignCase conditions = DefaultDesignCase();
    conditions.deckFamily = code::kFamilyRidge;
    conditions.deckModel = 1;
    conditions.thicknessCode = code::kThickness07;
    const auto rows = CompareDecks(conditions);
    const int shown = RowHoldingDeck(rows, conditions);
    ASSERT_GE(shown, 0);
    EXPECT_EQ(rows[std::size_t(shown)].deck, DeckOf(conditions));
    const TakenDeck taken = TakenFromComparison(rows[std::size_t(shown)]);
    EXPECT_EQ(taken.deck, DeckOf(conditions));
    EXPECT_FALSE(taken.span) << "the case's span stays";
    conditions.deckModel = 7; // a deck no list offers
    EXPECT_EQ(RowHoldingDeck(rows, conditions), -1);
}

// Taking any row of a few cases and calculating: a row some shoring saves gives a passing
// sheet, with the shoring raised (and said) only where the case's own did not suffice; a row
// no shoring saves keeps the case's shoring and says nothing.
TEST(ComparisonTake, ATakenRowGivesTheSheetItPromised) {
    int raised = 0;
    int kept = 0;
    for (const DesignCase &conditions : kSampleCases) {
        for (const DeckComparisonRow &row : CompareDecks(conditions)) {
            SCOPED_TRACE(row.deckLabel + " span " + std::to_string(conditions.spanLength) +
                         " shoring " + std::to_string(conditions.shoringCode));
            const TakenDeck take = TakenFromComparison(row);
            const std::string note = ComparisonTakeNote(row);
            EXPECT_EQ(take.deck, row.deck);
            EXPECT_FALSE(take.span);
            EXPECT_EQ(take.shoringCode.has_value(), !note.empty());
            if (row.passes || !row.leastShoring) {
                EXPECT_FALSE(take.shoringCode);
                ++kept;
                continue;
            }
            ASSERT_TRUE(take.shoringCode);
            EXPECT_EQ(*take.shoringCode, *row.leastShoring);
            EXPECT_GT(*take.shoringCode, conditions.shoringCode);
            EXPECT_NE(note.find(ShoringCaption(*row.leastShoring)), std::string::npos) << note;
            DesignCase taken = row.result.record;
            taken.shoringCode = *take.shoringCode;
            EXPECT_TRUE(EveryCheckPasses(CalculateCase(taken).verdicts));
            ++raised;
        }
    }
    EXPECT_GT(raised, 0);
    EXPECT_GT(kept, 0);
}

std::vector<std::string> SplitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

std::vector<std::string> SplitFields(const std::string &line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find(',', start)) != std::string::npos; start = end + 1)
        fields.push_back(line.substr(start, end - start));
    fields.push_back(line.substr(start));
    return fields;
}

TEST(DeckComparisonCsv, BomConditionsHeadingsThenOneRowPerDeckInOrder) {
    const DesignCase conditions = ConditionsWith(300, 2450, code::kShoringOneRow, 4500);
    const auto rows = CompareDecks(conditions);
    const std::string csv = DeckComparisonCsv(rows, conditions, "2026/12/01");

    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const auto lines = SplitLines(csv.substr(3));
    const auto conditionLines = DeckComparisonConditions(conditions);
    ASSERT_EQ(lines.size(), 2 + conditionLines.size() + 1 + 1 + rows.size());
    EXPECT_EQ(lines[0], "デッキ比較,2026/12/01");
    EXPECT_EQ(lines[1], ProjectTitleLine(conditions));
    for (std::size_t i = 0; i < conditionLines.size(); ++i)
        EXPECT_EQ(lines[2 + i], conditionLines[i]);
    const std::size_t headingRow = 2 + conditionLines.size() + 1;
    EXPECT_EQ(lines[headingRow - 1], "");
    EXPECT_EQ(lines[headingRow],
              "デッキ,単位重量(N/㎡),支圧判定,支圧検定比,曲げ判定,曲げ検定比,"
              "たわみ判定,たわみ検定比,最大スパン判定,最大スパン検定比,最大検定比,"
              "必要支保工");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(lines[headingRow + 1 + i]);
        const auto fields = SplitFields(lines[headingRow + 1 + i]);
        ASSERT_EQ(fields.size(), DeckComparisonHeadings().size());
        EXPECT_EQ(fields[0], rows[i].deckLabel);
        for (std::size_t c = 0; c < rows[i].checks.size(); ++c) {
            const CheckUtilisation &check = rows[i].checks[c];
            const std::string &text = fields[3 + 2 * c];
            if (!check.applies) {
                EXPECT_EQ(text, "－");
                continue;
            }
            ASSERT_EQ(text.size() - text.find('.'), 5u) << "four decimals";
            EXPECT_GE(std::strtod(text.c_str(), nullptr) + 1e-12, check.utilisation);
        }
    }
}

} // namespace
} // namespace korvane
