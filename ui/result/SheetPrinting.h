#pragma once
// Printing the calculation sheet from the result window. The printing code (the print dialog,
// the sheet and the deck-choice tables on a printer) is built into a module of its own, with
// QtPrintSupport under it, which the result window loads when the user first prints
// (ui/ProgramModule.h): a start then maps neither the module nor the print library.

#include "core/Calculation.h"
#include "core/PrintSettings.h"

class QWidget;

namespace korvane {

struct SheetPrinting {
    // Prints `result` with the print settings `print` on the printer the user chooses over
    // `window` (nothing when the user cancels); a printer that cannot take the page is shown
    // as an error over `window` once the busy notice has gone.
    void (*printOnChosenPrinter)(QWidget *window, const CaseResult &result,
                                 const PrintSettings &print);
};

// The module's file name without prefix and suffix, and the name of its entry point.
inline constexpr const char *kPrintingModule = "korvane_print";
inline constexpr const char *kSheetPrintingEntry = "korvane_sheet_printing";

} // namespace korvane

// The module's entry point: the result window's printing.
extern "C" const korvane::SheetPrinting *korvane_sheet_printing();
