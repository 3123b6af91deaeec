#include "sheet/DrawSheet.h"

#include "core/TextCodec.h"

#include <algorithm>
#include <cstdlib>

namespace korvane {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kCrimson{204, 0, 68};

int ByteLength(std::string_view text) {
    return static_cast<int>(Cp932ByteLength(text));
}

// One DrawSheet call: the drawing state and the placement of every item.
class Drawer {
public:
    Drawer(const SheetContent &content, Canvas &canvas)
        : m_s(content), m_c(canvas), m_printer(content.target == SheetTarget::kPrinter) {}

    void Draw() {
        SetUp();
        BlockA();
        BlockB();
        BlockCD();
        BlockE();
        NotesAndVerdict();
        if (m_printer)
            m_c.EndDoc();
    }

private:
    const SheetContent &m_s;
    Canvas &m_c;
    const bool m_printer;
    int m_dpi = 72;
    double m_scale = 72 / 25.4;
    int m_step = 5; // mm
    int m_d = 0;    // mm
    int m_b = 0;    // px
    int m_a = 0;    // px
    int m_baseSize = 9;
    Rgb m_textColor = kWhite;
    Rgb m_headingColor = kCyan;
    int m_x = 0;        // where the next run starts
    int m_lineY = 0;    // y of the current line or raised/lowered part
    int m_baseline = 0; // y of the current formula line
    int m_xEnd = 0;     // right end of the last fraction bar
    int m_lastVerdictY = 0;
    int m_frameBottom = 0;

    int Px(double mm) const { return static_cast<int>(mm * m_scale); }
    int LineY() const { return m_a + Px(m_d); }
    int Col(double mm) const { return m_b + Px(mm); }

    const SheetItem *Item(const char *label) const { return m_s.Find(label); }

    void SetUp();
    void BlockA();
    void BlockB();
    void BlockCD();
    void BlockE();
    void NotesAndVerdict();

    void PageNumber(const std::string &text, int y);
    void Heading(const char *label, int x, int y);
    void Write(std::span<const Run> runs, int x, int y);
    void Write(const char *label, int x, int y);
    void WriteRun(const Run &run);
    void WriteText(int x, int y, std::string_view text, int size);
    void WriteFraction(const Run &fraction);
    void WriteVerdict(const std::string &verdict, int y);
    void HLine(int x1, int x2, int y);
    void LoadsLine(const char *label, double labelColumn);
};

void Drawer::SetUp() {
    if (m_printer) {
        m_c.BeginDoc();
        m_dpi = m_c.PixelsPerInchY();
        m_textColor = kBlack;
        m_headingColor = kBlack;
        m_baseSize = 10;
    }
    m_scale = m_dpi / 25.4;
    m_c.SetFontFace(kSheetFontFace);
    m_c.SetFontSize(m_baseSize);
    m_c.SetFontColor(m_textColor);
    const int frameHeight = m_s.shored ? (m_printer ? 70 : 82) : (m_printer ? 65 : 77);
    if (!m_printer) {
        m_c.SetBrushClear();
        m_c.SetPenWidth(m_dpi / 600);
        m_c.SetPenColor(kWhite);
        m_b = 15;
        m_a = 10;
        m_c.Rectangle(m_b, m_a, m_b + Px(180), m_a + Px(frameHeight));
        m_step = 5;
        m_c.SetFontColor(kCyan);
    } else {
        m_c.SetFontSize(10);
        if (const SheetItem *h1 = Item("H1"))
            PageNumber(JoinRuns(h1->runs), Px(4));
        m_c.SetFontSize(13);
        m_c.SetPenWidth(m_dpi * 5 / 600);
        if (const SheetItem *h2 = Item("H2")) {
            WriteText(Px(17), Px(10), h2->runs.front().text, 0);
            HLine(Px(17), Px(182), Px(10.5) + std::abs(m_c.FontHeight()));
        }
        WriteText(Px(73), Px(19), Item("H3")->runs.front().text, 0);
        m_c.SetPenWidth(m_dpi * 7 / 600);
        m_b = Px(13);
        m_a = Px(25);
        m_c.Rectangle(m_b, m_a, m_b + Px(174), m_a + Px(frameHeight));
        m_step = 4;
    }
    m_frameBottom = m_a + Px(frameHeight);
    m_d = 3;
    m_c.SetFontSize(m_baseSize);
}

void Drawer::PageNumber(const std::string &text, int y) {
    const int pos = m_s.pageNumberPos % 10;
    const double width = ByteLength(text) * m_scale;
    const int page = m_c.PageWidth();
    int x;
    if (pos == 0)
        x = Px(5);
    else if (pos == 1)
        x = static_cast<int>((page - width) * 0.5);
    else
        x = static_cast<int>(page - width - 12 * m_scale);
    WriteText(x, y, text, 0);
}

void Drawer::BlockA() {
    Heading("A1", Col(3), LineY());
    m_d += m_step;
    Write("A2", Col(10), LineY());
    Write("A3", Col(m_printer ? 90 : 96), LineY());
    m_d += m_step;
    const SheetItem &a4 = *Item("A4");
    m_lineY = LineY();
    WriteText(Col(10), m_lineY, a4.runs[0].text, 0);
    m_x = m_c.PenPos().x + Px(5);
    for (size_t i = 1; i < a4.runs.size(); ++i)
        WriteRun(a4.runs[i]);
    m_d += m_step / 2;
}

void Drawer::BlockB() {
    m_d += m_step;
    Heading("B1", Col(3), LineY());
    m_d += m_step;
    Write("B2", Col(10), LineY());
    Write("B3", Col(80), LineY());
    m_d += m_step;
    const SheetItem &b4 = *Item("B4");
    m_lineY = LineY();
    WriteText(Col(10), m_lineY, b4.runs[0].text, 0);
    const int underlineFrom = m_c.PenPos().x;
    for (size_t i = 1; i < b4.runs.size(); ++i)
        WriteRun(b4.runs[i]);
    if (m_s.highStrength) {
        // The high-strength deck's allowable stress differs from the guideline's: mark it.
        const int y = m_lineY + static_cast<int>(m_step * 0.9 * m_scale);
        if (m_printer) {
            HLine(underlineFrom, m_x, y);
        } else {
            const Rgb pen = m_c.PenColor();
            m_c.SetPenColor(kCrimson);
            HLine(underlineFrom, m_x, y);
            m_c.SetPenColor(pen);
        }
    }
    Write("B5", Col(80), LineY());
    if (Item("B6")) {
        Write("B6", Col(80), m_a + Px(m_d + m_step));
        Write("B7", Col(80), m_a + Px(m_d + 2 * m_step));
    }
    if (Item("B8")) {
        m_d += m_step;
        Write("B8", Col(10), LineY());
    }
    m_d += m_step / 2;
}

void Drawer::LoadsLine(const char *label, double labelColumn) {
    const SheetItem &item = *Item(label);
    m_lineY = LineY();
    m_x = Col(labelColumn);
    for (size_t i = 0; i + 1 < item.runs.size(); ++i)
        WriteRun(item.runs[i]);
    m_x = Col(150); // the value parts line up in one column
    WriteRun(item.runs.back());
}

void Drawer::BlockCD() {
    m_d += m_step;
    Heading("C1", Col(3), LineY());
    m_d += m_step;
    Write("C2", Col(10), LineY());
    m_d += m_step / 2;
    m_d += m_step;
    Heading("D1", Col(3), LineY());
    m_d += m_step;
    Write("D2", Col(10), LineY());
    m_d = static_cast<int>(m_d + 0.2 * m_step);
    Write("D3", Col(85), LineY());
    m_d = static_cast<int>(m_d + 0.5 * m_step);
    LoadsLine("D4", 95);
    m_d = static_cast<int>(m_d + 0.5 * m_step);
    Write("D5", Col(10), LineY());
    m_d = static_cast<int>(m_d + 0.8 * m_step);
    LoadsLine("D6", 95);
    const int ruleEnd = m_x;
    m_d += m_step;
    HLine(Col(93), ruleEnd, LineY());
    m_d = static_cast<int>(m_d + 0.5 * m_step);
    LoadsLine("D8", 112);
}

void Drawer::BlockE() {
    if (!m_printer) {
        m_step = 6;
        m_baseSize = 10;
        m_c.SetFontSize(10);
        m_c.SetFontColor(kCyan);
    }
    m_d = 0;
    m_a = m_frameBottom;
    m_d = static_cast<int>(0.7 * m_step);
    Heading("E1", Col(3), LineY());
    const int u = m_printer ? 150 : 170;
    if (!m_printer)
        m_b -= 15; // the checks use the full width of the picture
    if (m_s.shored) {
        m_d += m_step;
        Write("E2", Col(30), LineY());
        m_d += m_step / 2;
        m_d += m_step;
        Write("E3", Col(10), LineY());
        m_d += m_step;
        Write("E4", Col(15), LineY());
        WriteVerdict(Item("E4")->verdict, m_c.PenPos().y);
    }

    m_d = static_cast<int>(m_d + 0.5 * m_step);
    m_d += m_step;
    Write("E5", Col(10), LineY());
    m_d = static_cast<int>(m_d + 0.5 * m_step);
    m_d += m_step;
    const SheetItem &e6 = *Item("E6");
    const SheetItem &e7 = *Item("E7");
    m_baseline = LineY();
    if (m_s.steelBeams) {
        // The result and the comparison are one run on the formula line.
        std::vector<Run> runs(e6.runs.begin(), e6.runs.end());
        std::string joined(runs.back().text);
        joined += e7.runs.front().text;
        runs.back().text = joined;
        runs.insert(runs.end(), e7.runs.begin() + 1, e7.runs.end());
        Write(runs, Col(15), m_baseline);
        WriteVerdict(e7.verdict, m_baseline);
    } else {
        Write(e6.runs, Col(15), m_baseline);
        m_d = static_cast<int>(m_d + 1.5 * m_step);
        Write(e7.runs, m_xEnd - Px(25), LineY());
        WriteVerdict(e7.verdict, LineY());
    }

    m_d += m_step;
    m_d += m_step;
    Write("E8", Col(10), LineY());
    m_d = static_cast<int>(m_d + 0.5 * m_step);
    m_d += m_step;
    const SheetItem &e9 = *Item("E9");
    const SheetItem &e10 = *Item("E10");
    m_baseline = LineY();
    if (!m_printer) {
        Write(e9.runs, Col(15), m_baseline);
        m_d = static_cast<int>(m_d + 1.5 * m_step);
        const int y = LineY();
        Write(e10.runs, m_xEnd - Px(25), y);
        m_lastVerdictY = y + Px(m_step);
    } else {
        std::vector<Run> runs(e9.runs.begin(), e9.runs.end());
        std::string joined(runs.back().text);
        joined += e10.runs.front().text;
        runs.back().text = joined;
        Write(runs, Col(15), m_baseline);
        if (m_b + Px(u) > m_c.PenPos().x) {
            m_lastVerdictY = m_baseline + Px(m_step / 2);
        } else {
            m_d += m_step;
            m_lastVerdictY = LineY();
        }
    }
    m_c.TextOut(m_b + Px(u), m_lastVerdictY, e10.verdict);

    if (const SheetItem *e12 = Item("E12")) {
        m_d += 2 * m_step;
        Write("E11", Col(10), LineY());
        m_d += m_step;
        Write(e12->runs, Col(15), LineY());
        WriteVerdict(e12->verdict, LineY());
    }
}

void Drawer::NotesAndVerdict() {
    int az = 35;
    if (m_s.shored)
        az -= 5;
    if (m_s.betaCase)
        az -= 5;
    m_a = m_lastVerdictY + Px(az);
    int u;
    if (!m_printer) {
        u = 180;
        m_c.SetFontColor(kCyan);
        m_b = 15;
    } else {
        m_c.SetPenWidth(m_dpi * 4 / 600);
        u = 174;
    }
    m_c.SetFontSize(8);
    m_d = 0;
    const int y0 = m_a - Px(10);
    m_c.SetFontColor(m_headingColor);
    m_c.TextOut(m_b + Px(181 - u), y0, std::string(Item("N0")->runs.front().text));
    int lastNoteY = y0;
    for (const SheetItem &item : m_s.items) {
        if (item.label.size() != 2 || item.label[0] != 'N' || item.label == "N0")
            continue;
        m_d += 4;
        lastNoteY = y0 + Px(m_d);
        m_c.TextOut(m_b + Px(183 - u), lastNoteY, JoinRuns(item.runs));
    }
    m_a = lastNoteY;
    m_c.Rectangle(m_b, m_a + Px(5.5), m_b + Px(u), m_a + Px(14));
    m_c.TextOut(m_b + Px(3), m_a + Px(6.5), std::string(Item("V1")->runs.front().text));
    m_c.SetFontSize(m_baseSize);
    m_c.SetFontColor(m_textColor);
    m_c.TextOut(m_b + Px(m_printer ? 37 : 22), m_a + Px(7.5),
                std::string(Item("V2")->runs.front().text));
    if (!m_printer)
        return;
    m_c.TextOut(m_b + Px(125), m_a + Px(15), std::string(Item("F1")->runs.front().text));
    m_c.SetFontSize(10);
    if (const SheetItem *f2 = Item("F2"))
        PageNumber(JoinRuns(f2->runs), Px(277));
}

void Drawer::Heading(const char *label, int x, int y) {
    m_c.SetFontColor(m_headingColor);
    Write(label, x, y);
    m_c.SetFontColor(m_textColor);
}

void Drawer::Write(const char *label, int x, int y) {
    Write(Item(label)->runs, x, y);
}

void Drawer::Write(std::span<const Run> runs, int x, int y) {
    m_x = x;
    m_lineY = y;
    for (const Run &run : runs)
        WriteRun(run);
}

void Drawer::WriteText(int x, int y, std::string_view text, int size) {
    if (size != 0)
        m_c.SetFontSize(size);
    m_c.TextOut(x, y, std::string(text));
    if (size != 0)
        m_c.SetFontSize(m_baseSize);
    m_x = m_c.PenPos().x;
}

void Drawer::WriteRun(const Run &run) {
    const int scriptDx = m_printer ? 0 : Px(1);
    switch (run.kind) {
    case RunKind::Plain:
        WriteText(m_x, m_lineY, run.text, run.size);
        break;
    case RunKind::Baseline:
        WriteText(m_x, m_baseline, run.text, run.size);
        break;
    case RunKind::Subscript:
        WriteText(m_x, m_lineY + (m_printer ? Px(1.0) : Px(1.1)), run.text, run.size);
        break;
    case RunKind::Superscript:
        WriteText(m_x + scriptDx, m_lineY - (m_printer ? Px(0.5) : Px(1)), run.text, run.size);
        break;
    case RunKind::HighSuperscript:
        WriteText(m_x + scriptDx, m_lineY - Px(1), run.text, run.size);
        break;
    case RunKind::FlatSuperscript:
        WriteText(m_x, m_lineY - (m_printer ? 0 : Px(1)), run.text, run.size);
        break;
    case RunKind::Fraction:
        WriteFraction(run);
        break;
    }
}

void Drawer::WriteFraction(const Run &run) {
    const FractionParts &f = *run.fraction;
    const int x0 = m_x;
    const int h = Px(m_step / 2);
    int numeratorShift = 0;
    int denominatorShift = 0;
    const int n = ByteLength(f.numeratorAlign);
    const int d = ByteLength(f.denominatorAlign);
    if (f.align == FractionAlign::ShiftShorter) {
        if (n > d)
            denominatorShift = Px(n - d);
        else
            numeratorShift = Px(d - n);
    } else if (f.align == FractionAlign::Centre) {
        if (n + 1 >= d + 1)
            denominatorShift = Px((n - d) / 2);
        else
            numeratorShift = Px((d - n) / 2);
    }

    if (f.align == FractionAlign::Centre) {
        const int denominatorY = m_baseline + h;
        Write(f.denominator, x0 + denominatorShift, denominatorY);
        const int denominatorEnd = m_x;
        Write(f.numerator, x0 + numeratorShift, denominatorY - Px(m_step));
        m_xEnd = std::max(denominatorEnd, m_x);
    } else {
        Write(f.numerator, x0 + numeratorShift, m_baseline - h);
        m_xEnd = m_x;
    }
    const double w = m_printer ? 0.5 : 0.4;
    const int barY = m_baseline + static_cast<int>(std::abs(m_c.FontHeight()) * w);
    HLine(x0, m_xEnd, barY);
    if (f.align != FractionAlign::Centre)
        Write(f.denominator, x0 + denominatorShift, m_baseline + h);
    m_x = m_xEnd;
    m_lineY = m_baseline;
}

// The verdict in the verdict column on the line at y. A line whose text already reaches the
// column would run into the mark, so the mark then moves one step down, where the line
// below is blank in the verdict column.
void Drawer::WriteVerdict(const std::string &verdict, int y) {
    const int x = m_b + Px(m_printer ? 150 : 170);
    if (m_c.PenPos().x > x)
        y += Px(m_step);
    m_c.TextOut(x, y, verdict);
    m_lastVerdictY = y;
}

void Drawer::HLine(int x1, int x2, int y) {
    m_c.MoveTo(x1, y);
    m_c.LineTo(x2, y);
}

} // namespace

void DrawSheetContent(const SheetContent &content, Canvas &canvas) {
    Drawer(content, canvas).Draw();
}

void DrawSheet(Canvas &canvas, SheetTarget target, const DesignCase &record,
               const CalculationResult &result, const PrintSettings &print,
               const std::string &dateText) {
    SheetInputs in{record, result, print, target, dateText};
    DrawSheetContent(BuildSheetContent(in), canvas);
}

} // namespace korvane
