#pragma once
// Draws the calculation sheet onto a canvas: the screen variant on the result picture
// (positions on a 72-per-inch grid) or the printer variant on one printer page.

#include "sheet/Canvas.h"
#include "sheet/SheetContent.h"

#include <string>

namespace korvane {

inline constexpr const char *kSheetFontFace = "ＭＳ Ｐゴシック";

// Draws the whole sheet for `target` (the result picture or a printer page). `dateText` is
// the footer's date (printer only).
void DrawSheet(Canvas &canvas, SheetTarget target, const DesignCase &record,
               const CalculationResult &result, const PrintSettings &print,
               const std::string &dateText);

// Draws already built content for its own target.
void DrawSheetContent(const SheetContent &content, Canvas &canvas);

} // namespace korvane
