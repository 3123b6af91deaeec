#include "sheet/SheetDrawLog.h"

#include "sheet/DrawSheet.h"
#include "sheet/SheetContent.h"

namespace korvane {

int A4WidthAt(int dpi) {
    return 595 * dpi / 72;
}

std::string SheetDrawLogLines(const DesignCase &record, const CalculationResult &result,
                              const PrintSettings &print, SheetTarget target,
                              const std::string &dateText, const TextMeasure &measure) {
    const bool printer = target == SheetTarget::kPrinter;
    RecordingCanvas canvas(printer ? kPdfResolution : kScreenFontDpi,
                           printer ? A4WidthAt(kPdfResolution) : 0, printer ? kPdfResolution : 72,
                           measure);
    DrawSheet(canvas, target, record, result, print, dateText);
    return DrawLogJsonLines(canvas.Ops());
}

} // namespace korvane
