#pragma once
// Draws the calculation sheet onto a canvas: the screen variant on the result picture
// (positions on a 72-per-inch grid) or the printer variant on one printer page.

#include "sheet/Canvas.h"
#include "sheet/SheetContent.h"

#include <string>

namespace korvane {

// The target of DrawSheet: 0 none, 1 the result picture, 2 a printer page. It is 0 except
// while a caller draws; callers set it around their call (DrawTargetScope does both).
extern int drawTarget;

class DrawTargetScope {
public:
    explicit DrawTargetScope(int target) { drawTarget = target; }
    ~DrawTargetScope() { drawTarget = 0; }
    DrawTargetScope(const DrawTargetScope &) = delete;
    DrawTargetScope &operator=(const DrawTargetScope &) = delete;
};

inline constexpr const char *kSheetFontFace = "ＭＳ Ｐゴシック";

// Draws the whole sheet for the target that drawTarget names; draws nothing when it names
// none. `dateText` is the footer's date (printer only).
void DrawSheet(const CInputData &record, const CCalcResult &result, const PrintSettings &print,
               Canvas &canvas, const std::string &dateText);

// Draws already built content for its own target.
void DrawSheetContent(const SheetContent &content, Canvas &canvas);

} // namespace korvane
