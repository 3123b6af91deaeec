#pragma once
// How the deck-choice windows hand a table out: its page through the print dialog, as the
// sheet prints, and a CSV file through a save dialog. The page itself is drawn in
// sheet/qt/TablePage.h.

#include "sheet/qt/TablePage.h"

#include <QString>

#include <string>

class QLabel;
class QWidget;

namespace korvane {

// Prints the page on the printer the user chooses (the print dialog, or the choice tests put
// in its place); a PDF file is made archival, with the project title as its document title
// (the table's name when the case has none). A printer or file that cannot take the page is
// reported as the sheet's printing reports it.
void PrintTable(QWidget *parent, const PrintedTable &table, const DrawBelowTable &drawBelow = {});

// The line above a table window's conditions, as its printed page is headed: the project
// title (when the case has one) and today's date, so that the window says which case it shows.
QLabel *NewTableHeading(const DesignCase &record, QWidget *parent);

// Asks where to save a CSV file (proposing `proposedName`, confirming before a file is
// replaced) and writes `text` there whole or not at all. Throws FileError when the file
// cannot be written; does nothing when the user cancels.
void ExportCsv(QWidget *parent, const QString &proposedName, const std::string &text);

} // namespace korvane
