#pragma once
// The maximum-span chart beside the table: the largest span against the plate thickness, one
// line per deck model and shoring option (colour and a hollow marker by model, pen style and
// width by shoring; a line that repeats another model's point for point is drawn once and
// named after both). The same chart and legend grid are shown in the window and drawn onto
// the printed page.

#include "core/SpanTable.h"

#include <QWidget>

#include <vector>

class QChart;
class QPainter;
class QRectF;

namespace korvane {

// A new chart of the table's rows; the caller owns it. A cell without a span gives no point,
// and a line breaks there rather than joining its neighbours.
QChart *MakeSpanChart(const std::vector<SpanTableRow> &rows);

// Draws the chart of the rows into `area` of the painter's device, as sharp as the device.
void DrawSpanChart(QPainter &painter, const QRectF &area, const std::vector<SpanTableRow> &rows);

// The chart with its legend grid below it (the grid names every line: a row per model with
// its marker, a column per shoring option).
class SpanChartView : public QWidget {
    Q_OBJECT
public:
    SpanChartView(const std::vector<SpanTableRow> &rows, QWidget *parent = nullptr);

protected:
    // The grid goes below the plot, or beside it where the widget is much wider than high
    // (a short screen), so that the plot keeps room for its axis labels.
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_plot = nullptr;
    QWidget *m_legend = nullptr;
    int m_legendHeight = 0;
};

} // namespace korvane
