#pragma once
// The lines of the maximum-span chart: the largest span against the plate thickness, one
// line per deck model and shoring option. A line that repeats an earlier model's point for
// point would lie on it and hide it: it is drawn once, named after every model it belongs to.
// A thickness without a span breaks the line rather than joining its neighbours.

#include "core/SpanTable.h"

#include <array>
#include <cstddef>
#include <optional>
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

// For each model (in SpanChartModels' order) and shoring option, the earlier model whose
// line it repeats point for point; none where the line is its own. The chart's legend names
// the earlier model there.
using SpanChartRepeat = std::array<std::optional<std::size_t>, kShoringCodes.size()>;
std::vector<SpanChartRepeat> SpanChartRepeats(const std::vector<SpanTableRow> &rows);

// Each model's spans for every shoring option (row by row), where the chart puts the model's
// markers: a model whose line lies on another's is still seen at its points.
std::vector<std::vector<SpanChartPoint>>
SpanChartModelPoints(const std::vector<SpanTableRow> &rows);

} // namespace korvane
