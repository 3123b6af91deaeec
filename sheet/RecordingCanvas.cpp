#include "sheet/RecordingCanvas.h"

#include "core/TextCodec.h"

#include "sheet/JsonWriter.h"

namespace korvane {

int HalfWidthMeasure(const std::string &text, int pixelSize) {
    return static_cast<int>(Cp932ByteLength(text)) * pixelSize / 2;
}

RecordingCanvas::RecordingCanvas(int fontDpi, int pageWidth, int ppiY, TextMeasure measure)
    : m_fontDpi(fontDpi), m_pageWidth(pageWidth), m_ppiY(ppiY), m_measure(std::move(measure)) {}

void RecordingCanvas::TextOut(int x, int y, const std::string &text) {
    CanvasOp op{"text", x, y, 0, 0, m_size, 0, m_fontColor, text};
    m_ops.push_back(op);
    m_pen = {x + m_measure(text, FontPixelSize(m_size, m_fontDpi)), y};
}

void RecordingCanvas::LineTo(int x, int y) {
    m_ops.push_back(CanvasOp{"line", m_pen.x, m_pen.y, x, y, 0, m_penWidth, m_penColor, {}});
    m_pen = {x, y};
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    m_ops.push_back(CanvasOp{"rect", x1, y1, x2, y2, 0, m_penWidth, m_penColor, {}});
}

void RecordingCanvas::FillRect(int x1, int y1, int x2, int y2, Rgb color) {
    m_ops.push_back(CanvasOp{"fillrect", x1, y1, x2, y2, 0, 0, color, {}});
}

const CanvasOp *RecordingCanvas::FindText(const std::string &text) const {
    for (const CanvasOp &op : m_ops)
        if (op.op == "text" && op.text == text)
            return &op;
    return nullptr;
}

namespace {

// "#rrggbb"
std::string_view ColorText(Rgb color, char (&text)[8]) {
    static constexpr char kHex[] = "0123456789abcdef";
    text[0] = '#';
    int i = 1;
    for (const std::uint8_t channel : {color.r, color.g, color.b}) {
        text[i++] = kHex[channel >> 4];
        text[i++] = kHex[channel & 0xF];
    }
    return {text, 7};
}

} // namespace

std::string DrawLogJsonLines(const std::vector<CanvasOp> &ops) {
    JsonWriter json;
    char color[8];
    for (const CanvasOp &op : ops) {
        json.StartObject();
        json.Key("op");
        json.String(op.op);
        json.Key("x");
        json.Int(op.x);
        json.Key("y");
        json.Int(op.y);
        if (op.op == "text") {
            json.Key("size");
            json.Int(op.size);
        } else {
            json.Key("x2");
            json.Int(op.x2);
            json.Key("y2");
            json.Int(op.y2);
            if (op.op != "fillrect") {
                json.Key("width");
                json.Int(op.width);
            }
        }
        json.Key("color");
        json.String(ColorText(op.color, color));
        if (op.op == "text") {
            json.Key("text");
            json.String(op.text);
        }
        json.EndObject();
        json.EndLine();
    }
    return std::string(json.Text());
}

} // namespace korvane
