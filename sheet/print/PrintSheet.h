#pragma once
// The printed sheet on a printer the user chooses. Kept apart from sheet/qt so that the
// programs that only write files (korvane-calc) do not load Qt's print support.

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "core/PrintSettings.h"
#include "sheet/print/ArchivalPrinting.h"

#include <string>

class QPrinter;

namespace korvane {

// Prints the sheet as one page on a printer chosen by the caller (a PDF file, when the user
// printed to one, is archival with the project title as document title). Not printed when the
// printer could not begin or finish the page (a printer or file that cannot be opened, a
// PDF file that could not be written whole: with the reason).
PrintOutcome PrintSheet(QPrinter &printer, const DesignCase &record,
                        const CalculationResult &result, const PrintSettings &print,
                        const std::string &dateText);

} // namespace korvane
