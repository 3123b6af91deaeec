#include "sheet/print/ArchivalPrinting.h"

#include <QPrinter>

namespace korvane {

void MakeArchivalIfPdf(QPrinter &printer, const QString &title) {
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    printer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    printer.setCreator(QStringLiteral("korvane"));
    printer.setDocName(title);
}

} // namespace korvane
