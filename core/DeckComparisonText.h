#pragma once
// The deck comparison as text: what each cell of the comparison window shows, and the
// comparison as a CSV file for spreadsheet programs.
//
// Utilisations are rounded up, never to the nearest: a ratio of 0.871 reads 0.88, so that a
// reader who checks "≤ 1.00" on the printed figure never passes a deck the calculation
// fails. A failing check reads at least one step above 1 (1.01 on the screen), even where
// its ratio lies within a step of 1.

#include "core/DeckComparison.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The window shows two decimals; the CSV file four, rounded by the same rule.
inline constexpr int kShownUtilisationDecimals = 2;
inline constexpr int kCsvUtilisationDecimals = 4;

// Verdict marks of one check in the table.
inline constexpr const char *kCheckPassText = "O.K.";
inline constexpr const char *kCheckFailText = "不可";
inline constexpr const char *kNotApplicableText = "－";

struct CheckCellTexts {
    std::string verdict;     // "O.K.", "不可", or "－" where the check does not apply
    std::string utilisation; // "0.87", or "－" where the check does not apply
    bool fails = false;      // applies and fails: the window marks it
};

struct DeckComparisonRowTexts {
    std::string deck;                     // "PX75LA-07"
    std::string weight;                   // "154" (N/m²)
    std::array<CheckCellTexts, 4> checks; // in the sheet's order
    std::string largest;                  // the largest utilisation over the checks that apply
    bool fails = false;                   // some check fails
    // "無し", "有り-１本", "有り-２本", "－" when no shoring suffices, or why the deck was not
    // calculated: "計算範囲外 (4900 mm以下)" (its checks and largest utilisation read "－").
    std::string leastShoring;
};

// What a row of a deck beyond its calculable range shows in place of the least shoring.
std::string BeyondSpanLimitText(int largestSpan);

// The utilisation rounded up to `decimals` places, as "0.87"; a failing check reads at least
// 1 plus one step. "∞" where the ratio is not finite (a limit of zero).
std::string UtilisationText(double utilisation, bool passes,
                            int decimals = kShownUtilisationDecimals);

// The main window's caption of a shoring option without its padding: "無し", "有り-１本",
// "有り-２本"; "－" for a code that is none of them.
std::string ShoringCaption(int shoringCode);

DeckComparisonRowTexts DeckComparisonTexts(const DeckComparisonRow &row,
                                           int decimals = kShownUtilisationDecimals);

// One cell of the table: its text and whether it reads as failing (red in the window).
struct ComparisonCell {
    std::string text;
    bool failing = false;
    bool operator==(const ComparisonCell &) const = default;
};

// The cells of a row in the order of the headings: deck, weight, per check its verdict and
// its utilisation (both failing where the check fails), the largest utilisation (failing
// where the deck fails) and the least shoring. The window, the printed page and the CSV file
// all lay out a row by this.
std::vector<ComparisonCell> DeckComparisonCells(const DeckComparisonRowTexts &texts);
std::vector<std::string> CellTexts(const std::vector<ComparisonCell> &cells);

// Column headings of the table, top line and bottom line (the bottom empty for a heading of
// one line): デッキ, 単位重量 (N/㎡), per check its verdict and its utilisation, 最大検定比,
// 必要支保工.
struct ColumnHeading {
    std::string top;
    std::string bottom;
};
const std::vector<ColumnHeading> &DeckComparisonHeadings();
// Headings of one line each, short enough for the printed A4 page: a check's mark over its
// verdict column, "検定比" over its utilisation.
std::vector<std::string> DeckComparisonPageHeadings();

inline constexpr const char *kDeckComparisonTitle = "デッキ比較";

// What the window says when taking a row raises the case's shoring to the row's least
// (TakenFromComparison); empty when the shoring stays.
std::string ComparisonTakeNote(const DeckComparisonRow &row);

// The line under the comparison table: how taking a row treats the shoring.
inline constexpr const char *kDeckComparisonTakeNote =
    "行をダブルクリック（またはEnter）すると、そのデッキを入力画面に取り込みます。"
    "現在の支保工で不可の行は、必要支保工も取り込みます。";

// The lines above the comparison: the conditions the tables share, then the case's span and
// its shoring ("スパン：2500 mm", "支保工：無し").
std::vector<std::string> DeckComparisonConditions(const DesignCase &conditions);

// The comparison of the case `conditions` as a CSV file: the UTF-8 byte-order mark, the
// heading (the table's name, `date`, the project title), the conditions one line a row, an
// empty row, the headings (top and bottom joined), then one row per deck in the rows' order,
// utilisations with four decimals.
std::string DeckComparisonCsv(const std::vector<DeckComparisonRow> &rows,
                              const DesignCase &conditions, std::string_view date);

} // namespace korvane
