// Placement of the sheet on a recording canvas: where each item lands on the 72-per-inch
// picture and on a 600 dpi printer page, and how fractions, scripts and verdicts are set.
#include "sheet/DrawSheet.h"
#include "sheet/RecordingCanvas.h"

#include "core/Calculation.h"
#include "core/DesignCase.h"

#include "tests/RowPrinting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>

namespace korvane {
namespace {

constexpr int kA4Width = 4960; // A4 at 600 dpi

DesignCase DefaultCase() {
    return DesignCase();
}

DesignCase ShoredCase() {
    DesignCase r;
    r.shoringCode = code::kShoringOneRow;
    return r;
}

DesignCase ClassThreeCase() {
    DesignCase r;
    r.alphaClass = code::kClass3;
    return r;
}

RecordingCanvas DrawScreen(const DesignCase &record, TextMeasure measure = HalfWidthMeasure) {
    RecordingCanvas canvas(kScreenFontDpi, 0, 72, std::move(measure));
    DrawSheet(canvas, SheetTarget::kScreen, record, Calculate(record), PrintSettings{}, "");
    return canvas;
}

RecordingCanvas DrawPrinter(const DesignCase &record, const PrintSettings &print = {},
                            TextMeasure measure = HalfWidthMeasure) {
    RecordingCanvas canvas(600, kA4Width, 600, std::move(measure));
    DrawSheet(canvas, SheetTarget::kPrinter, record, Calculate(record), print, "2026/12/10");
    return canvas;
}

// Position of the first text op with this text, or (-1, -1).
Point At(const RecordingCanvas &canvas, const std::string &text) {
    const CanvasOp *op = canvas.FindText(text);
    return op ? Point{op->x, op->y} : Point{-1, -1};
}

std::vector<const CanvasOp *> OpsOf(const RecordingCanvas &canvas, const std::string &kind,
                                    const std::string &text = {}) {
    std::vector<const CanvasOp *> out;
    for (const CanvasOp &op : canvas.Ops())
        if (op.op == kind && (text.empty() || op.text == text))
            out.push_back(&op);
    return out;
}

struct PlaceCase {
    const char *name;
    const char *text;
    int x;
    int y;
};

void PrintTo(const PlaceCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "text", row.text, "x", row.x, "y", row.y);
}

class ScreenDefaultPlacement : public testing::TestWithParam<PlaceCase> {};

TEST_P(ScreenDefaultPlacement, LandsOnTheGrid) {
    static const RecordingCanvas canvas = DrawScreen(DefaultCase());
    EXPECT_EQ(At(canvas, GetParam().text), (Point{GetParam().x, GetParam().y}));
}

INSTANTIATE_TEST_SUITE_P(
    Items, ScreenDefaultPlacement,
    testing::Values(
        PlaceCase{"A1", "□床の概要／使用材料", 23, 18},
        PlaceCase{"A2", "デッキプレート: PX75LA-07 (Z12)  t =0.7 mm", 43, 32},
        PlaceCase{"A3", "ス　パ　ン Ｌ : 2.5ｍ　[ 支保工無し(Ｌw=Ｌ) ]", 287, 32},
        PlaceCase{"A4", "コンクリート : 普通", 43, 46},
        PlaceCase{"B1", "□デッキプレートの断面性能と許容応力度 (C=1.5)", 23, 66},
        PlaceCase{"B4", "許容応力度  : ｆb = ", 43, 95},
        PlaceCase{"B6", "低減係数β=1.25", 241, 109}, PlaceCase{"B7", "Lmax=2420mm", 241, 123},
        PlaceCase{"C1", "□支持梁/施工状況", 23, 114},
        PlaceCase{"D2", "鉄筋コンクリート 24000x0.13= 3120N/㎡", 43, 163},
        PlaceCase{"D3", "}→", 255, 165}, PlaceCase{"D4Label", "固定荷重 Ｗ", 284, 171},
        PlaceCase{"D4Value", "  3231 N/㎡", 440, 171},
        PlaceCase{"D5", "デッキプレート       　　　        ", 43, 177},
        PlaceCase{"D6Label", "作業荷重 Ｗ", 284, 188},
        PlaceCase{"D6Value", "  1470 N/㎡", 440, 188}, PlaceCase{"D8SubscriptW", "W", 332, 211},
        PlaceCase{"D8Value", "  4701 N/㎡", 440, 208},
        PlaceCase{"E1", "□施工時におけるデッキプレートの検討", 23, 239},
        PlaceCase{"E5ChecksMoveLeft", "1)正曲げ応力度", 28, 264},
        PlaceCase{"E6Baseline", "σ＝ ", 42, 290}, PlaceCase{"E8", "2)たわみ", 28, 324},
        PlaceCase{"E9Baseline", "δmax＝Ｃ", 42, 349},
        PlaceCase{"E11", "3)0.7mmデッキ最大スパン", 28, 409},
        PlaceCase{"E12", "スパンL＝2500 ＞ Lmax=2420mm", 42, 426},
        PlaceCase{"E12Verdict", "【不 可】", 481, 426},
        // Notes 30 mm (35 less 5 in the β case) below the last verdict, 10 mm up for N0.
        PlaceCase{"N0", "注意：", 17, 426 + 85 - 28},
        PlaceCase{"N6", "・全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。",
                  23, 483 + 11},
        PlaceCase{"V1", "《 判　　定 》", 23, 494 + 18},
        PlaceCase{"V2", "                   「スパン」がアウトになります。設定を変えて下さい。", 77,
                  494 + 21}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(ScreenSheet, FramesAndRulesInWhiteThinnestPen) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const auto rects = OpsOf(canvas, "rect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ((std::array{rects[0]->x, rects[0]->y, rects[0]->x2, rects[0]->y2}),
              (std::array{15, 10, 525, 228}));
    EXPECT_EQ((std::array{rects[1]->x, rects[1]->y, rects[1]->x2, rects[1]->y2}),
              (std::array{15, 509, 525, 533})); // verdict box under N6
    for (const CanvasOp &op : canvas.Ops()) {
        if (op.op == "line" || op.op == "rect") {
            EXPECT_EQ(op.width, 0);
            EXPECT_EQ(op.color, (Rgb{255, 255, 255}));
        }
    }
    EXPECT_TRUE(canvas.BrushClear());
    EXPECT_EQ(canvas.FontFace(), "ＭＳ Ｐゴシック");
    EXPECT_EQ(canvas.Documents(), 0);

    // The D7 rule runs from column 93 to the end of D6's value part.
    const CanvasOp *d6 = canvas.FindText("  1470 N/㎡");
    const CanvasOp &rule = *OpsOf(canvas, "line").front();
    EXPECT_EQ((std::array{rule.x, rule.y, rule.x2, rule.y2}),
              (std::array{278, 202, d6->x + HalfWidthMeasure(d6->text, 11), 202}));
}

TEST(ScreenSheet, HeadingsCyanTextWhiteNotesCyan) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const Rgb cyan{0, 255, 255}, white{255, 255, 255};
    EXPECT_EQ(canvas.FindText("□床の概要／使用材料")->color, cyan);
    EXPECT_EQ(canvas.FindText("□施工時におけるデッキプレートの検討")->color, cyan);
    EXPECT_EQ(canvas.FindText("鉄骨造")->color, white);
    EXPECT_EQ(canvas.FindText("注意：")->color, cyan);
    EXPECT_EQ(canvas.FindText("《 判　　定 》")->color, cyan);
    EXPECT_EQ(canvas.FindText("《 判　　定 》")->size, 8);
    EXPECT_EQ(OpsOf(canvas, "text").back()->color, white); // V2
    EXPECT_EQ(canvas.FindText("鉄骨造")->size, 9);
    EXPECT_EQ(canvas.FindText("1)正曲げ応力度")->size, 10);
}

TEST(ScreenSheet, ShoredFrameIsTallerAndNotesCloser) {
    const RecordingCanvas canvas = DrawScreen(ShoredCase());
    const CanvasOp &frame = *OpsOf(canvas, "rect").front();
    EXPECT_EQ(frame.y2, 10 + 232);
    EXPECT_EQ(At(canvas, "デッキリブ許容支圧荷重: 9800 N/m"), (Point{43, 109}));
    // E2 at D 10, E3 at D 19, E4 at D 25 below the frame; its verdict on its line.
    EXPECT_EQ(At(canvas, "支保工使用のため，スパンを1/2(Ｌw=Ｌ/2)として計算します。"),
              (Point{85, 242 + 28}));
    EXPECT_EQ(At(canvas, "1)デッキリブの支圧荷重"), (Point{28, 242 + 53}));
    EXPECT_EQ(At(canvas, "Ｐ＝ wＷ"), (Point{42, 242 + 70}));
    EXPECT_EQ(OpsOf(canvas, "text", "【 O.K.】").front()->y, 242 + 70);
    // Notes: 25 mm below the last verdict (35, less 5 for shores, less 5 for β).
    const CanvasOp *e12 = OpsOf(canvas, "text", "【 O.K.】").back();
    EXPECT_EQ(At(canvas, "注意：").y, e12->y + 70 - 28);
}

TEST(ScreenSheet, FractionsSitOnTheirBars) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const int baseline = 290;
    const int x0 = At(canvas, "σ＝ ").x + HalfWidthMeasure("σ＝ ", 12);
    // Fraction 1: numerator raised by half a step, denominator shifted by 14 - 5 bytes = 9 mm.
    EXPECT_EQ(At(canvas, "wＷ"), (Point{x0, baseline - 8}));
    const auto tl = OpsOf(canvas, "text", "TL");
    EXPECT_TRUE(std::any_of(tl.begin(), tl.end(), [&](const CanvasOp *op) {
        return op->x == x0 + 18 && op->y == baseline - 8 + 3 && op->size == 7;
    }));
    EXPECT_EQ(At(canvas, "8xＺt"), (Point{x0 + 25, baseline + 8}));
    const CanvasOp &bar = *OpsOf(canvas, "line")[1];
    EXPECT_EQ(bar.x, x0);
    EXPECT_EQ(bar.y, baseline + 4); // trunc(12 px x 0.4)
    EXPECT_EQ(bar.y2, bar.y);
    // The plain space that ends the numerator stands on the baseline and ends the bar.
    const CanvasOp *space = nullptr;
    for (const CanvasOp *op : OpsOf(canvas, "text", " "))
        if (op->y == baseline && !space)
            space = op;
    ASSERT_NE(space, nullptr);
    EXPECT_EQ(bar.x2, space->x + 6);
    EXPECT_EQ(At(canvas, "＝"), (Point{bar.x2, baseline}));
}

TEST(ScreenSheet, SuperscriptsAreRaisedAndSmaller) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const CanvasOp *kn = canvas.FindText("ρ=24 kN/m");
    const CanvasOp *cube = canvas.FindText("3");
    ASSERT_TRUE(kn && cube);
    EXPECT_EQ(kn->x, 43 + HalfWidthMeasure("コンクリート : 普通", 11) + 14); // 5 mm gap
    EXPECT_EQ(cube->size, 6);
    EXPECT_EQ(cube->x, kn->x + HalfWidthMeasure(kn->text, 11) + 2);
    EXPECT_EQ(cube->y, 46 - 2);
}

TEST(ScreenSheet, DeflectionComparisonStandsBelowItsFormula) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const Point result = At(canvas, "＝ 16.66");
    const Point comparison = At(canvas, " ≦ 1000･Ｌw/180 + 5 =18.88 mm");
    EXPECT_EQ(result.y, 349);
    EXPECT_EQ(comparison, (Point{result.x - 70, 228 + 147}));
    const CanvasOp *verdict = OpsOf(canvas, "text", "【 O.K.】")[1];
    EXPECT_EQ((Point{verdict->x, verdict->y}), (Point{481, 375 + 17}));
}

TEST(ScreenSheet, BendingComparisonOfRcBeamsOnALineOfItsOwn) {
    const RecordingCanvas canvas = DrawScreen(ClassThreeCase());
    const Point result = At(canvas, "＝180.92 ");
    const CanvasOp *comparison = canvas.FindText(" ＞ fb/(α×β) = 235/2.625＝89.53 N/mm");
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison->x, result.x - 70);
    EXPECT_EQ(comparison->y, 228 + 87); // one and a half steps below the formula, D 31
}

TEST(ScreenSheet, SteelBeamComparisonContinuesTheFormulaRun) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const CanvasOp *run = canvas.FindText("＝180.92  ≦ fb/β = 188 N/mm");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->y, 290);
    EXPECT_EQ(OpsOf(canvas, "text", "【 O.K.】").front()->y, 290);
}

TEST(ScreenSheet, VerdictMovesDownRatherThanOverlapTheLine) {
    // Text twice as wide pushes the bending line past the verdict column.
    const auto wide = [](const std::string &text, int px) {
        return 2 * HalfWidthMeasure(text, px);
    };
    const RecordingCanvas canvas = DrawScreen(DefaultCase(), wide);
    EXPECT_EQ(OpsOf(canvas, "text", "【 O.K.】").front()->y, 290 + 17);
}

TEST(ScreenSheet, HighStrengthAllowableIsUnderlinedInCrimson) {
    DesignCase r;
    r.deckFamily = code::kFamilyPx;
    r.deckModel = code::kModelPx75Valpha;
    r.thicknessCode = 2;
    const RecordingCanvas canvas = DrawScreen(r);
    const CanvasOp *label = canvas.FindText("許容応力度  : ｆb = ");
    const CanvasOp *sup = canvas.FindText("2");
    const CanvasOp &underline = *OpsOf(canvas, "line").front();
    EXPECT_EQ(underline.color, (Rgb{204, 0, 68}));
    EXPECT_EQ(underline.x, label->x + HalfWidthMeasure(label->text, 11));
    EXPECT_EQ(underline.x2, sup->x + HalfWidthMeasure("2", 7));
    EXPECT_EQ(underline.y, 95 + 12);
    EXPECT_EQ(OpsOf(canvas, "line")[1]->color, (Rgb{255, 255, 255})); // pen restored
}

class PrinterDefaultPlacement : public testing::TestWithParam<PlaceCase> {};

PrintSettings TitledSettings(int pageNumberPos) {
    PrintSettings print;
    print.projectTitle = "市民会館";
    print.pageNumberPos = pageNumberPos;
    return print;
}

TEST_P(PrinterDefaultPlacement, LandsOnThePage) {
    static const RecordingCanvas canvas = DrawPrinter(DefaultCase(), TitledSettings(10));
    EXPECT_EQ(At(canvas, GetParam().text), (Point{GetParam().x, GetParam().y}));
}

INSTANTIATE_TEST_SUITE_P(
    Items, PrinterDefaultPlacement,
    testing::Values(PlaceCase{"TopPageNumberLeft", "－１－", 118, 94},
                    PlaceCase{"Title", "物件名：市民会館", 401, 236},
                    PlaceCase{"SheetTitle", "フラットデッキ構造計算", 1724, 448},
                    PlaceCase{"A1", "□床の概要／使用材料", 377, 660},
                    PlaceCase{"A2", "デッキプレート: PX75LA-07 (Z12)  t =0.7 mm", 543, 755},
                    PlaceCase{"A3", "ス　パ　ン Ｌ : 2.5ｍ　[ 支保工無し(Ｌw=Ｌ) ]", 2432, 755},
                    PlaceCase{"E1", "□施工時におけるデッキプレートの検討", 377, 2172},
                    PlaceCase{"E5KeepsItsColumn", "1)正曲げ応力度", 543, 2125 + 188},
                    PlaceCase{"F1", "Ａｒｖｅｌ株式会社 [2026/12/10]", 3259, 4084}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PrinterSheet, OneDocumentBlackOnWhiteWithFrame) {
    const RecordingCanvas canvas = DrawPrinter(DefaultCase(), TitledSettings(0));
    EXPECT_EQ(canvas.Documents(), 1);
    EXPECT_EQ(canvas.EndedDocuments(), 1);
    const auto rects = OpsOf(canvas, "rect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ((std::array{rects[0]->x, rects[0]->y, rects[0]->x2, rects[0]->y2}),
              (std::array{307, 590, 4417, 2125}));
    EXPECT_EQ(rects[0]->width, 7);
    EXPECT_EQ(rects[1]->width, 4);
    const CanvasOp &underline = *OpsOf(canvas, "line").front();
    EXPECT_EQ((std::array{underline.x, underline.y, underline.x2, underline.width}),
              (std::array{401, 248 + 108, 4299, 5})); // px(10.5) + 13 pt at 600 dpi
    for (const CanvasOp *op : OpsOf(canvas, "text"))
        EXPECT_EQ(op->color, (Rgb{0, 0, 0})) << op->text;
    EXPECT_EQ(canvas.FindText("物件名：市民会館")->size, 13);
    EXPECT_EQ(canvas.FindText("－１－"), nullptr);
    EXPECT_FALSE(canvas.BrushClear());
}

TEST(PrinterSheet, ShoredFrameBottom) {
    const RecordingCanvas canvas = DrawPrinter(ShoredCase());
    EXPECT_EQ(OpsOf(canvas, "rect").front()->y2, 2243);
}

TEST(PrinterSheet, PlaceholderTitlePrintsNoTitleLine) {
    const RecordingCanvas canvas = DrawPrinter(DefaultCase());
    for (const CanvasOp *op : OpsOf(canvas, "text"))
        EXPECT_EQ(op->text.rfind("物件名：", 0), std::string::npos);
    EXPECT_TRUE(OpsOf(canvas, "line").size() > 0);
    EXPECT_NE(OpsOf(canvas, "line").front()->width, 5); // no title underline
}

struct PageNumberCase {
    const char *name;
    int pos;
    int x;
    int y;
};

void PrintTo(const PageNumberCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "pos", row.pos, "x", row.x, "y", row.y);
}

class PageNumber : public testing::TestWithParam<PageNumberCase> {};

TEST_P(PageNumber, SitsAtItsPosition) {
    const RecordingCanvas canvas = DrawPrinter(DefaultCase(), TitledSettings(GetParam().pos));
    const auto ops = OpsOf(canvas, "text", "－１－");
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ((Point{ops[0]->x, ops[0]->y}), (Point{GetParam().x, GetParam().y}));
    EXPECT_EQ(ops[0]->size, 10);
}

INSTANTIATE_TEST_SUITE_P(Positions, PageNumber,
                         testing::Values(PageNumberCase{"TopLeft", 10, 118, 94},
                                         PageNumberCase{"TopCentre", 11, 2409, 94},
                                         PageNumberCase{"TopRight", 12, 4534, 94},
                                         PageNumberCase{"TopUnknownIsRight", 15, 4534, 94},
                                         PageNumberCase{"BottomLeft", 20, 118, 6543},
                                         PageNumberCase{"BottomCentre", 21, 2409, 6543},
                                         PageNumberCase{"BottomRight", 22, 4534, 6543}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PrinterSheet, DeflectionVerdictBesideOrBelowTheLongLine) {
    const auto narrow = [](const std::string &, int) { return 0; };
    RecordingCanvas canvas = DrawPrinter(DefaultCase(), {}, narrow);
    const CanvasOp *line = canvas.FindText("＝ 16.66 ≦ 1000･Ｌw/180 + 5 =18.88 mm");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(OpsOf(canvas, "text", "【 O.K.】")[1]->y, line->y + 47); // half a step lower

    const auto wide = [](const std::string &text, int px) {
        return 3 * HalfWidthMeasure(text, px);
    };
    canvas = DrawPrinter(DefaultCase(), {}, wide);
    line = canvas.FindText("＝ 16.66 ≦ 1000･Ｌw/180 + 5 =18.88 mm");
    EXPECT_EQ(OpsOf(canvas, "text", "【 O.K.】")[1]->y, line->y + 94); // on the next line
}

TEST(DrawLog, OneJsonObjectPerDrawingOperation) {
    const RecordingCanvas canvas = DrawScreen(DefaultCase());
    const std::string log = DrawLogJsonLines(canvas.Ops());
    const std::string first = log.substr(0, log.find('\n'));
    EXPECT_EQ(first,
              R"({"op":"rect","x":15,"y":10,"x2":525,"y2":228,"width":0,"color":"#ffffff"})");
    EXPECT_NE(
        log.find(
            R"({"op":"text","x":23,"y":18,"size":9,"color":"#00ffff","text":"□床の概要／使用材料"})"),
        std::string::npos);
    EXPECT_EQ(static_cast<size_t>(std::count(log.begin(), log.end(), '\n')), canvas.Ops().size());
}

} // namespace
} // namespace korvane
