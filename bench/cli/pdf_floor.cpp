// The least a one-page Japanese PDF/A costs a Qt command-line program: a QGuiApplication on
// the offscreen platform writes one A4 page, PDF/A-1b with a title, holding the lines of text
// of a calculation sheet in the sheet's font (embedded, as every PDF/A embeds its fonts, so
// the font subset is of a like size) and one frame, without composing the sheet. The
// start-up benchmark holds korvane-calc --pdf on one file against this.
//
// Usage: pdf_floor OUT.pdf

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

namespace {

// The texts of the sheet of tests/golden/cases/coating_other.fdt, the start-up benchmark's case.
const char *const kLines[] = {
    "□床の概要／使用材料",
    "デッキプレート: PX75-12  t =1.2 mm",
    "ス　パ　ン Ｌ : 2.6ｍ　[ 支保工無し(Ｌw=Ｌ) ]",
    "コンクリート : 普通ρ=24 kN/m3   S=130mm",
    "□デッキプレートの断面性能と許容応力度 (C=1.6)",
    "重　　   量 : 197N/㎡",
    "断 面 係 数Zt : 29.4 x103 mm3/m",
    "許容応力度  : ｆb = 205 N/mm2",
    "断面二次モーメントI : 180 x104 mm4/m",
    "□支持梁/施工状況",
    "RC造･SRC造 / Ⅰ類 [α＝1.0]",
    "□施工時荷重の計算",
    "鉄筋コンクリート 24000x0.13= 3120N/㎡",
    "}→",
    "固定荷重 ＷDL :   3317 N/㎡",
    "デッキプレート       　　　        197N/㎡",
    "作業荷重 ＷWL :   1470 N/㎡",
    "WＷTL :   4787 N/㎡",
    "□施工時におけるデッキプレートの検討",
    "1)正曲げ応力度",
    "σ＝ wＷTL･Ｌw2･103 8xＺt＝ 4787×2.62  8x29.4 × 103  103 ＝137.59 ",
    " ≦ fb/α = 205/1＝205 N/mm2",
    "2)たわみ",
    "δmax＝Ｃ 5wＷTL･Ｌw4･109       384Ｅ･Ｉ＝1.6  5×4787×2.64 384×2.05×105×180 × 109  104 ＝ "
    "12.35",
    " ≦ 1000･Ｌw/180 + 5 =19.44 mm",
    "注意：",
    "・全ての計算は、入力値も含め上記記載通りの有効数字を用いて行っています。",
    "《 判　　定 》",
    "                                     全てクリアしています。",
};

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: pdf_floor OUT.pdf\n");
        return 1;
    }
    QPdfWriter pdf(QString::fromLocal8Bit(argv[1]));
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("pdf_floor"));
    pdf.setTitle(QStringLiteral("市民会館 増築"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return 1;
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(100);
    painter.setFont(font);
    painter.drawRect(500, 500, 4000, 6000);
    int y = 800;
    for (const char *line : kLines) {
        painter.drawText(600, y, QString::fromUtf8(line));
        y += 160;
    }
    return painter.end() ? 0 : 1;
}
