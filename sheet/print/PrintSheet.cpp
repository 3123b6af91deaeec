#include "sheet/print/PrintSheet.h"

#include "sheet/qt/SheetOutput.h"

#include <QPrinter>

namespace korvane {

bool PrintSheet(QPrinter &printer, const DesignCase &record, const CalculationResult &result,
                const PrintSettings &print, const std::string &dateText) {
    const bool painted = DrawPrintedSheet(printer, record, result, print, dateText);
    return painted && printer.printerState() != QPrinter::Error;
}

} // namespace korvane
