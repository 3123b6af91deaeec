#pragma once
// A canvas that draws nothing and records every drawing operation with the state it used:
// for tests and for the command-line calculator's draw log.

#include "sheet/Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

struct CanvasOp {
    std::string op; // "text", "line", "rect", "fillrect"
    int x = 0, y = 0, x2 = 0, y2 = 0;
    int size = 0;  // font points (text)
    int width = 0; // pen width (line, rect)
    Rgb color;     // font colour (text), pen colour (line, rect), fill colour (fillrect)
    std::string text;
};

// Width in device pixels of a text in a font of the given character height.
using TextMeasure = std::function<int(const std::string &text, int pixelSize)>;

// A text as wide as half the character height per code page 932 byte: the width of a
// monospaced Gothic font. Deterministic, so placements can be checked to the pixel.
int HalfWidthMeasure(const std::string &text, int pixelSize);

class RecordingCanvas : public Canvas {
public:
    // fontDpi sizes the fonts; pageWidth and ppiY are what a printer would report.
    explicit RecordingCanvas(int fontDpi, int pageWidth = 0, int ppiY = 72,
                             TextMeasure measure = HalfWidthMeasure);

    void SetFontFace(const std::string &face) override { m_face = face; }
    void SetFontSize(int points) override { m_size = points; }
    void SetFontColor(Rgb color) override { m_fontColor = color; }
    int FontHeight() const override { return -FontPixelSize(m_size, m_fontDpi); }
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
    void BeginDoc() override { ++m_documents; }
    void EndDoc() override { ++m_endedDocuments; }
    int PageWidth() const override { return m_pageWidth; }
    int PixelsPerInchY() const override { return m_ppiY; }

    const std::vector<CanvasOp> &Ops() const { return m_ops; }
    const std::string &FontFace() const { return m_face; }
    bool BrushClear() const { return m_brushClear; }
    int Documents() const { return m_documents; }
    int EndedDocuments() const { return m_endedDocuments; }

    // The first text operation whose text is `text`, or nullptr.
    const CanvasOp *FindText(const std::string &text) const;

private:
    int m_fontDpi;
    int m_pageWidth;
    int m_ppiY;
    TextMeasure m_measure;
    std::string m_face;
    int m_size = 10;
    Rgb m_fontColor;
    int m_penWidth = 1;
    Rgb m_penColor;
    bool m_brushClear = false;
    Point m_pen;
    int m_documents = 0;
    int m_endedDocuments = 0;
    std::vector<CanvasOp> m_ops;
};

// One JSON object per operation, one per line, in drawing order.
std::string DrawLogJsonLines(const std::vector<CanvasOp> &ops);

} // namespace korvane
