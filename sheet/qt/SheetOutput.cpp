#include "sheet/qt/SheetOutput.h"

#include "sheet/DrawSheet.h"
#include "sheet/RecordingCanvas.h"
#include "sheet/SheetDrawLog.h"
#include "sheet/qt/ArchivalPdf.h"
#include "sheet/qt/QtCanvas.h"

#include "core/Errors.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <utility>

namespace korvane {

namespace {

constexpr QRgb kNavy = qRgb(0, 0, 128);

// The A4 page of the PDF file with no margins, as SheetPdfFile lays it out.
QPageLayout A4PdfPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

// The PDF writer's output device: every byte goes to the file being written. A failed write
// is remembered by the file and reported when it is finished.
class ReplacingFileDevice : public QIODevice {
public:
    explicit ReplacingFileDevice(ReplacingFile &file) : m_file(file) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override {
        return m_file.Write(data, static_cast<std::size_t>(size)) ? size : -1;
    }

private:
    ReplacingFile &m_file;
};

std::string PathBytes(const QString &path) {
    return QFile::encodeName(path).toStdString();
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
    DrawSheet(canvas, SheetTarget::kScreen, record, result, PrintSettings{}, {});
}

QImage RenderScreenSheet(const DesignCase &record, const CalculationResult &result,
                         qreal devicePixelRatio) {
    QImage picture = NewResultPicture(devicePixelRatio);
    DrawScreenSheet(picture, record, result);
    return picture;
}

bool WriteScreenSheetPng(const QString &path, const DesignCase &record,
                         const CalculationResult &result, std::string *error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    try {
        if (!RenderScreenSheet(record, result).save(&buffer, "PNG"))
            throw FileError(UnwritableMessage(PathBytes(path), "PNG に変換できません"));
        ReplaceFileContents(PathBytes(path), std::string_view(bytes.constData(), bytes.size()));
    } catch (const FileError &failure) {
        if (error)
            *error = failure.what();
        return false;
    }
    return true;
}

void DrawPrintedPage(QPainter &painter, const DesignCase &record, const CalculationResult &result,
                     const PrintSettings &print, const std::string &dateText) {
    QPaintDevice &page = *painter.device();
    const int dpi = page.logicalDpiY();
    QtCanvas canvas(painter, dpi, page.width(), dpi);
    DrawSheet(canvas, SheetTarget::kPrinter, record, result, print, dateText);
}

bool DrawPrintedSheet(QPaintDevice &page, const DesignCase &record, const CalculationResult &result,
                      const PrintSettings &print, const std::string &dateText) {
    QPainter painter;
    if (!painter.begin(&page))
        return false;
    DrawPrintedPage(painter, record, result, print, dateText);
    return painter.end();
}

SheetPdfFile::SheetPdfFile(QString path) : m_path(std::move(path)) {}

// Dropped without Finish, the document is incomplete: the old file stays.
SheetPdfFile::~SheetPdfFile() {
    if (!m_finished)
        Fail();
}

bool SheetPdfFile::AddPage(const DesignCase &record, const CalculationResult &result,
                           const PrintSettings &print, const std::string &dateText) {
    if (m_failed || m_finished)
        return false;
    if (m_pages == 0 && !Open(PdfDocumentTitle(print.projectTitle)))
        return false;
    if (m_pages > 0 && !m_pdf->newPage())
        return Fail();
    DrawPrintedPage(m_painter, record, result, print, dateText);
    ++m_pages;
    return true;
}

bool SheetPdfFile::Finish() {
    if (m_finished)
        return !m_failed;
    m_finished = true;
    if (m_failed || !m_file)
        return !m_failed;
    if (m_painter.isActive() && !m_painter.end())
        return Fail();
    try {
        m_file->Commit();
    } catch (const FileError &failure) {
        m_error = failure.what();
        m_failed = true;
    }
    return !m_failed;
}

// The document title goes into the file's header and metadata as the writer begins, so the
// file is opened with its first page, once that page's case is known.
bool SheetPdfFile::Open(const QString &title) {
    try {
        m_file = std::make_unique<ReplacingFile>(PathBytes(m_path));
    } catch (const FileError &failure) {
        m_error = failure.what();
        return Fail();
    }
    m_device = std::make_unique<ReplacingFileDevice>(*m_file);
    m_pdf = std::make_unique<QPdfWriter>(m_device.get());
    m_pdf->setResolution(kPdfResolution);
    // No margins: the page is drawn from the paper's corner, as on a printer's full page.
    m_pdf->setPageLayout(A4PdfPage());
    MakeArchivalPdf(*m_pdf, title);
    if (!m_painter.begin(m_pdf.get()))
        return Fail();
    return true;
}

bool SheetPdfFile::Fail() {
    m_failed = true;
    if (m_painter.isActive())
        m_painter.end();
    if (m_file) {
        if (m_error.empty())
            m_error = m_file->Failed()
                          ? m_file->FailureMessage()
                          : UnwritableMessage(PathBytes(m_path), "PDF を書き出せません");
        m_file->Discard();
    }
    return false;
}

bool WriteSheetPdf(const QString &path, const DesignCase &record, const CalculationResult &result,
                   const PrintSettings &print, const std::string &dateText) {
    SheetPdfFile pdf(path);
    return pdf.AddPage(record, result, print, dateText) && pdf.Finish();
}

std::string SheetDrawLog(const DesignCase &record, const CalculationResult &result,
                         const PrintSettings &print, SheetTarget target,
                         const std::string &dateText) {
    return SheetDrawLogLines(record, result, print, target, dateText, QtTextWidth);
}

} // namespace korvane
