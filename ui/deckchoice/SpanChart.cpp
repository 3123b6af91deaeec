#include "ui/deckchoice/SpanChart.h"

#include "core/Catalogue.h"
#include "core/DeckTableText.h"
#include "core/InputCaptions.h"
#include "core/SpanChartLines.h"
#include "ui/Look.h"

#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace korvane {

namespace {

// One colour per model, told apart on screen and in print.
constexpr std::array<QRgb, 6> kModelColours = {qRgb(0, 0, 128),   qRgb(204, 0, 68),
                                               qRgb(0, 128, 0),   qRgb(230, 120, 0),
                                               qRgb(128, 0, 160), qRgb(0, 140, 150)};
// One pen style per shoring option, in the order of kShoringCodes, and one width: the
// wider lines are drawn first, so where one model's lines for two options run on one another
// the wider one still shows on both sides of the narrower.
constexpr std::array<Qt::PenStyle, 3> kShoringPens = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
constexpr std::array<double, 3> kShoringWidths = {1.5, 3, 5};
// One marker per model, drawn hollow at each point of its lines: where the lines of several
// models run on one another over part of the range, the markers there still name them all.
constexpr std::array<QScatterSeries::MarkerShape, 6> kModelMarkers = {
    QScatterSeries::MarkerShapeCircle,   QScatterSeries::MarkerShapeRectangle,
    QScatterSeries::MarkerShapeTriangle, QScatterSeries::MarkerShapeRotatedRectangle,
    QScatterSeries::MarkerShapeStar,     QScatterSeries::MarkerShapePentagon};
// Their sizes, in pixels of the screen-sized chart: different, so that markers of several
// models on one point nest instead of covering one another.
constexpr std::array<double, 6> kMarkerSizes = {10, 9, 16, 14, 17, 12};

constexpr double kThinnestAxis = 0.6; // mm
constexpr double kThickestAxis = 1.7; // mm
constexpr double kShortestAxis = 1000;
constexpr double kLongestAxis = 6000;

// The screen size the printed chart is laid out at before it is scaled onto the page.
constexpr double kLayoutPixelsPerMm = 3.2;
// On paper the lines and markers are drawn thinner and smaller than on the screen, whose
// pixels are coarser: the ink of a printed line need not cover a pixel.
constexpr double kPaperLines = 0.6;
constexpr double kPaperMarkers = 0.55;

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

QLineSeries *NewSegment(QChart &chart, const QPen &pen, const QString &name, bool inLegend) {
    auto *segment = new QLineSeries;
    segment->setName(name);
    segment->setPen(pen);
    chart.addSeries(segment);
    if (!inLegend) {
        for (QLegendMarker *marker : chart.legend()->markers(segment))
            marker->setVisible(false);
    }
    return segment;
}

QColor ModelColour(std::size_t model) {
    return QColor(kModelColours[model % kModelColours.size()]);
}

// A line of the chart, a segment for each run of neighbouring spans; only the first shows in
// the legend.
std::vector<QLineSeries *> AddLine(QChart &chart, const SpanChartLine &line) {
    const QPen pen(ModelColour(line.model), kShoringWidths[line.shoring],
                   kShoringPens[line.shoring]);
    const QString name = Text(line.name);
    std::vector<QLineSeries *> segments;
    for (const std::vector<SpanChartPoint> &points : line.segments) {
        QLineSeries *segment = NewSegment(chart, pen, name, segments.empty());
        for (const SpanChartPoint &point : points)
            segment->append(point.thickness, point.span);
        segments.push_back(segment);
    }
    if (segments.empty()) // keeps the line in the legend, so no model goes unmentioned
        segments.push_back(NewSegment(chart, pen, name, true));
    return segments;
}

// The model's marker at every point of its lines (not in the legend: the legend grid shows
// each model's marker beside its name).
QScatterSeries *AddMarkers(QChart &chart, const std::vector<SpanChartPoint> &points,
                           const std::string &modelName, std::size_t model) {
    auto *markers = new QScatterSeries;
    markers->setName(Text(modelName));
    markers->setMarkerShape(kModelMarkers[model % kModelMarkers.size()]);
    markers->setMarkerSize(kMarkerSizes[model % kMarkerSizes.size()]);
    markers->setPen(QPen(ModelColour(model), 1.5));
    markers->setBrush(Qt::NoBrush);
    for (const SpanChartPoint &point : points)
        markers->append(point.thickness, point.span);
    chart.addSeries(markers);
    return markers;
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
    // The chart's own list of some twenty entries has no room for their names beside or
    // below a chart of this size: the legend grid (SpanChartView, the printed page) names them.
    chart->legend()->hide();

    auto *thickness = NewAxis(QStringLiteral("板厚 (mm)"), kThinnestAxis, kThickestAxis, 12,
                              QStringLiteral("%.1f"));
    auto *span = NewAxis(QStringLiteral("最大スパン (mm)"), kShortestAxis, kLongestAxis, 11,
                         QStringLiteral("%d"));
    chart->addAxis(thickness, Qt::AlignBottom);
    chart->addAxis(span, Qt::AlignLeft);

    const std::vector<SpanChartLine> lines = SpanChartLines(rows);
    // The widest lines first (two rows of shoring), so that narrower ones lie on top.
    for (std::size_t shoring = kShoringCodes.size(); shoring-- > 0;)
        for (const SpanChartLine &line : lines)
            if (line.shoring == shoring)
                for (QLineSeries *segment : AddLine(*chart, line)) {
                    segment->attachAxis(thickness);
                    segment->attachAxis(span);
                }
    const std::vector<std::string> models = SpanChartModels(rows);
    const auto points = SpanChartModelPoints(rows);
    for (std::size_t m = 0; m < models.size(); ++m) {
        QScatterSeries *markers = AddMarkers(*chart, points[m], models[m], m);
        markers->attachAxis(thickness);
        markers->attachAxis(span);
    }
    return chart;
}

namespace {

// A model's marker as the chart draws it, for the legend grid.
void DrawMarker(QPainter &painter, QScatterSeries::MarkerShape shape, const QPointF &centre,
                double size) {
    const double r = size / 2;
    const auto regular = [&](int corners, double turn, double inner) {
        QPolygonF polygon;
        const int points = inner > 0 ? corners * 2 : corners;
        for (int i = 0; i < points; ++i) {
            const double radius = inner > 0 && i % 2 == 1 ? r * inner : r;
            const double angle = turn + 2 * std::numbers::pi * i / points;
            polygon << centre + QPointF(radius * std::sin(angle), -radius * std::cos(angle));
        }
        painter.drawPolygon(polygon);
    };
    switch (shape) {
    case QScatterSeries::MarkerShapeRectangle:
        painter.drawRect(QRectF(centre.x() - r, centre.y() - r, size, size));
        break;
    case QScatterSeries::MarkerShapeTriangle:
        regular(3, 0, 0);
        break;
    case QScatterSeries::MarkerShapeRotatedRectangle:
        regular(4, 0, 0);
        break;
    case QScatterSeries::MarkerShapeStar:
        regular(5, 0, 0.45);
        break;
    case QScatterSeries::MarkerShapePentagon:
        regular(5, 0, 0);
        break;
    default:
        painter.drawEllipse(centre, r, r);
        break;
    }
}

// The legend grid: a row per model (its marker and its name in its colour) and a column per
// shoring option, each cell a piece of that line in its pen; a model whose line is an earlier
// model's reads 「＝MODEL」 there. The chart's own list of some twenty entries would not fit
// beside or below a chart of this size with its names. `fontPoints` sets the grid's scale.
double LegendRowHeight(double pixelsPerMm, double fontPoints) {
    return fontPoints * 0.62 * pixelsPerMm;
}

// `chartPixel`: the device pixels one pixel of the chart's layout takes, for line widths.
void DrawLegendGrid(QPainter &painter, const QRectF &area, const std::vector<SpanTableRow> &rows,
                    double pixelsPerMm, double fontPoints, double chartPixel) {
    const std::vector<std::string> models = SpanChartModels(rows);
    QFont font = WindowFont(12);
    font.setPointSizeF(fontPoints);
    painter.setFont(font);
    const double rowHeight = LegendRowHeight(pixelsPerMm, fontPoints);
    const double markerUnit = rowHeight * 0.045; // the chart's marker pixel in the grid
    const double nameWidth = area.width() * 0.34;
    const double cellWidth = (area.width() - nameWidth) / double(kShoringCodes.size());
    const double widthScale = chartPixel;
    double top = area.top();
    painter.setPen(Qt::black);
    for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
        const QRectF cell(area.left() + nameWidth + cellWidth * double(shoring), top, cellWidth,
                          rowHeight);
        painter.drawText(cell, Qt::AlignCenter,
                         Text(CompactCaption(caption::kShoringOptions[shoring])));
    }
    top += rowHeight;
    const std::vector<SpanChartRepeat> repeats = SpanChartRepeats(rows);
    for (std::size_t m = 0; m < models.size(); ++m) {
        const QColor colour = ModelColour(m);
        const auto marker = kModelMarkers[m % kModelMarkers.size()];
        const double markerSize = kMarkerSizes[m % kMarkerSizes.size()] * markerUnit;
        const double nameIndent = 18 * markerUnit;
        const double middle = top + rowHeight / 2;
        painter.setPen(QPen(colour, 1.5 * widthScale));
        painter.setBrush(Qt::NoBrush);
        DrawMarker(painter, marker, QPointF(area.left() + nameIndent / 2, middle), markerSize);
        painter.drawText(
            QRectF(area.left() + nameIndent * 1.2, top, nameWidth - nameIndent * 1.2, rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, Text(models[m]));
        for (std::size_t shoring = 0; shoring < kShoringCodes.size(); ++shoring) {
            const double left = area.left() + nameWidth + cellWidth * double(shoring);
            if (const auto earlier = repeats[m][shoring]) {
                // This model's line is the earlier model's: say whose line to read.
                const QString text = QStringLiteral("＝") + Text(models[*earlier]);
                QFont fitting = font;
                const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
                if (wide > cellWidth * 0.95)
                    fitting.setPointSizeF(fontPoints * cellWidth * 0.95 / wide);
                painter.setFont(fitting);
                painter.setPen(ModelColour(*earlier));
                painter.drawText(QRectF(left, top, cellWidth, rowHeight), Qt::AlignCenter, text);
                painter.setFont(font);
                continue;
            }
            painter.setPen(QPen(colour, kShoringWidths[shoring] * widthScale, kShoringPens[shoring],
                                Qt::FlatCap));
            painter.drawLine(QPointF(left + cellWidth * 0.1, middle),
                             QPointF(left + cellWidth * 0.9, middle));
            painter.setPen(QPen(colour, 1.5 * widthScale));
            DrawMarker(painter, marker, QPointF(left + cellWidth / 2, middle), markerSize);
        }
        top += rowHeight;
    }
}

// The grid below the chart on screen, sized for its rows.
class SpanLegend : public QWidget {
public:
    SpanLegend(const std::vector<SpanTableRow> &rows, QWidget *parent)
        : QWidget(parent), m_rows(rows) {}

    int WantedHeight() const {
        const double rows = double(SpanChartModels(m_rows).size() + 1);
        return int(std::ceil(LegendRowHeight(PixelsPerMm(), kScreenPoints) * rows)) + 4;
    }

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawLegendGrid(painter, QRectF(rect()).adjusted(8, 2, -8, -2), m_rows, PixelsPerMm(),
                       kScreenPoints, 1);
    }

private:
    static constexpr double kScreenPoints = 9;
    double PixelsPerMm() const { return logicalDpiX() / 25.4; }
    std::vector<SpanTableRow> m_rows;
};

} // namespace

namespace {

// Thinner lines and smaller markers for paper (kPaperLines, kPaperMarkers).
void ThinForPaper(QChart &chart) {
    for (QAbstractSeries *series : chart.series()) {
        if (auto *markers = qobject_cast<QScatterSeries *>(series)) {
            markers->setMarkerSize(markers->markerSize() * kPaperMarkers);
            QPen pen = markers->pen();
            pen.setWidthF(pen.widthF() * kPaperLines);
            markers->setPen(pen);
        } else if (auto *line = qobject_cast<QLineSeries *>(series)) {
            QPen pen = line->pen();
            pen.setWidthF(pen.widthF() * kPaperLines);
            line->setPen(pen);
        }
    }
}

} // namespace

void DrawSpanChart(QPainter &painter, const QRectF &area, const std::vector<SpanTableRow> &rows) {
    const double pixelsPerMm = painter.device()->logicalDpiX() / 25.4;
    const double legendWidth = std::min(area.width() * 0.36, 64 * pixelsPerMm);
    const QRectF chartArea(area.left(), area.top(), area.width() - legendWidth, area.height());
    DrawLegendGrid(painter,
                   QRectF(chartArea.right() + 2 * pixelsPerMm, area.top() + 4 * pixelsPerMm,
                          legendWidth - 2 * pixelsPerMm, area.height()),
                   rows, pixelsPerMm, 7.5, kPaperLines * pixelsPerMm / kLayoutPixelsPerMm);

    // Laid out at a screen-like size with the page's proportions, then scaled onto the page:
    // lines and text stay vector drawing, so the printer's resolution keeps them sharp.
    const QSizeF layout(chartArea.width() / pixelsPerMm * kLayoutPixelsPerMm,
                        chartArea.height() / pixelsPerMm * kLayoutPixelsPerMm);
    QGraphicsScene scene;
    QChart *chart = MakeSpanChart(rows);
    ThinForPaper(*chart);
    scene.addItem(chart); // the scene owns the chart from here
    chart->setGeometry(QRectF(QPointF(0, 0), layout));
    scene.setSceneRect(chart->geometry());
    scene.render(&painter, chartArea, scene.sceneRect(), Qt::KeepAspectRatio);
}

SpanChartView::SpanChartView(const std::vector<SpanTableRow> &rows, QWidget *parent)
    : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto *view = new QChartView(MakeSpanChart(rows), this);
    view->setRenderHint(QPainter::Antialiasing);
    m_plot = view;
    auto *legend = new SpanLegend(rows, this);
    m_legendHeight = legend->WantedHeight();
    m_legend = legend;
}

void SpanChartView::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    const int w = width();
    const int h = height();
    if (w >= h * 3 / 2) {
        const int legendWidth = std::min(w * 2 / 5, 380);
        m_plot->setGeometry(0, 0, w - legendWidth, h);
        m_legend->setGeometry(w - legendWidth, std::max(0, (h - m_legendHeight) / 2), legendWidth,
                              std::min(h, m_legendHeight));
    } else {
        m_plot->setGeometry(0, 0, w, std::max(0, h - m_legendHeight));
        m_legend->setGeometry(0, std::max(0, h - m_legendHeight), w, std::min(h, m_legendHeight));
    }
}

} // namespace korvane
