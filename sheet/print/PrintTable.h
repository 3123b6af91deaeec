#pragma once
// A deck-choice table's page on a printer the user chose, as the sheet prints.

#include "sheet/print/ArchivalPrinting.h"
#include "sheet/qt/TablePage.h"

class QPrinter;

namespace korvane {

// Prints the table's page on a printer chosen by the caller, laid out from the paper's
// corner whatever margins the dialog left; a PDF file is archival with the table's document
// title. Not printed when the printer could not begin or finish the page (with the reason a
// PDF file could not be written).
PrintOutcome PrintTablePage(QPrinter &printer, const PrintedTable &table,
                            const DrawBelowTable &drawBelow = {});

} // namespace korvane
