#pragma once
// The calculation sheet as the programs hand it out: the screen sheet on the result picture
// or in a PNG file, the printed sheet on a printer or in a one-page A4 PDF file, and the draw
// log of either. Every function sets drawTarget around its DrawSheet call.

#include "core/Inputdata.h"
#include "core/PrintSettings.h"
#include "core/U_calc.h"

#include <QImage>
#include <QString>

#include <string>

class QPrinter;

namespace korvane {

inline constexpr int kResultPictureWidth = 570;
inline constexpr int kResultPictureHeight = 670;
inline constexpr int kPdfResolution = 600;

// An empty result picture: a navy field with a thin border.
QImage NewResultPicture();

// Draws the screen sheet over what the picture holds.
void DrawScreenSheet(QImage &picture, const CInputData &record, const CCalcResult &result);

// A new result picture with the screen sheet on it; PNG file of it (false if not written).
QImage RenderScreenSheet(const CInputData &record, const CCalcResult &result);
bool WriteScreenSheetPng(const QString &path, const CInputData &record, const CCalcResult &result);

// Prints the sheet as one page on a printer chosen by the caller.
void PrintSheet(QPrinter &printer, const CInputData &record, const CCalcResult &result,
                const PrintSettings &print, const std::string &dateText);

// Writes the printed sheet as a one-page A4 PDF at 600 dpi with searchable text. False when
// the file cannot be written.
bool WriteSheetPdf(const QString &path, const CInputData &record, const CCalcResult &result,
                   const PrintSettings &print, const std::string &dateText);

// The canvas operations of the sheet as JSON lines, measured with the fonts the picture and
// the PDF file use (the printer variant as on an A4 page at 600 dpi).
std::string SheetDrawLog(const CInputData &record, const CCalcResult &result,
                         const PrintSettings &print, int target, const std::string &dateText);

// Today's date in the system's short date format, for the printed footer.
std::string TodayShortDate();

} // namespace korvane
