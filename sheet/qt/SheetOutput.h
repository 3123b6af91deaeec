#pragma once
// The calculation sheet as the programs hand it out: the screen sheet on the result picture
// or in a PNG file, the printed sheet on a page (a printer's, see sheet/print) or in a
// one-page A4 PDF file, and the draw log of either. Each names its drawing target to
// DrawSheet.

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "core/PrintSettings.h"

#include <QImage>
#include <QString>

#include <string>

class QPaintDevice;

namespace korvane {

inline constexpr int kResultPictureWidth = 570;
inline constexpr int kResultPictureHeight = 670;
// Height of the picture when the result window is made and draws its thin border round it;
// the calculation then lengthens the picture to kResultPictureHeight with navy rows.
inline constexpr int kResultPictureBorderHeight = 650;
inline constexpr int kPdfResolution = 600;

// An empty result picture: a navy field of kResultPictureWidth × kResultPictureHeight with
// the thin black border of the window's first picture (bottom line at row 649). With a
// device pixel ratio above 1 it has that many pixels per unit and the same layout.
QImage NewResultPicture(qreal devicePixelRatio = 1.0);

// Draws the screen sheet over what the picture holds.
void DrawScreenSheet(QImage &picture, const DesignCase &record, const CalculationResult &result);

// The screen picture of a calculated case: the sheet drawn on a new empty result picture.
// The result window shows exactly this picture and korvane-calc --png writes it, so the two
// agree pixel for pixel (at a device pixel ratio of 1).
QImage RenderScreenSheet(const DesignCase &record, const CalculationResult &result,
                         qreal devicePixelRatio = 1.0);
// The screen picture as a PNG file (false if not written).
bool WriteScreenSheetPng(const QString &path, const DesignCase &record,
                         const CalculationResult &result);

// Draws the printed sheet as one page on a paged device (a printer or a PDF writer), from the
// paper's corner, at the device's resolution. False when painting could not begin (a file
// that cannot be opened).
bool DrawPrintedSheet(QPaintDevice &page, const DesignCase &record, const CalculationResult &result,
                      const PrintSettings &print, const std::string &dateText);

// Writes the printed sheet as a one-page A4 PDF at 600 dpi with searchable text. False when
// the file cannot be written.
bool WriteSheetPdf(const QString &path, const DesignCase &record, const CalculationResult &result,
                   const PrintSettings &print, const std::string &dateText);

// The canvas operations of the sheet as JSON lines, measured with the fonts the picture and
// the PDF file use (the printer variant as on an A4 page at 600 dpi).
std::string SheetDrawLog(const DesignCase &record, const CalculationResult &result,
                         const PrintSettings &print, int target, const std::string &dateText);

// Today's date in the system's short date format, for the printed footer.
std::string TodayShortDate();

} // namespace korvane
