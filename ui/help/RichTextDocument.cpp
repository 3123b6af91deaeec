#include "ui/help/RichTextDocument.h"

#include "formats/RtfReader.h"

#include <QColor>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <string_view>

namespace korvane {

namespace {

constexpr double kTwipsPerPixel = 15; // 1440 twips per inch at 96 pixels per inch

Qt::Alignment AlignmentOf(TextAlignment alignment) {
    switch (alignment) {
    case TextAlignment::Centre:
        return Qt::AlignHCenter;
    case TextAlignment::Right:
        return Qt::AlignRight;
    case TextAlignment::Justify:
        return Qt::AlignJustify;
    case TextAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat BlockFormat(const ParagraphStyle &style) {
    QTextBlockFormat f;
    f.setAlignment(AlignmentOf(style.alignment));
    f.setLeftMargin(style.leftIndent / kTwipsPerPixel);
    f.setRightMargin(style.rightIndent / kTwipsPerPixel);
    f.setTextIndent(style.firstIndent / kTwipsPerPixel);
    f.setTopMargin(std::max(style.spaceBefore, 0) / kTwipsPerPixel);
    f.setBottomMargin(std::max(style.spaceAfter, 0) / kTwipsPerPixel);
    return f;
}

// The document's own character format with what the run changes.
QTextCharFormat CharFormat(const QTextCharFormat &base, const RichTextStyle &style) {
    QTextCharFormat f = base;
    f.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style.italic);
    f.setFontUnderline(style.underline);
    if (style.halfPoints > 0)
        f.setFontPointSize(style.halfPoints / 2.0);
    if (style.colour)
        f.setForeground(QColor::fromRgb(QRgb(*style.colour)));
    if (style.position == VerticalPosition::Sub)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    else if (style.position == VerticalPosition::Super)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    return f;
}

QString FromUtf8(const std::string &text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void ShowPlainText(const RichText &text, QTextDocument &document) {
    QStringList lines;
    for (const RichTextParagraph &paragraph : text.paragraphs)
        lines << (paragraph.runs.empty() ? QString() : FromUtf8(paragraph.runs.front().text));
    document.setPlainText(lines.join(QLatin1Char('\n')));
}

} // namespace

void ReadRtf(const QByteArray &rtf, QTextDocument &document) {
    document.clear();
    const RichText text = ParseRtf(std::string_view(rtf.constData(), std::size_t(rtf.size())));
    if (text.plain) {
        ShowPlainText(text, document);
        return;
    }
    QTextCursor cursor(&document);
    const QTextCharFormat base = cursor.charFormat();
    bool first = true;
    for (const RichTextParagraph &paragraph : text.paragraphs) {
        if (!first)
            cursor.insertBlock(BlockFormat(paragraph.style.value_or(ParagraphStyle{})),
                               CharFormat(base, paragraph.markStyle.value_or(RichTextStyle{})));
        else if (paragraph.style)
            cursor.setBlockFormat(BlockFormat(*paragraph.style));
        first = false;
        for (const RichTextRun &run : paragraph.runs)
            cursor.insertText(FromUtf8(run.text), CharFormat(base, run.style));
    }
}

} // namespace korvane
