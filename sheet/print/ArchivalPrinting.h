#pragma once
// The print dialog's "print to file" writes a PDF: it is made archival like every PDF the
// programs write (see sheet/qt/ArchivalPdf.h), and like every file they write it replaces an
// old file of that name only once it is complete (see core/FileWriting.h).

#include <QString>

#include <functional>
#include <string>

class QPrinter;

namespace korvane {

// Whether a page reached its printer and, when it did not, why, where the system said: a
// PDF file's write failure ("ディスクがいっぱいです"); empty when nothing more is known.
struct PrintOutcome {
    bool printed = false;
    std::string reason;
};

// When the printer writes a PDF file: PDF/A-1b, korvane as creator, the given title.
void MakeArchivalIfPdf(QPrinter &printer, const QString &title);

// Runs `print` (which paints on `printer` and says whether it succeeded). When the printer
// writes a PDF file, it writes a temporary file beside it, which replaces the file only when
// painting succeeded and the file is complete; otherwise it is removed and an old file stays,
// and the outcome names the reason the file could not be written.
PrintOutcome PrintReplacingPdfFile(QPrinter &printer, const std::function<bool()> &print);

} // namespace korvane
