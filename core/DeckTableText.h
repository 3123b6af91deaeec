#pragma once
// The texts of the deck-choice tables, shared by their windows, their printed page and their
// CSV files: the conditions a table was made for, in the main window's own words, and the
// cells and headings of the maximum-span table.

#include "core/DesignCase.h"
#include "core/SpanTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// A caption without its blanks (ASCII and ideographic), as it reads in running text: the
// window pads "無  し" and "普　　 通" to fill their buttons.
std::string CompactCaption(std::string_view caption);

// The conditions a table was made for, one short line each: concrete kind and thickness,
// work load, other load, increase-factor class, coating (with "他" the unit weight entered
// for every deck).
std::vector<std::string> ConditionsText(const DesignCase &conditions);

// A deck's unit weight as the tables show it, without a unit: "124".
std::string WeightText(double weight);

// The heading of a shoring option's column: "支保工 無し", "支保工 有り-１本", ...
// `shoringCode` is one of kShoringCodes.
std::string ShoringHeading(int shoringCode);
std::vector<std::string> ShoringHeadings();

// A cell as the table shows it: the span and the check that stops it ("3250 曲げ"); the span
// alone at the top of the calculable range, where nothing above it was tried ("4900"); "－"
// and the check that fails at the smallest span when no span passes ("－ 曲げ").
std::string SpanCellText(const SpanTableCell &cell);

// The headings of the table's columns: デッキ, 重量 (N/㎡), then one per shoring option.
std::vector<std::string> SpanTableHeadings();
// The column of the first shoring option; the options follow in the order of kShoringCodes.
inline constexpr int kSpanTableFirstShoringColumn = 2;
// The cells of a row in the order of the headings.
std::vector<std::string> SpanTableCells(const SpanTableRow &row);
// The shoring option (0-based, in the order of kShoringCodes) of a column; none for the
// deck's own columns.
std::optional<std::size_t> ShoringOfSpanTableColumn(int column);

inline constexpr const char *kSpanTableTitle = "最大スパン表";

// The line under the span table: what taking a cell puts into the main window.
inline constexpr const char *kSpanTableTakeNote =
    "スパンのセルを選ぶと、デッキ・スパン・支保工を取り込みます。「－」のセルとデッキ欄からは"
    "デッキだけを取り込み、スパンと支保工はそのままです。";

// The line that names the case a table belongs to, as the sheet's title line reads:
// 「物件名：」 and the title the case is filed under (empty after the colon when it has none).
std::string ProjectTitleLine(const DesignCase &conditions);

// The line above a table window's conditions, as its printed page is headed: the project
// title line when the case has a title, then the date.
std::string TableHeadingLine(const DesignCase &conditions, std::string_view date);

// The date a table's CSV file carries: "2026/12/01", the order and separators a spreadsheet on
// a Japanese desktop reads as a date, the same on every machine.
std::string CsvDateText(int year, int month, int day);

// The heading rows of a table's CSV file, so that a spreadsheet opened later says which case
// it belongs to: the table's name and the date, then the project title line.
void AppendCsvHeading(std::string &text, std::string_view tableName, const DesignCase &conditions,
                      std::string_view date);

// The maximum-span table as a CSV file for spreadsheet programs (UTF-8 with its byte-order
// mark): the heading (name, date, project title), the conditions, a blank row, the column
// headings, then one row per deck.
std::string SpanTableCsv(const std::vector<SpanTableRow> &rows, const DesignCase &conditions,
                         std::string_view date);

} // namespace korvane
