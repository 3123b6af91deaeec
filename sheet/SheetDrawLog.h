#pragma once
// The sheet's drawing steps as JSON lines (korvane-calc --draw-log, the browser's sheet):
// the sheet drawn onto a recording canvas whose texts are measured by the caller's measure.

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "core/PrintSettings.h"
#include "sheet/RecordingCanvas.h"
#include "sheet/SheetContent.h"

#include <string>

namespace korvane {

// The resolution of the printed page in a PDF file.
inline constexpr int kPdfResolution = 600;

// The width in pixels of an A4 page at `dpi`, as a PDF page reports it: PDF writers size A4
// in whole points (595 pt, 4958 pixels at 600 dpi), a little less than 210 mm.
int A4WidthAt(int dpi);

// One JSON line per drawing step; the printer variant as on an A4 page at 600 dpi.
std::string SheetDrawLogLines(const DesignCase &record, const CalculationResult &result,
                              const PrintSettings &print, SheetTarget target,
                              const std::string &dateText, const TextMeasure &measure);

} // namespace korvane
