#include "ui/deckchoice/SpanChart.h"

#include "core/Catalogue.h"
#include "core/DeckTableText.h"
#include "core/InputCaptions.h"
#include "ui/Look.h"

#include <QChart>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace korvane {

namespace {

// One colour per model, told apart on screen and in print.
constexpr std::array<QRgb, 6> kModelColours = {qRgb(0, 0, 128),   qRgb(204, 0, 68),
                                               qRgb(0, 128, 0),   qRgb(230, 120, 0),
                                               qRgb(128, 0, 160), qRgb(0, 140, 150)};
// One pen style per shoring option, in the order of kShoringCodes.
constexpr std::array<Qt::PenStyle, 3> kShoringPens = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};

constexpr double kThinnestAxis = 0.6; // mm
constexpr double kThickestAxis = 1.7; // mm
constexpr double kShortestAxis = 1000;
constexpr double kLongestAxis = 6000;

// The screen size the printed chart is laid out at before it is scaled onto the page.
constexpr double kLayoutPixelsPerMm = 3.2;

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// The rows of one model, in thickness order, each model once in the table's order.
std::vector<std::vector<const SpanTableRow *>> RowsByModel(const std::vector<SpanTableRow> &rows) {
    std::vector<std::vector<const SpanTableRow *>> models;
    std::map<std::pair<int, int>, std::size_t> index;
    for (const SpanTableRow &row : rows) {
        const auto key = std::make_pair(row.deck.family, row.deck.model);
        const auto [found, added] = index.try_emplace(key, models.size());
        if (added)
            models.emplace_back();
        models[found->second].push_back(&row);
    }
    return models;
}

// The points of one model's line for a shoring option: each thickness with its span, if any.
using LinePoints = std::vector<std::pair<int, std::optional<int>>>;

LinePoints PointsOf(const std::vector<const SpanTableRow *> &model, std::size_t shoring) {
    LinePoints points;
    for (const SpanTableRow *row : model)
        points.emplace_back(row->deck.thicknessCode, row->cells[shoring].maxSpan);
    return points;
}

// For each model and shoring option, the earlier model whose line it repeats point for point
// (none when it is a line of its own). Identical lines would lie exactly on one another and
// hide all but the last: they are drawn once, named after every model they belong to.
std::vector<std::array<std::optional<std::size_t>, 3>>
RepeatedLines(const std::vector<std::vector<const SpanTableRow *>> &models) {
    std::vector<std::array<std::optional<std::size_t>, 3>> repeats(models.size());
    for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring)
        for (std::size_t m = 0; m < models.size(); ++m)
            for (std::size_t earlier = 0; earlier < m; ++earlier)
                if (!repeats[earlier][shoring] &&
                    PointsOf(models[earlier], shoring) == PointsOf(models[m], shoring)) {
                    repeats[m][shoring] = earlier;
                    break;
                }
    return repeats;
}

QString ModelName(const std::vector<const SpanTableRow *> &model) {
    const OfferedDeck &deck = model.front()->deck;
    return Text(DeckModelName(deck.family, deck.model));
}

QLineSeries *NewSegment(QChart &chart, const QPen &pen, const QString &name, bool inLegend) {
    auto *segment = new QLineSeries;
    segment->setName(name);
    segment->setPen(pen);
    segment->setPointsVisible(true);
    chart.addSeries(segment);
    if (!inLegend) {
        for (QLegendMarker *marker : chart.legend()->markers(segment))
            marker->setVisible(false);
    }
    return segment;
}

// The line of one model and shoring option, broken where a thickness has no span: each run
// of neighbouring spans is a segment of its own; only the first shows in the legend.
std::vector<QLineSeries *> AddLine(QChart &chart, const std::vector<const SpanTableRow *> &model,
                                   std::size_t shoring, const QColor &colour, const QString &name) {
    QPen pen(colour, 2, kShoringPens[shoring]);
    std::vector<QLineSeries *> segments;
    QLineSeries *current = nullptr;
    for (const SpanTableRow *row : model) {
        const SpanTableCell &cell = row->cells[shoring];
        if (!cell.maxSpan) {
            current = nullptr;
            continue;
        }
        if (!current) {
            current = NewSegment(chart, pen, name, segments.empty());
            segments.push_back(current);
        }
        current->append(PlateThicknessOf(row->deck.thicknessCode), *cell.maxSpan);
    }
    if (segments.empty()) // keeps the line in the legend, so no model goes unmentioned
        segments.push_back(NewSegment(chart, pen, name, true));
    return segments;
}

QValueAxis *NewAxis(const QString &title, double low, double high, int ticks,
                    const QString &format) {
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setRange(low, high);
    axis->setTickCount(ticks);
    axis->setLabelFormat(format);
    axis->setTitleFont(WindowFont(12, true));
    axis->setLabelsFont(WindowFont(11));
    return axis;
}

} // namespace

QChart *MakeSpanChart(const std::vector<SpanTableRow> &rows) {
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setBackgroundBrush(Qt::white);
    chart->setDropShadowEnabled(false);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(WindowFont(11));
    // A short piece of each line, so that the legend tells the shoring options apart.
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);

    auto *thickness = NewAxis(QStringLiteral("板厚 (mm)"), kThinnestAxis, kThickestAxis, 12,
                              QStringLiteral("%.1f"));
    auto *span = NewAxis(QStringLiteral("最大スパン (mm)"), kShortestAxis, kLongestAxis, 11,
                         QStringLiteral("%d"));
    chart->addAxis(thickness, Qt::AlignBottom);
    chart->addAxis(span, Qt::AlignLeft);

    const auto models = RowsByModel(rows);
    const auto repeats = RepeatedLines(models);
    for (std::size_t m = 0; m < models.size(); ++m) {
        const QColor colour(kModelColours[m % kModelColours.size()]);
        for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
            if (repeats[m][shoring])
                continue; // drawn with the earlier model's line, which names this model too
            QStringList names{ModelName(models[m])};
            for (std::size_t later = m + 1; later < models.size(); ++later)
                if (repeats[later][shoring] == m)
                    names << ModelName(models[later]);
            const QString name = names.join(QStringLiteral("・")) + QLatin1Char(' ') +
                                 Text(CompactCaption(caption::kShoringOptions[shoring]));
            for (QLineSeries *segment : AddLine(*chart, models[m], shoring, colour, name)) {
                segment->attachAxis(thickness);
                segment->attachAxis(span);
            }
        }
    }
    return chart;
}

namespace {

// The printed legend: a small grid with a row per model (its name in its colour) and a
// column per shoring option, each cell a piece of that line. It stays readable where the
// chart's own list of eighteen entries would not fit beside a chart a third of a page high.
void DrawLegendGrid(QPainter &painter, const QRectF &area, const std::vector<SpanTableRow> &rows,
                    double pixelsPerMm) {
    const auto models = RowsByModel(rows);
    QFont font = WindowFont(12);
    font.setPointSizeF(7.5);
    painter.setFont(font);
    const double rowHeight = 4.6 * pixelsPerMm;
    const double nameWidth = area.width() * 0.34;
    const double cellWidth = (area.width() - nameWidth) / double(kShoringCodes.size());
    double top = area.top();
    painter.setPen(Qt::black);
    for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
        const QRectF cell(area.left() + nameWidth + cellWidth * double(shoring), top, cellWidth,
                          rowHeight);
        painter.drawText(cell, Qt::AlignCenter,
                         Text(CompactCaption(caption::kShoringOptions[shoring])));
    }
    top += rowHeight;
    const auto repeats = RepeatedLines(models);
    for (std::size_t m = 0; m < models.size(); ++m) {
        const QColor colour(kModelColours[m % kModelColours.size()]);
        painter.setPen(colour);
        painter.drawText(QRectF(area.left(), top, nameWidth, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, ModelName(models[m]));
        for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
            const double left = area.left() + nameWidth + cellWidth * double(shoring);
            const double middle = top + rowHeight / 2;
            if (const auto earlier = repeats[m][shoring]) {
                // This model's line is the earlier model's: say whose line to read.
                painter.setPen(QColor(kModelColours[*earlier % kModelColours.size()]));
                painter.drawText(QRectF(left, top, cellWidth, rowHeight), Qt::AlignCenter,
                                 QStringLiteral("＝") + ModelName(models[*earlier]));
                continue;
            }
            painter.setPen(QPen(colour, 0.5 * pixelsPerMm, kShoringPens[shoring], Qt::FlatCap));
            painter.drawLine(QPointF(left + cellWidth * 0.15, middle),
                             QPointF(left + cellWidth * 0.85, middle));
        }
        top += rowHeight;
    }
}

} // namespace

void DrawSpanChart(QPainter &painter, const QRectF &area, const std::vector<SpanTableRow> &rows) {
    const double pixelsPerMm = painter.device()->logicalDpiX() / 25.4;
    const double legendWidth = std::min(area.width() * 0.3, 52 * pixelsPerMm);
    const QRectF chartArea(area.left(), area.top(), area.width() - legendWidth, area.height());
    DrawLegendGrid(painter,
                   QRectF(chartArea.right() + 2 * pixelsPerMm, area.top() + 4 * pixelsPerMm,
                          legendWidth - 2 * pixelsPerMm, area.height()),
                   rows, pixelsPerMm);

    // Laid out at a screen-like size with the page's proportions, then scaled onto the page:
    // lines and text stay vector drawing, so the printer's resolution keeps them sharp.
    const QSizeF layout(chartArea.width() / pixelsPerMm * kLayoutPixelsPerMm,
                        chartArea.height() / pixelsPerMm * kLayoutPixelsPerMm);
    QGraphicsScene scene;
    QChart *chart = MakeSpanChart(rows);
    chart->legend()->hide();
    scene.addItem(chart); // the scene owns the chart from here
    chart->setGeometry(QRectF(QPointF(0, 0), layout));
    scene.setSceneRect(chart->geometry());
    scene.render(&painter, chartArea, scene.sceneRect(), Qt::KeepAspectRatio);
}

SpanChartView::SpanChartView(const std::vector<SpanTableRow> &rows, QWidget *parent)
    : QChartView(MakeSpanChart(rows), parent) {
    setRenderHint(QPainter::Antialiasing);
}

} // namespace korvane
