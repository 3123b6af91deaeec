#include "sheet/RecordingCanvas.h"

#include "core/TextCodec.h"

#include <nlohmann/json.hpp>

#include <cstdio>

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

std::string DrawLogJsonLines(const std::vector<CanvasOp> &ops) {
    std::string out;
    for (const CanvasOp &op : ops) {
        char color[8];
        std::snprintf(color, sizeof color, "#%02x%02x%02x", op.color.r, op.color.g, op.color.b);
        nlohmann::ordered_json j;
        j["op"] = op.op;
        j["x"] = op.x;
        j["y"] = op.y;
        if (op.op == "text") {
            j["size"] = op.size;
            j["color"] = color;
            j["text"] = op.text;
        } else {
            j["x2"] = op.x2;
            j["y2"] = op.y2;
            if (op.op != "fillrect")
                j["width"] = op.width;
            j["color"] = color;
        }
        out += j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        out += '\n';
    }
    return out;
}

} // namespace korvane
