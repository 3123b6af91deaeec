#include "core/SpanChartLines.h"

#include "core/Catalogue.h"
#include "core/DeckTableText.h"
#include "core/InputCaptions.h"

#include <map>
#include <optional>
#include <utility>

namespace korvane {

namespace {

using ModelRows = std::vector<const SpanTableRow *>;

// The rows of each model, in thickness order, each model once in the table's order.
std::vector<ModelRows> RowsByModel(const std::vector<SpanTableRow> &rows) {
    std::vector<ModelRows> models;
    std::map<std::pair<int, int>, std::size_t> index;
    for (const SpanTableRow &row : rows) {
        const auto [found, added] =
            index.try_emplace({row.deck.family, row.deck.model}, models.size());
        if (added)
            models.emplace_back();
        models[found->second].push_back(&row);
    }
    return models;
}

// Each thickness of the model with its span for the shoring option, if any.
std::vector<std::pair<int, std::optional<int>>> PointsOf(const ModelRows &model,
                                                         std::size_t shoring) {
    std::vector<std::pair<int, std::optional<int>>> points;
    for (const SpanTableRow *row : model)
        points.emplace_back(row->deck.thicknessCode, row->cells[shoring].maxSpan);
    return points;
}

// The earlier model whose line the model's repeats for the shoring option, if any.
std::optional<std::size_t> RepeatedModel(const std::vector<ModelRows> &models, std::size_t m,
                                         std::size_t shoring) {
    for (std::size_t earlier = 0; earlier < m; ++earlier)
        if (!RepeatedModel(models, earlier, shoring) &&
            PointsOf(models[earlier], shoring) == PointsOf(models[m], shoring))
            return earlier;
    return std::nullopt;
}

std::string ModelName(const ModelRows &model) {
    return DeckModelName(model.front()->deck.family, model.front()->deck.model);
}

std::vector<std::vector<SpanChartPoint>> Segments(const ModelRows &model, std::size_t shoring) {
    std::vector<std::vector<SpanChartPoint>> segments;
    bool open = false;
    for (const SpanTableRow *row : model) {
        const std::optional<int> span = row->cells[shoring].maxSpan;
        if (!span) {
            open = false;
            continue;
        }
        if (!open)
            segments.emplace_back();
        open = true;
        segments.back().push_back({PlateThicknessOf(row->deck.thicknessCode), *span});
    }
    return segments;
}

} // namespace

std::vector<std::string> SpanChartModels(const std::vector<SpanTableRow> &rows) {
    std::vector<std::string> names;
    for (const ModelRows &model : RowsByModel(rows))
        names.push_back(ModelName(model));
    return names;
}

std::vector<SpanChartLine> SpanChartLines(const std::vector<SpanTableRow> &rows) {
    const std::vector<ModelRows> models = RowsByModel(rows);
    std::vector<SpanChartLine> lines;
    for (std::size_t m = 0; m < models.size(); ++m)
        for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
            if (RepeatedModel(models, m, shoring))
                continue;
            std::string names = ModelName(models[m]);
            for (std::size_t later = m + 1; later < models.size(); ++later)
                if (RepeatedModel(models, later, shoring) == m)
                    names += "・" + ModelName(models[later]);
            lines.push_back({m, shoring,
                             names + " " + CompactCaption(caption::kShoringOptions[shoring]),
                             Segments(models[m], shoring)});
        }
    return lines;
}

std::vector<SpanChartRepeat> SpanChartRepeats(const std::vector<SpanTableRow> &rows) {
    const std::vector<ModelRows> models = RowsByModel(rows);
    std::vector<SpanChartRepeat> repeats(models.size());
    for (std::size_t m = 0; m < models.size(); ++m)
        for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring)
            repeats[m][shoring] = RepeatedModel(models, m, shoring);
    return repeats;
}

std::vector<std::vector<SpanChartPoint>>
SpanChartModelPoints(const std::vector<SpanTableRow> &rows) {
    std::vector<std::vector<SpanChartPoint>> points;
    for (const ModelRows &model : RowsByModel(rows)) {
        std::vector<SpanChartPoint> &modelPoints = points.emplace_back();
        for (const SpanTableRow *row : model)
            for (const SpanTableCell &cell : row->cells)
                if (cell.maxSpan)
                    modelPoints.push_back(
                        {PlateThicknessOf(row->deck.thicknessCode), *cell.maxSpan});
    }
    return points;
}

} // namespace korvane
