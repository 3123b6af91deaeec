#include "sheet/qt/SheetOutput.h"

#include "sheet/DrawSheet.h"
#include "sheet/RecordingCanvas.h"
#include "sheet/qt/QtCanvas.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace korvane {

namespace {

constexpr QRgb kNavy = qRgb(0, 0, 128);

// A4 at 600 dpi: what the PDF file's page reports as its width in pixels.
int A4WidthAt(int dpi) {
    return static_cast<int>(210 / 25.4 * dpi);
}

} // namespace

QImage NewResultPicture(qreal devicePixelRatio) {
    const QSize pixels =
        (QSizeF(kResultPictureWidth, kResultPictureHeight) * devicePixelRatio).toSize();
    QImage picture(pixels, QImage::Format_RGB32);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(kNavy);
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kResultPictureWidth - 1, kResultPictureBorderHeight - 1);
    return picture;
}

void DrawScreenSheet(QImage &picture, const DesignCase &record, const CalculationResult &result) {
    QtCanvas canvas(picture, kScreenFontDpi);
    DrawSheet(canvas, kTargetScreen, record, result, PrintSettings{}, {});
}

QImage RenderScreenSheet(const DesignCase &record, const CalculationResult &result,
                         qreal devicePixelRatio) {
    QImage picture = NewResultPicture(devicePixelRatio);
    DrawScreenSheet(picture, record, result);
    return picture;
}

bool WriteScreenSheetPng(const QString &path, const DesignCase &record,
                         const CalculationResult &result) {
    return RenderScreenSheet(record, result).save(path, "PNG");
}

bool DrawPrintedSheet(QPaintDevice &page, const DesignCase &record, const CalculationResult &result,
                      const PrintSettings &print, const std::string &dateText) {
    const int dpi = page.logicalDpiY();
    QtCanvas canvas(page, dpi, page.width(), dpi);
    { DrawSheet(canvas, kTargetPrinter, record, result, print, dateText); }
    return !canvas.PaintingFailed();
}

bool WriteSheetPdf(const QString &path, const DesignCase &record, const CalculationResult &result,
                   const PrintSettings &print, const std::string &dateText) {
    QPdfWriter pdf(path);
    pdf.setResolution(kPdfResolution);
    // No margins: the page is drawn from the paper's corner, as on a printer's full page.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(QStringLiteral("フラットデッキ構造計算"));
    return DrawPrintedSheet(pdf, record, result, print, dateText);
}

std::string SheetDrawLog(const DesignCase &record, const CalculationResult &result,
                         const PrintSettings &print, int target, const std::string &dateText) {
    InstallSheetFontSubstitution();
    const bool printer = target == kTargetPrinter;
    RecordingCanvas canvas(printer ? kPdfResolution : kScreenFontDpi,
                           printer ? A4WidthAt(kPdfResolution) : 0, printer ? kPdfResolution : 72,
                           QtTextWidth);
    { DrawSheet(canvas, target, record, result, print, dateText); }
    return DrawLogJsonLines(canvas.Ops());
}

std::string TodayShortDate() {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

} // namespace korvane
