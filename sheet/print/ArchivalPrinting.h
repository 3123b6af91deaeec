#pragma once
// The print dialog's "print to file" writes a PDF: it is made archival like every PDF the
// programs write (see sheet/qt/ArchivalPdf.h).

#include <QString>

class QPrinter;

namespace korvane {

// When the printer writes a PDF file: PDF/A-1b, korvane as creator, the given title.
void MakeArchivalIfPdf(QPrinter &printer, const QString &title);

} // namespace korvane
