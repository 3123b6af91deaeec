#include "sheet/print/ArchivalPrinting.h"

#include "core/Errors.h"
#include "core/FileWriting.h"

#include <QFile>
#include <QPrinter>

namespace korvane {

namespace {

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

void MakeArchivalIfPdf(QPrinter &printer, const QString &title) {
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    printer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    printer.setCreator(QStringLiteral("korvane"));
    printer.setDocName(title);
}

PrintOutcome PrintReplacingPdfFile(QPrinter &printer, const std::function<bool()> &print) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return {print(), {}};
    try {
        ReplacingFile file(QFile::encodeName(target).toStdString());
        const std::string partial = file.PartialPath(); // empty: a device, written directly
        if (!partial.empty())
            printer.setOutputFileName(QFile::decodeName(QByteArray::fromStdString(partial)));
        const bool printed = print();
        printer.setOutputFileName(target);
        if (!printed || (!partial.empty() && !EndsAsPdf(partial))) {
            // The PDF writer says nothing of a failed write: ask the system.
            file.FindWhyIncomplete();
            return {false, file.FailureReason()}; // the temporary file goes with `file`
        }
        file.Commit();
        return {true, {}};
    } catch (const FileError &error) {
        printer.setOutputFileName(target);
        return {false, error.Reason()};
    }
}

} // namespace korvane
