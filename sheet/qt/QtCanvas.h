#pragma once
// The sheet canvas over a QPainter: on a QImage for the result picture, on a page of a
// QPrinter or a PDF file for the printed sheet. Fonts are sized in device pixels by
// FontPixelSize.

#include "sheet/Canvas.h"
#include "sheet/qt/FontFamily.h"

#include <QColor>
#include <QFont>
#include <QPainter>

class QPaintDevice;

namespace korvane {

class QtCanvas : public Canvas {
public:
    // A picture: painting starts at once. `fontDpi` sizes the fonts.
    QtCanvas(QPaintDevice &device, int fontDpi);
    // A page of a printed document whose painter the caller has begun and ends: BeginDoc and
    // EndDoc leave it alone, so that one document can take several sheets, a page each.
    QtCanvas(QPainter &pagePainter, int fontDpi, int pageWidth, int ppiY);
    ~QtCanvas() override;

    void SetFontFace(const std::string &face) override;
    void SetFontSize(int points) override;
    void SetFontColor(Rgb color) override { m_fontColor = QColor(color.r, color.g, color.b); }
    int FontHeight() const override { return -FontPixelSize(m_points, m_fontDpi); }
    void SetPenWidth(int width) override { m_penWidth = width; }
    void SetPenColor(Rgb color) override { m_penColor = color; }
    Rgb PenColor() const override { return m_penColor; }
    void SetBrushClear() override { m_brushClear = true; }
    void TextOut(int x, int y, const std::string &text) override;
    void MoveTo(int x, int y) override { m_pen = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2, Rgb color) override;
    Point PenPos() const override { return m_pen; }
    void BeginDoc() override;
    void EndDoc() override;
    int PageWidth() const override { return m_pageWidth; }
    int PixelsPerInchY() const override { return m_ppiY; }

private:
    void Begin();
    void SetRenderHints();
    void ApplyLinePen();

    QPaintDevice &m_device;
    QPainter m_ownPainter; // the picture's; a page is drawn with the caller's painter
    QPainter &m_painter;
    bool m_ownsPainting = true;
    int m_fontDpi;
    int m_pageWidth = 0;
    int m_ppiY = 72;
    QFont m_font;
    int m_points = 10;
    QColor m_fontColor = Qt::black;
    int m_penWidth = 1;
    Rgb m_penColor;
    bool m_brushClear = false;
    Point m_pen;
};

// Width in device pixels of a text in the sheet's font of the given character height.
int QtTextWidth(const std::string &text, int pixelSize);

} // namespace korvane
