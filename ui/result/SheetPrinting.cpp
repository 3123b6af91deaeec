#include "ui/result/SheetPrinting.h"

#include "sheet/print/PrintSheet.h"
#include "sheet/qt/TodayDate.h"
#include "ui/GuardedRun.h"
#include "ui/result/BusyNotice.h"
#include "ui/result/PrinterChoice.h"
#include "ui/result/ResultWindow.h"

#include <QPrinter>
#include <QtGlobal>

#include <utility>

namespace korvane {
namespace {

void PrintOnChosenPrinter(QWidget *window, const CaseResult &result, const PrintSettings &print) {
    QPrinter printer(QPrinter::HighResolution);
    if (!ChoosePrinter(printer, window))
        return;
    PrintOutcome outcome;
    {
        BusyNotice busy(window);
        outcome = PrintSheet(printer, result.record, result.calculation, print, TodayShortDate());
    }
    if (!outcome.printed)
        ShowGeneralError(PrintFailureText(printer, outcome.reason), window);
}

constexpr SheetPrinting kPrinting{PrintOnChosenPrinter};

} // namespace

// The printer choice lives with the printing code, in this module.
ResultWindow::PrinterChoice ResultWindow::SetPrinterChoice(PrinterChoice choice) {
    return korvane::SetPrinterChoice(std::move(choice));
}

} // namespace korvane

extern "C" Q_DECL_EXPORT const korvane::SheetPrinting *korvane_sheet_printing() {
    return &korvane::kPrinting;
}
