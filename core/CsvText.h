#pragma once
// CSV text as spreadsheet programs read it: fields separated by commas, quoted where they
// hold a comma, a quote or a line break, rows ended by CR LF. Files for people start with
// the UTF-8 byte-order mark, by which spreadsheet programs on Japanese desktops tell UTF-8
// from Shift-JIS.

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A field of text typed by a person, as a spreadsheet shows it and never runs it: a text that
// would start a formula (=, +, -, @, a tab or a carriage return first) gets a leading
// apostrophe, the mark spreadsheet programs use for "this is text".
std::string CsvTextField(std::string_view text);

// Appends one row and its line end.
void AppendCsvRow(std::string &text, const std::vector<std::string> &fields);

} // namespace korvane
