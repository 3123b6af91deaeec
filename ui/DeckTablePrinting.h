#pragma once
// What the deck-choice windows share to hand a table out: one printed A4 page (title,
// conditions, the table, a drawing below it) through the print dialog as the sheet prints,
// and a CSV file through a save dialog.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QPaintDevice;
class QPainter;
class QRectF;
class QWidget;

namespace korvane {

class DesignCase;

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

// Draws on the rectangle left below the table, in the device's pixels.
using DrawBelowTable = std::function<void(QPainter &painter, const QRectF &area)>;

// Draws the table as one A4 page from the paper's corner at the device's resolution; the
// rows shrink to fit the page when there are many. False when painting could not begin.
bool DrawTablePage(QPaintDevice &page, const PrintedTable &table,
                   const DrawBelowTable &drawBelow = {});

// Prints the page on the printer the user chooses (the print dialog, or the choice tests put
// in its place); a PDF file is made archival, with the project title as its document title
// (the table's name when the case has none). A printer or file that cannot take the page is
// reported as the sheet's printing reports it.
void PrintTable(QWidget *parent, const PrintedTable &table, const DrawBelowTable &drawBelow = {});

// Asks where to save a CSV file (proposing `proposedName`, confirming before a file is
// replaced) and writes `text` there whole or not at all. Throws FileError when the file
// cannot be written; does nothing when the user cancels.
void ExportCsv(QWidget *parent, const QString &proposedName, const std::string &text);

} // namespace korvane
