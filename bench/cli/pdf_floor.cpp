// The least a one-page Japanese PDF/A costs a Qt command-line program: a QGuiApplication on
// the offscreen platform writes one A4 page, PDF/A-1b with a title, holding one line of
// Japanese text in the sheet's font (embedded, as every PDF/A embeds its fonts) and one
// frame. The start-up benchmark holds korvane-calc --pdf on one file against this.
//
// Usage: pdf_floor OUT.pdf

#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

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
    painter.drawText(
        600, 800, QStringLiteral("□デッキプレートの断面性能と許容応力度 全てクリアしています。"));
    return painter.end() ? 0 : 1;
}
