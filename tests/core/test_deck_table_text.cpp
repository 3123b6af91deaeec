// The texts of the deck-choice tables: cells, conditions in the main window's words, and the
// CSV file a spreadsheet program opens.
#include "core/Catalogue.h"
#include "core/CsvText.h"
#include "core/DeckTableText.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <sstream>

namespace korvane {
namespace {

struct CellCase {
    const char *name;
    SpanTableCell cell;
    const char *text;
};

void PrintTo(const CellCase &row, std::ostream *os) {
    const SpanTableCell &cell = row.cell;
    PrintRow(os, "name", row.name, "shoringCode", cell.shoringCode, "maxSpan", cell.maxSpan,
             "governing", cell.governing ? CheckKey(*cell.governing) : "none", "text", row.text);
}

const CellCase kCells[] = {
    {"spanAndCheck", {code::kShoringNone, 3250, CheckName::bending}, "3250 曲げ"},
    {"deflection", {code::kShoringOneRow, 4120, CheckName::deflection}, "4120 たわみ"},
    {"topOfRange", {code::kShoringTwoRows, 4900, std::nullopt}, "4900"},
    {"noSpanPasses", {code::kShoringNone, std::nullopt, CheckName::ribBearing}, "－ 支圧"},
};

class SpanCellTexts : public ::testing::TestWithParam<CellCase> {};

TEST_P(SpanCellTexts, ShowSpanAndStoppingCheck) {
    EXPECT_EQ(SpanCellText(GetParam().cell), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cells, SpanCellTexts, ::testing::ValuesIn(kCells),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DeckTableText, CompactCaptionDropsPaddingBlanks) {
    EXPECT_EQ(CompactCaption("無  し"), "無し");
    EXPECT_EQ(CompactCaption("普　　 通"), "普通");
    EXPECT_EQ(CompactCaption(" 施工割増係数α "), "施工割増係数α");
    EXPECT_EQ(CompactCaption("Ⅰ類 [1.0]"), "Ⅰ類[1.0]");
}

TEST(DeckTableText, ShoringHeadingsFollowShoringCodes) {
    EXPECT_EQ(ShoringHeadings(),
              (std::vector<std::string>{"支保工 無し", "支保工 有り-１本", "支保工 有り-２本"}));
    EXPECT_EQ(ShoringHeading(99), "");
}

TEST(DeckTableText, ConditionsNameEveryInputThatShapesTheTable) {
    DesignCase conditions = DefaultDesignCase();
    conditions.concreteKind = code::kConcreteLight1;
    conditions.slabThickness = 160;
    conditions.workLoadValue = 2450;
    conditions.otherLoadValue = 500;
    conditions.alphaClass = code::kClass2;
    conditions.coatingCode = 1;
    EXPECT_EQ(ConditionsText(conditions),
              (std::vector<std::string>{"コンクリート種類：軽量１種　コンクリート厚：160 mm",
                                        "作業荷重：2450 N/㎡", "その他荷重：500 N/㎡",
                                        "施工割増係数α：Ⅱ類 [1.25]",
                                        "表面処理：Z27（各デッキのカタログ重量）"}));
}

TEST(DeckTableText, OwnCoatingNamesTheWeightUsedForEveryDeck) {
    DesignCase conditions = DefaultDesignCase();
    conditions.coatingCode = code::kCoatingOther;
    conditions.unitWeight = 300;
    EXPECT_EQ(ConditionsText(conditions).back(), "表面処理：他　単位重量：300 N/㎡（全デッキ）");
}

// One row with a different cell under each shoring option, so that a column shown under the
// wrong heading cannot read right.
SpanTableRow RowWithThreeCells() {
    SpanTableRow row;
    row.deck = {code::kFamilyPx, 0, 5};
    row.deckLabel = "PX75LA-07";
    row.weight = 111;
    row.cells = {SpanTableCell{code::kShoringNone, 2100, CheckName::deflection},
                 SpanTableCell{code::kShoringOneRow, 4900, std::nullopt},
                 SpanTableCell{code::kShoringTwoRows, std::nullopt, CheckName::ribBearing}};
    return row;
}

TEST(SpanTableText, CellsStandUnderTheirHeadings) {
    EXPECT_EQ(SpanTableHeadings(),
              (std::vector<std::string>{"デッキ", "重量 (N/㎡)", "支保工 無し", "支保工 有り-１本",
                                        "支保工 有り-２本"}));
    EXPECT_EQ(SpanTableCells(RowWithThreeCells()),
              (std::vector<std::string>{"PX75LA-07", "111", "2100 たわみ", "4900", "－ 支圧"}));
    for (int column = 0; column < static_cast<int>(SpanTableHeadings().size()); ++column) {
        const auto shoring = ShoringOfSpanTableColumn(column);
        SCOPED_TRACE(column);
        if (column < kSpanTableFirstShoringColumn) {
            EXPECT_FALSE(shoring);
            continue;
        }
        ASSERT_TRUE(shoring);
        EXPECT_EQ(SpanTableHeadings()[std::size_t(column)],
                  ShoringHeading(kShoringCodes[*shoring]));
    }
    EXPECT_FALSE(ShoringOfSpanTableColumn(-1));
    EXPECT_FALSE(ShoringOfSpanTableColumn(int(SpanTableHeadings().size())));
}

// What a double-click takes, column by column: a span cell gives its own shoring and span.
TEST(SpanTableText, TakingACellGivesItsDeckShoringAndSpan) {
    const SpanTableRow row = RowWithThreeCells();
    struct Taking {
        int column;
        TakenDeck taken;
    };
    const Taking takings[] = {
        {0, {row.deck, std::nullopt, std::nullopt}}, {1, {row.deck, std::nullopt, std::nullopt}},
        {2, {row.deck, code::kShoringNone, 2100}},   {3, {row.deck, code::kShoringOneRow, 4900}},
        {4, {row.deck, std::nullopt, std::nullopt}}, // no span passes: the deck alone
    };
    for (const Taking &t : takings) {
        const TakenDeck taken = TakenFromSpanTable(row, ShoringOfSpanTableColumn(t.column));
        EXPECT_EQ(taken.deck, t.taken.deck) << "column " << t.column;
        EXPECT_EQ(taken.shoringCode, t.taken.shoringCode) << "column " << t.column;
        EXPECT_EQ(taken.span, t.taken.span) << "column " << t.column;
    }
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(SpanTableCsv, StartsWithByteOrderMarkAndHoldsOneRowPerDeck) {
    const SpanTableRow passing = RowWithThreeCells();
    const DesignCase conditions = DefaultDesignCase();
    const std::string csv = SpanTableCsv({passing, passing}, conditions);

    ASSERT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0u);
    const std::vector<std::string> lines = Lines(csv.substr(kUtf8ByteOrderMark.size()));
    const std::size_t conditionCount = ConditionsText(conditions).size();
    ASSERT_EQ(lines.size(), 1 + conditionCount + 1 + 1 + 2);
    EXPECT_EQ(lines[0], "最大スパン表");
    EXPECT_EQ(lines[1], ConditionsText(conditions)[0]);
    EXPECT_EQ(lines[conditionCount + 1], "");
    EXPECT_EQ(lines[conditionCount + 2],
              "デッキ,重量 (N/㎡),支保工 無し 最大スパン (mm),支保工 無し 決定要因,"
              "支保工 有り-１本 最大スパン (mm),支保工 有り-１本 決定要因,"
              "支保工 有り-２本 最大スパン (mm),支保工 有り-２本 決定要因");
    EXPECT_EQ(lines.back(), "PX75LA-07,111,2100,たわみ,4900,,,支圧");
}

} // namespace
} // namespace korvane
