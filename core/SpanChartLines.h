#pragma once
// The lines of the maximum-span chart: the largest span against the plate thickness, one
// line per deck model and shoring option. A line that repeats an earlier model's point for
// point would lie on it and hide it: it is drawn once, named after every model it belongs to.
// A thickness without a span breaks the line rather than joining its neighbours.

#include "core/SpanTable.h"

#include <cstddef>
#include <string>
#include <vector>

namespace korvane {

struct SpanChartPoint {
    double thickness = 0; // mm
    int span = 0;         // mm
};

struct SpanChartLine {
    std::size_t model = 0;   // the model's place among SpanChartModels (its colour)
    std::size_t shoring = 0; // the shoring option, in the order of kShoringCodes (its pen)
    std::string name;        // "PX75LA・PX75LB 無し"
    std::vector<std::vector<SpanChartPoint>> segments;
};

// The models of the table's rows, each once, in the table's order.
std::vector<std::string> SpanChartModels(const std::vector<SpanTableRow> &rows);

// The lines to draw, by model and then shoring option; a model's line that repeats an
// earlier one's is left out (the earlier line names it).
std::vector<SpanChartLine> SpanChartLines(const std::vector<SpanTableRow> &rows);

} // namespace korvane
