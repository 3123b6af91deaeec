#include "sheet/qt/SheetOutput.h"

#include "sheet/DrawSheet.h"
#include "sheet/RecordingCanvas.h"
#include "sheet/qt/QtCanvas.h"

#include <QDate>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

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

bool PrintSheet(QPrinter &printer, const DesignCase &record, const CalculationResult &result,
                const PrintSettings &print, const std::string &dateText) {
    const int dpi = printer.logicalDpiY();
    QtCanvas canvas(printer, dpi, printer.width(), dpi);
    { DrawSheet(canvas, kTargetPrinter, record, result, print, dateText); }
    return !canvas.PaintingFailed() && printer.printerState() != QPrinter::Error;
}

bool WriteSheetPdf(const QString &path, const DesignCase &record, const CalculationResult &result,
                   const PrintSettings &print, const std::string &dateText) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(kPdfResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setFullPage(true);
    printer.setCreator(QStringLiteral("korvane"));
    printer.setDocName(QStringLiteral("フラットデッキ構造計算"));
    return PrintSheet(printer, record, result, print, dateText);
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
