#include "sheet/print/PrintSheet.h"

#include "sheet/print/ArchivalPrinting.h"
#include "sheet/qt/ArchivalPdf.h"
#include "sheet/qt/SheetOutput.h"

#include <QPrinter>

namespace korvane {

PrintOutcome PrintSheet(QPrinter &printer, const DesignCase &record,
                        const CalculationResult &result, const PrintSettings &print,
                        const std::string &dateText) {
    // The print dialog's "print to file" chose a PDF: it is filed like korvane-calc's.
    MakeArchivalIfPdf(printer, PdfDocumentTitle(print.projectTitle));
    return PrintReplacingPdfFile(printer, [&] {
        const bool painted = DrawPrintedSheet(printer, record, result, print, dateText);
        return painted && printer.printerState() != QPrinter::Error;
    });
}

} // namespace korvane
