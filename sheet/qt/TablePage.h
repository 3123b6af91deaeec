#pragma once
// A deck-choice table as one printed A4 page: title, conditions, the table and a drawing
// below it. One drawing serves every paged device, a printer's page as a PDF file's, as the
// sheet's printed page does.

#include "core/DesignCase.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QPaintDevice;
class QPainter;
class QRectF;

namespace korvane {

// The fill of a table's marked row, on paper and on screen: a pale amber that prints light on
// grey paper and keeps red texts readable.
inline const QColor kMarkedRowFill{255, 236, 179};

struct PrintedTable {
    QString title;        // the table's name, the page's heading
    QString projectTitle; // the case's project title; empty when it has none
    QString dateText;     // printed at the heading's right, as the sheet prints its date
    QStringList conditionLines;
    QStringList headings;
    QList<QStringList> rows; // each as many texts as there are headings
    int markedRow = -1;      // the row that stands out (the main window's deck); -1 none
};

// A page headed with the table's name, the case's project title and today's date.
PrintedTable NewPrintedTable(const QString &title, const DesignCase &record);

// The page's document title: the project title, or the table's name when the case has none.
QString TableDocumentTitle(const PrintedTable &table);

// Draws on the rectangle left below the table, in the device's pixels.
using DrawBelowTable = std::function<void(QPainter &painter, const QRectF &area)>;

// Draws the table as one A4 page from the paper's corner at the device's resolution; the
// rows shrink to fit the page when there are many. False when painting could not begin.
bool DrawTablePage(QPaintDevice &page, const PrintedTable &table,
                   const DrawBelowTable &drawBelow = {});

} // namespace korvane
