// The summary window's rich text as a text document: the summary text supplied with the
// program, and the parts of the format the reader understands, as the window shows them.
// Damaged input is read in tests/formats, without a window.

#include "ui/help/RichTextDocument.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QString PlainText(const QByteArray &rtf) {
    QTextDocument document;
    korvane::ReadRtf(rtf, document);
    return document.toRawText();
}

// The character format at the first occurrence of `text`.
QTextCharFormat FormatOf(const QTextDocument &document, const QString &text) {
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor at(const_cast<QTextDocument *>(&document));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QByteArray SummaryFile() {
    QFile file(QStringLiteral(KORVANE_LOAD_DATA_SOURCE "/Summary.rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT

private slots:
    void summaryText();
    void summaryFormatting();
    void text_data();
    void text();
    void characterFormats();
    void paragraphFormats();
    void replacesEarlierContent();
};

void TestRtfReader::summaryText() {
    const QByteArray rtf = SummaryFile();
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QTextDocument document;
    korvane::ReadRtf(rtf, document);
    const QString text = document.toPlainText();
    // The stand-in characters behind each \uN are skipped, and the font and colour tables
    // and the generator note are not shown.
    QVERIFY2(!text.contains('?'), qPrintable(text.left(200)));
    QVERIFY(!text.contains("Gothic") && !text.contains("ゴシック"));
    QVERIFY(!text.contains("write_summary_rtf"));
    QVERIFY(text.startsWith("Korvane for Win について\n"));
    const char *expected[] = {
        "スパン Ｌ（梁フランジの内側の距離）：1000 ～ 4900 mm（PX75Vα は 5700 mm まで）",
        "コンクリート厚さ Ｓ（デッキ山上のスラブ厚さ）：120 ～ 800 mm",
        "Ｐ ＝ ＷTL･Ｌw  ≦  デッキリブの許容支圧荷重（N/m）",
        "Ｍ ＝ ＷTL･Ｌw2 / 8　　σ ＝ Ｍ / Ｚt  ≦  許容曲げ応力度",
        "δmax ＝ Ｃ･5ＷTL･Ｌw4 / (384Ｅ･Ｉ)  ≦  Ｌw/180 ＋ 5 mm",
        "普通 24 kN/m3、軽量１種 20 kN/m3、軽量２種 18 kN/m3",
        "Ⅰ類 α ＝ 1.0、Ⅱ類 α ＝ 1.25、Ⅲ類 α ＝ 1.5",
        "PX75LA・PX75LB は Ｓ造 2420 mm、RC造･SRC造 2050 mm",
        "PX100L は Ｓ造 3360 mm、RC造･SRC造 3290 mm",
    };
    for (const char *line : expected)
        QVERIFY2(text.contains(QString::fromUtf8(line)), line);
}

void TestRtfReader::summaryFormatting() {
    QTextDocument document;
    korvane::ReadRtf(SummaryFile(), document);
    const QTextCharFormat heading = FormatOf(document, "Korvane for Win について");
    QCOMPARE(heading.fontWeight(), int(QFont::Bold));
    QCOMPARE(heading.foreground().color(), QColor(0, 0, 128));
    QCOMPARE(heading.fontPointSize(), 13.0);
    const QTextCharFormat subscript = FormatOf(document, "TL･Ｌw  ≦");
    QCOMPARE(subscript.verticalAlignment(), QTextCharFormat::AlignSubScript);
    const QTextCharFormat body = FormatOf(document, "本プログラムは");
    QCOMPARE(body.fontWeight(), int(QFont::Normal));
    QCOMPARE(body.fontPointSize(), 10.5);
}

void TestRtfReader::text_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    const QString sep(QChar::ParagraphSeparator);
    QTest::newRow("groups") << QByteArray("{\\rtf1 a{\\b b{\\i c}}d}") << "abcd";
    QTest::newRow("delimiting space") << QByteArray("{\\rtf1\\b  x\\b0 y}") << " xy";
    QTest::newRow("par") << QByteArray("{\\rtf1 one\\par two}") << "one" + sep + "two";
    QTest::newRow("line break of the file is no text") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
    QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
    QTest::newRow("line") << QByteArray("{\\rtf1 a\\line b}") << QString("a\u2028b");
    QTest::newRow("escaped symbols") << QByteArray("{\\rtf1 \\{x\\}\\\\}") << "{x}\\";
    QTest::newRow("non-breaking space") << QByteArray("{\\rtf1 a\\~b}") << "a\u00a0b";
    QTest::newRow("unicode with stand-in")
        << QByteArray("{\\rtf1\\uc1 \\u12354?\\u12356?}") << "あい";
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-211?\\u-205?}") << "ＭＳ";
    QTest::newRow("unicode with two stand-ins")
        << QByteArray("{\\rtf1\\uc2 \\u26032\\'90\\'56x}") << "新x";
    QTest::newRow("unicode stand-in count per group")
        << QByteArray("{\\rtf1 {\\uc2 \\u26032??}\\u26032?y}") << "新新y";
    QTest::newRow("unicode without stand-in") << QByteArray("{\\rtf1\\uc0 \\u26032 x}") << "新x";
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("code page 932 hex bytes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \\'8e\\'78\\'88\\'b3\\'8d\\'de}") << "支圧材";
    QTest::newRow("code page 932 raw bytes")
        << QByteArray("{\\rtf1\\ansi\\ansicpg932 \x82\xbd\x82\xed\x82\xdd}") << "たわみ";
    QTest::newRow("code page 932 byte pair across a format change")
        << QByteArray("{\\rtf1\\ansicpg932 \\'82\\'a0{\\b \\'82\\'a2}}") << "あい";
    QTest::newRow("western code page")
        << QByteArray("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9}") << "café";
    QTest::newRow("font and colour tables")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fnil MS Gothic;}}{\\colortbl;\\red1\\green2"
                      "\\blue3;}x}")
        << "x";
    QTest::newRow("optional destination")
        << QByteArray("{\\rtf1{\\*\\generator Writer 1.0;}{\\*\\unknown {a}b}c}") << "c";
    QTest::newRow("info and picture")
        << QByteArray("{\\rtf1{\\info{\\title T}}{\\pict\\pngblip 89504e47}x}") << "x";
    QTest::newRow("field shows its result")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "link";
    QTest::newRow("binary data") << QByteArray("{\\rtf1 a\\bin3 {}\\b}") << "ab";
    QTest::newRow("text after the document") << QByteArray("{\\rtf1 in}out{\\b more}") << "in";
    QTest::newRow("leading blanks before the header") << QByteArray("\r\n {\\rtf1 x}") << "x";
    QTest::newRow("not rich text is plain text")
        << QByteArray("plain {text}\r\n\x8e\x78\x88\xb3") << "plain {text}" + sep + "支圧";
    QTest::newRow("deep nesting") << QByteArray("{\\rtf1 ") + QByteArray(300, '{') + "x" +
                                         QByteArray(300, '}') + "y}"
                                  << "xy";
}

void TestRtfReader::text() {
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QString got = PlainText(rtf);
    if (got.endsWith(QChar::ParagraphSeparator) && !expected.endsWith(QChar::ParagraphSeparator))
        got.chop(1);
    QCOMPARE(got, expected);
}

void TestRtfReader::characterFormats() {
    QTextDocument document;
    korvane::ReadRtf("{\\rtf1{\\colortbl;\\red204\\green0\\blue68;}"
                     "n{\\b B}{\\i I}{\\ul U\\ulnone V}{\\fs40 F}{\\cf1 C}{\\super S}{\\sub D}"
                     "{\\b\\i\\plain P}{\\b0 Z}}",
                     document);
    QCOMPARE(document.toPlainText(), QStringLiteral("nBIUVFCSDPZ"));
    QVERIFY(FormatOf(document, "B").fontWeight() == QFont::Bold);
    QVERIFY(FormatOf(document, "I").fontItalic());
    QVERIFY(FormatOf(document, "U").fontUnderline());
    QVERIFY(!FormatOf(document, "V").fontUnderline());
    QCOMPARE(FormatOf(document, "F").fontPointSize(), 20.0);
    QCOMPARE(FormatOf(document, "C").foreground().color(), QColor(204, 0, 68));
    QCOMPARE(FormatOf(document, "S").verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(FormatOf(document, "D").verticalAlignment(), QTextCharFormat::AlignSubScript);
    const QTextCharFormat plain = FormatOf(document, "P");
    QVERIFY(plain.fontWeight() != QFont::Bold && !plain.fontItalic());
    // Text before and after a group keeps the outer formatting.
    QVERIFY(FormatOf(document, "n").fontWeight() != QFont::Bold);
    QVERIFY(FormatOf(document, "Z").fontWeight() != QFont::Bold);
}

void TestRtfReader::paragraphFormats() {
    QTextDocument document;
    korvane::ReadRtf("{\\rtf1\\pard\\qc centred\\par\\pard\\li720\\fi-240\\sa150 indented\\par"
                     "\\pard\\qr right\\par left}",
                     document);
    QCOMPARE(document.blockCount(), 4);
    const QTextBlockFormat centred = document.findBlockByNumber(0).blockFormat();
    QCOMPARE(centred.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextBlockFormat indented = document.findBlockByNumber(1).blockFormat();
    QCOMPARE(indented.leftMargin(), 48.0); // 720 twips at 96 pixels per inch
    QCOMPARE(indented.textIndent(), -16.0);
    QCOMPARE(indented.bottomMargin(), 10.0);
    QCOMPARE(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
    // \pard is not repeated for the last paragraph, so it keeps the right alignment.
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);
}

void TestRtfReader::replacesEarlierContent() {
    QTextDocument document;
    korvane::ReadRtf("{\\rtf1 first}", document);
    korvane::ReadRtf("{\\rtf1 second}", document);
    QCOMPARE(document.toPlainText(), QStringLiteral("second"));
}

QTEST_MAIN(TestRtfReader)
#include "test_rtf.moc"
