#pragma once
// The calculation sheet as the programs hand it out: the screen sheet on the result picture
// or in a PNG file, the printed sheet on a page (a printer's, see sheet/print) or in an
// archival A4 PDF file of one page per case, and the draw log of either. Each names its
// drawing target to DrawSheet.

#include "core/Calculation.h"
#include "core/DesignCase.h"
#include "core/FileWriting.h"
#include "core/PrintSettings.h"
#include "sheet/SheetDrawLog.h"
#include "sheet/qt/TodayDate.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <memory>
#include <string>

class QIODevice;
class QPaintDevice;

namespace korvane {

inline constexpr int kResultPictureWidth = 570;
inline constexpr int kResultPictureHeight = 670;
// Height of the picture when the result window is made and draws its thin border round it;
// the calculation then lengthens the picture to kResultPictureHeight with navy rows.
inline constexpr int kResultPictureBorderHeight = 650;

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
// The screen picture as a PNG file, replacing an old file only once the new one is complete
// (see core/FileWriting). False if not written, with the message naming the file and the
// reason in `error` when given.
bool WriteScreenSheetPng(const QString &path, const DesignCase &record,
                         const CalculationResult &result, std::string *error = nullptr);

// Draws the printed sheet on the current page of a paged device (a printer or a PDF writer)
// whose painter the caller has begun, from the paper's corner, at the device's resolution.
// A document of several sheets calls it once per page, with newPage() between.
void DrawPrintedPage(QPainter &painter, const DesignCase &record, const CalculationResult &result,
                     const PrintSettings &print, const std::string &dateText);

// Draws the printed sheet as a one-page document on a paged device. False when painting could
// not begin or end (a file that cannot be opened).
bool DrawPrintedSheet(QPaintDevice &page, const DesignCase &record, const CalculationResult &result,
                      const PrintSettings &print, const std::string &dateText);

// A PDF file of printed sheets: one A4 page at 600 dpi per case added, archival, with
// searchable text and the first case's project title as its document title. The file is
// opened with its first page, so a document that gets no page writes no file. The pages go
// to a temporary file beside it (see core/FileWriting), which replaces the file only when
// Finish completed it; a document that fails, or is dropped without Finish (a program
// stopped half way), leaves any old file as it was.
class SheetPdfFile {
public:
    explicit SheetPdfFile(QString path);
    ~SheetPdfFile();
    SheetPdfFile(const SheetPdfFile &) = delete;
    SheetPdfFile &operator=(const SheetPdfFile &) = delete;

    // Adds the case's sheet as the next page. False when the file cannot be written; once it
    // has failed, or after Finish, every later page is refused too.
    bool AddPage(const DesignCase &record, const CalculationResult &result,
                 const PrintSettings &print, const std::string &dateText);
    // Ends the document and puts the file in place. False when it failed or could not be
    // completed.
    bool Finish();
    int Pages() const { return m_pages; }
    // Why the file could not be written ("ファイル "…" に書き込めません。(ディスクが
    // いっぱいです)"); empty while it has not failed.
    const std::string &Error() const { return m_error; }

private:
    bool Open(const QString &title);
    bool Fail();

    QString m_path;
    std::unique_ptr<ReplacingFile> m_file;
    std::unique_ptr<QIODevice> m_device; // hands the writer's bytes to m_file
    std::unique_ptr<QPdfWriter> m_pdf;
    QPainter m_painter;
    int m_pages = 0;
    bool m_failed = false;
    bool m_finished = false;
    std::string m_error;
};

// Writes the printed sheet as a one-page SheetPdfFile. False when the file cannot be written.
bool WriteSheetPdf(const QString &path, const DesignCase &record, const CalculationResult &result,
                   const PrintSettings &print, const std::string &dateText);

// The canvas operations of the sheet as JSON lines, measured with the fonts the picture and
// the PDF file use (the printer variant as on an A4 page at 600 dpi).
std::string SheetDrawLog(const DesignCase &record, const CalculationResult &result,
                         const PrintSettings &print, SheetTarget target,
                         const std::string &dateText);

} // namespace korvane
