#pragma once
// korvane-calc's deck-choice tables as JSON lines: the maximum-span table, one line per deck
// and shoring option, and the deck comparison, one line per deck. As CSV they are core's
// files, the very bytes the windows' CSV出力 saves.

#include "core/DeckComparison.h"
#include "core/SpanTable.h"

#include <string>
#include <vector>

namespace korvane {

class JsonWriter;

// Appends the output to `out`; `json` is the run's writer, reused for each line.
void WriteSpanTable(std::string &out, JsonWriter &json, const std::vector<SpanTableRow> &rows);
void WriteComparison(std::string &out, JsonWriter &json,
                     const std::vector<DeckComparisonRow> &rows);

} // namespace korvane
