#include "sheet/print/PrintSheet.h"

#include "sheet/print/ArchivalPrinting.h"
#include "sheet/qt/ArchivalPdf.h"
#include "sheet/qt/SheetOutput.h"

#include "core/Errors.h"
#include "core/FileWriting.h"

#include <QFile>
#include <QPrinter>

namespace korvane {

namespace {

bool Printed(QPrinter &printer, const DesignCase &record, const CalculationResult &result,
             const PrintSettings &print, const std::string &dateText) {
    const bool painted = DrawPrintedSheet(printer, record, result, print, dateText);
    return painted && printer.printerState() != QPrinter::Error;
}

// The PDF writer does not report a write that fails (a full disk): a complete file ends
// with its end-of-file mark.
bool EndsAsPdf(const std::string &path) {
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

} // namespace

bool PrintSheet(QPrinter &printer, const DesignCase &record, const CalculationResult &result,
                const PrintSettings &print, const std::string &dateText) {
    // The print dialog's "print to file" chose a PDF: it is filed like korvane-calc's, and
    // like every file the programs write it replaces an old file only once it is complete.
    MakeArchivalIfPdf(printer, PdfDocumentTitle(print.projectTitle));
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return Printed(printer, record, result, print, dateText);
    try {
        ReplacingFile file(QFile::encodeName(target).toStdString());
        if (!file.PartialPath().empty())
            printer.setOutputFileName(QFile::decodeName(file.PartialPath().c_str()));
        const bool printed = Printed(printer, record, result, print, dateText);
        printer.setOutputFileName(target);
        if (!printed || (!file.PartialPath().empty() && !EndsAsPdf(file.PartialPath())))
            return false; // the temporary file goes with `file`
        file.Commit();
        return true;
    } catch (const FileError &) {
        printer.setOutputFileName(target);
        return false;
    }
}

} // namespace korvane
