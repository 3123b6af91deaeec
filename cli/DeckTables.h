#pragma once
// korvane-calc's deck-choice outputs: the maximum-span table, one line per deck and shoring
// option, and the deck comparison, one line per deck; each as JSON lines or as CSV (UTF-8
// with the byte-order mark, the JSON keys as headings, an absent value as an empty field).

#include "core/DeckComparison.h"
#include "core/SpanTable.h"

#include <string>
#include <vector>

namespace korvane {

class JsonWriter;

// Appends the output to `out`; `json` is the run's writer, reused for each line.
void WriteSpanTable(std::string &out, JsonWriter &json, const std::vector<SpanTableRow> &rows);
void WriteSpanTableCsv(std::string &out, const std::vector<SpanTableRow> &rows);
void WriteComparison(std::string &out, JsonWriter &json,
                     const std::vector<DeckComparisonRow> &rows);
void WriteComparisonCsv(std::string &out, const std::vector<DeckComparisonRow> &rows);

} // namespace korvane
