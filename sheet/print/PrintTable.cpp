#include "sheet/print/PrintTable.h"

#include "sheet/print/ArchivalPrinting.h"

#include <QPrinter>

namespace korvane {

PrintOutcome PrintTablePage(QPrinter &printer, const PrintedTable &table,
                            const DrawBelowTable &drawBelow) {
    printer.setFullPage(true);
    MakeArchivalIfPdf(printer, TableDocumentTitle(table));
    return PrintReplacingPdfFile(printer, [&] {
        const bool painted = DrawTablePage(printer, table, drawBelow);
        return painted && printer.printerState() != QPrinter::Error;
    });
}

} // namespace korvane
