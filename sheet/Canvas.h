#pragma once
// The drawing surface of the calculation sheet: the few operations of a 2-D text canvas that
// DrawSheet needs, so that one drawing routine serves the picture, the printer, PDF files and
// the recording canvas of the tests and the command-line draw log.

#include <cstdint>
#include <string>

namespace korvane {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

struct Point {
    int x = 0, y = 0;
    bool operator==(const Point &) const = default;
};

// Character height in device pixels of a font of `points` at `dpi`, rounded to nearest as
// the platform's font mapper does; every canvas sizes its fonts by this.
inline int FontPixelSize(int points, int dpi) {
    return (points * dpi * 2 + 72) / 144;
}

// The resolution at which the picture's fonts are sized. Positions on the picture use a
// 72-per-inch grid; the sheet's lines were laid out for its proportional Gothic at a 96 dpi
// display. The substitute Gothic's Latin letters and digits are about a tenth wider, so its
// fonts are sized at 88 dpi: 10 pt is 12 px, 9 pt 11 px, and the lines keep their lengths.
inline constexpr int kScreenFontDpi = 88;

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void SetFontFace(const std::string &face) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontColor(Rgb color) = 0;
    // Font height in device pixels, negative: the character height of the current size.
    virtual int FontHeight() const = 0;

    virtual void SetPenWidth(int width) = 0;
    virtual void SetPenColor(Rgb color) = 0;
    virtual Rgb PenColor() const = 0;
    virtual void SetBrushClear() = 0;

    // Writes a text with the top of its cell at y; the pen then stands at its right end.
    virtual void TextOut(int x, int y, const std::string &text) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2, Rgb color) = 0;
    virtual Point PenPos() const = 0;

    // Printer only; a picture ignores the document calls.
    virtual void BeginDoc() {}
    virtual void EndDoc() {}
    virtual int PageWidth() const = 0;
    virtual int PixelsPerInchY() const = 0;
};

} // namespace korvane
