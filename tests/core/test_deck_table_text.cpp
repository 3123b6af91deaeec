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
    DesignCase conditions = DefaultDesignCase();
    conditions.projectTitle = "第二工区";
    const std::string csv = SpanTableCsv({passing, passing}, conditions, "2026/12/01");

    ASSERT_EQ(csv.rfind(kUtf8ByteOrderMark, 0), 0u);
    const std::vector<std::string> lines = Lines(csv.substr(kUtf8ByteOrderMark.size()));
    const std::size_t conditionCount = ConditionsText(conditions).size();
    ASSERT_EQ(lines.size(), 2 + conditionCount + 1 + 1 + 2);
    EXPECT_EQ(lines[0], "最大スパン表,2026/12/01");
    EXPECT_EQ(lines[1], "物件名：第二工区");
    EXPECT_EQ(lines[2], ConditionsText(conditions)[0]);
    EXPECT_EQ(lines[conditionCount + 2], "");
    EXPECT_EQ(lines[conditionCount + 3],
              "デッキ,重量 (N/㎡),支保工 無し 最大スパン (mm),支保工 無し 決定要因,"
              "支保工 有り-１本 最大スパン (mm),支保工 有り-１本 決定要因,"
              "支保工 有り-２本 最大スパン (mm),支保工 有り-２本 決定要因");
    EXPECT_EQ(lines.back(), "PX75LA-07,111,2100,たわみ,4900,,,支圧");
}

TEST(CsvDate, YearMonthDayWithLeadingZeros) {
    EXPECT_EQ(CsvDateText(2026, 12, 1), "2026/12/01");
    EXPECT_EQ(CsvDateText(2027, 1, 31), "2027/01/31");
}

// The heading rows a table's CSV file starts with, and the window's heading line, for the
// titles a case may hold. A typed title or date never starts a spreadsheet formula: the title
// stands after 「物件名：」 in its cell, a date that looks like a formula is marked as text.
struct HeadingCase {
    const char *name;
    const char *title;
    const char *date;
    const char *csvHeading; // the two heading rows, CR LF each
    const char *windowLine;
};

void PrintTo(const HeadingCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "title", row.title, "date", row.date);
}

const HeadingCase kHeadings[] = {
    {"plain", "第二工区", "2026/12/01", "最大スパン表,2026/12/01\r\n物件名：第二工区\r\n",
     "物件名：第二工区　　2026/12/01"},
    {"blanksRound", "　 第二工区 ", "2026/12/01", "最大スパン表,2026/12/01\r\n物件名：第二工区\r\n",
     "物件名：第二工区　　2026/12/01"},
    {"placeholder", kTitlePlaceholder, "2026/12/01", "最大スパン表,2026/12/01\r\n物件名：\r\n",
     "2026/12/01"},
    {"empty", "", "2026/12/01", "最大スパン表,2026/12/01\r\n物件名：\r\n", "2026/12/01"},
    {"formula", "=HYPERLINK(\"http://x\",\"y\")", "2026/12/01",
     "最大スパン表,2026/12/01\r\n\"物件名：=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\"\r\n",
     "物件名：=HYPERLINK(\"http://x\",\"y\")　　2026/12/01"},
    {"commaThenFormula", "A,=1+1", "2026/12/01",
     "最大スパン表,2026/12/01\r\n\"物件名：A,=1+1\"\r\n", "物件名：A,=1+1　　2026/12/01"},
    {"plusMinusAt", "+1-2@3", "2026/12/01", "最大スパン表,2026/12/01\r\n物件名：+1-2@3\r\n",
     "物件名：+1-2@3　　2026/12/01"},
    {"formulaDate", "", "=1+1", "最大スパン表,'=1+1\r\n物件名：\r\n", "=1+1"},
    {"atDate", "", "@SUM(A1)", "最大スパン表,'@SUM(A1)\r\n物件名：\r\n", "@SUM(A1)"},
    {"minusDate", "", "-1+2", "最大スパン表,'-1+2\r\n物件名：\r\n", "-1+2"},
};

class TableHeadings : public ::testing::TestWithParam<HeadingCase> {};

TEST_P(TableHeadings, NameTheCaseAndTheDateAndNeverAFormula) {
    DesignCase conditions = DefaultDesignCase();
    conditions.projectTitle = GetParam().title;
    std::string csv;
    AppendCsvHeading(csv, kSpanTableTitle, conditions, GetParam().date);
    EXPECT_EQ(csv, GetParam().csvHeading);
    EXPECT_EQ(TableHeadingLine(conditions, GetParam().date), GetParam().windowLine);
}

INSTANTIATE_TEST_SUITE_P(Titles, TableHeadings, ::testing::ValuesIn(kHeadings),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane
