#include "sheet/qt/TablePage.h"

#include "sheet/DrawSheet.h"
#include "sheet/qt/ArchivalPdf.h"
#include "sheet/qt/QtCanvas.h"
#include "sheet/qt/SheetOutput.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kMarginMm = 15;
constexpr double kTitlePoints = 14;
constexpr double kTextPoints = 9;
constexpr double kCellPoints = 8;
constexpr double kPreferredRowMm = 4.2;
constexpr double kSmallestRowMm = 3.2;
const QColor kHeadingFill(225, 228, 234);

QFont PageFont(double points, bool bold = false) {
    QFont font(SheetFontFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Millimetres to the device's pixels.
class PageScale {
public:
    explicit PageScale(const QPaintDevice &page)
        : m_x(page.logicalDpiX() / 25.4), m_y(page.logicalDpiY() / 25.4) {}
    double X(double mm) const { return mm * m_x; }
    double Y(double mm) const { return mm * m_y; }

private:
    double m_x;
    double m_y;
};

// Column widths: each as wide as its widest text, the room left shared out evenly.
QList<double> ColumnWidths(QPainter &painter, const PrintedTable &table, double width,
                           double padding) {
    QList<double> widths;
    const qsizetype columns = table.headings.size();
    painter.setFont(PageFont(kCellPoints, true)); // headings and a marked row are bold
    for (qsizetype c = 0; c < columns; ++c) {
        double widest = painter.fontMetrics().horizontalAdvance(table.headings[c]);
        for (const QStringList &row : table.rows) {
            if (c < row.size())
                widest = std::max<double>(widest, painter.fontMetrics().horizontalAdvance(row[c]));
        }
        widths << widest + 2 * padding;
    }
    double total = 0;
    for (double w : widths)
        total += w;
    if (columns > 0) {
        const double share = (width - total) / double(columns);
        for (double &w : widths)
            w = std::max(1.0, w + share);
    }
    return widths;
}

void DrawRow(QPainter &painter, const QStringList &texts, const QList<double> &widths,
             const QRectF &line, double padding, bool alignNumbersRight) {
    double left = line.left();
    for (qsizetype c = 0; c < widths.size(); ++c) {
        const QRectF cell(left, line.top(), widths[c], line.height());
        painter.drawRect(cell);
        const Qt::Alignment align =
            (alignNumbersRight && c > 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
        if (c < texts.size())
            painter.drawText(cell.adjusted(padding, 0, -padding, 0), align, texts[c]);
        left += widths[c];
    }
}

// Draws the heading and rows from `top`; returns the bottom of the table.
double DrawTable(QPainter &painter, const PrintedTable &table, const QRectF &area,
                 const PageScale &mm) {
    const double padding = mm.X(1.2);
    const QList<double> widths = ColumnWidths(painter, table, area.width(), padding);
    const double roomForRows = area.height() * 0.75; // leave the lower part for the drawing
    const double rowHeight = std::clamp(roomForRows / double(table.rows.size() + 1),
                                        mm.Y(kSmallestRowMm), mm.Y(kPreferredRowMm));
    QPen grid(Qt::black);
    grid.setWidthF(mm.X(0.15));
    painter.setPen(grid);

    double top = area.top();
    QRectF line(area.left(), top, area.width(), rowHeight);
    painter.fillRect(line, kHeadingFill);
    painter.setFont(PageFont(kCellPoints, true));
    DrawRow(painter, table.headings, widths, line, padding, false);
    top += rowHeight;
    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        line = QRectF(area.left(), top, area.width(), rowHeight);
        const bool marked = r == table.markedRow;
        if (marked)
            painter.fillRect(line, kMarkedRowFill);
        painter.setFont(PageFont(kCellPoints, marked));
        DrawRow(painter, table.rows[r], widths, line, padding, true);
        top += rowHeight;
    }
    return top;
}

} // namespace

PrintedTable NewPrintedTable(const QString &title, const DesignCase &record) {
    PrintedTable page;
    page.title = title;
    if (HasProjectTitle(record.projectTitle))
        page.projectTitle = QString::fromStdString(record.projectTitle).trimmed();
    page.dateText = QString::fromStdString(TodayShortDate());
    return page;
}

bool DrawTablePage(QPaintDevice &page, const PrintedTable &table, const DrawBelowTable &drawBelow) {
    QPainter painter;
    if (!painter.begin(&page))
        return false;
    const PageScale mm(page);
    const QRectF body(mm.X(kMarginMm), mm.Y(kMarginMm), mm.X(kPageWidthMm - 2 * kMarginMm),
                      mm.Y(kPageHeightMm - 2 * kMarginMm));
    double top = body.top();

    painter.setPen(Qt::black);
    painter.setFont(PageFont(kTitlePoints, true));
    const double titleHeight = painter.fontMetrics().height();
    painter.drawText(QRectF(body.left(), top, body.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, table.title);
    painter.setFont(PageFont(kTextPoints));
    painter.drawText(QRectF(body.left(), top, body.width(), titleHeight),
                     Qt::AlignRight | Qt::AlignVCenter, table.dateText);
    top += titleHeight + mm.Y(2);

    const double lineHeight = painter.fontMetrics().height();
    if (!table.projectTitle.isEmpty()) {
        painter.drawText(QRectF(body.left(), top, body.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("物件名：") + table.projectTitle);
        top += lineHeight + mm.Y(1);
    }
    for (const QString &line : table.conditionLines) {
        painter.drawText(QRectF(body.left(), top, body.width(), lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, line);
        top += lineHeight;
    }
    top += mm.Y(3);

    const double tableBottom =
        DrawTable(painter, table, QRectF(body.left(), top, body.width(), body.bottom() - top), mm);
    if (drawBelow) {
        const QRectF below(body.left(), tableBottom + mm.Y(4), body.width(),
                           body.bottom() - tableBottom - mm.Y(4));
        if (below.height() > 0) {
            painter.save();
            drawBelow(painter, below);
            painter.restore();
        }
    }
    return painter.end();
}

QString TableDocumentTitle(const PrintedTable &table) {
    const QString title = XmlSafeTitle(table.projectTitle).trimmed();
    return title.isEmpty() ? table.title : title;
}

} // namespace korvane
