#include "sheet/qt/QtCanvas.h"

#include "sheet/DrawSheet.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPen>

namespace korvane {

namespace {

QString ToQString(const std::string &text) {
    return QString::fromUtf8(text);
}

QFont SheetFont(int pixelSize) {
    QFont font(SheetFontFamily());
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    // Unhinted advances keep the widths of small text at the font's design proportions, so
    // the picture's line lengths match the printed page's.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

int Advance(const QFont &font, const QString &text, const QPaintDevice *device) {
    const QFontMetricsF metrics(font, device);
    return static_cast<int>(metrics.horizontalAdvance(text) + 0.5);
}

} // namespace

int QtTextWidth(const std::string &text, int pixelSize) {
    return Advance(SheetFont(pixelSize), ToQString(text), nullptr);
}

QtCanvas::QtCanvas(QPaintDevice &device, int fontDpi)
    : m_device(device), m_painter(m_ownPainter), m_fontDpi(fontDpi) {
    m_font = SheetFont(FontPixelSize(m_points, m_fontDpi));
    Begin();
}

QtCanvas::QtCanvas(QPainter &pagePainter, int fontDpi, int pageWidth, int ppiY)
    : m_device(*pagePainter.device()), m_painter(pagePainter), m_ownsPainting(false),
      m_fontDpi(fontDpi), m_pageWidth(pageWidth), m_ppiY(ppiY) {
    m_font = SheetFont(FontPixelSize(m_points, m_fontDpi));
    SetRenderHints();
}

QtCanvas::~QtCanvas() {
    if (m_ownsPainting && m_painter.isActive())
        m_painter.end();
}

void QtCanvas::Begin() {
    if (m_painter.begin(&m_device))
        SetRenderHints();
}

void QtCanvas::SetRenderHints() {
    // Thin rules and frames stay crisp on the picture; text keeps its smoothing.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void QtCanvas::BeginDoc() {
    if (m_ownsPainting && !m_painter.isActive())
        Begin();
}

void QtCanvas::EndDoc() {
    if (m_ownsPainting && m_painter.isActive())
        m_painter.end();
}

void QtCanvas::SetFontFace(const std::string &face) {
    m_font.setFamily(face == kSheetFontFace ? SheetFontFamily()
                                            : InstalledFamilyOrGothic(ToQString(face)));
}

void QtCanvas::SetFontSize(int points) {
    m_points = points;
    m_font.setPixelSize(FontPixelSize(points, m_fontDpi));
}

void QtCanvas::TextOut(int x, int y, const std::string &text) {
    const QString q = ToQString(text);
    const QFontMetrics metrics(m_font, &m_device);
    if (m_painter.isActive()) {
        m_painter.setFont(m_font);
        m_painter.setPen(m_fontColor);
        m_painter.drawText(QPoint(x, y + metrics.ascent()), q);
    }
    m_pen = {x + Advance(m_font, q, &m_device), y};
}

void QtCanvas::ApplyLinePen() {
    QPen pen(QColor(m_penColor.r, m_penColor.g, m_penColor.b));
    pen.setWidth(m_penWidth); // 0 is the thinnest line the device draws
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter.setPen(pen);
}

void QtCanvas::LineTo(int x, int y) {
    if (m_painter.isActive()) {
        ApplyLinePen();
        m_painter.drawLine(m_pen.x, m_pen.y, x, y);
    }
    m_pen = {x, y};
}

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!m_painter.isActive())
        return;
    ApplyLinePen();
    // A clear brush leaves the inside as it is; the default brush paints it white.
    m_painter.setBrush(m_brushClear ? QBrush(Qt::NoBrush) : QBrush(Qt::white));
    m_painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtCanvas::FillRect(int x1, int y1, int x2, int y2, Rgb color) {
    if (m_painter.isActive())
        m_painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)),
                           QColor(color.r, color.g, color.b));
}

} // namespace korvane
