// Opening a saved case in the main window and pressing "計　算" gives what korvane-calc gives
// for the same file: the notices of the open command, the case calculated (or the message
// that refuses it), the results and verdicts, the sheet items and the sheet picture; and
// the print dialog's "print to file" writes the archival PDF that korvane-calc --pdf writes;
// 最大スパン表 and デッキ比較 show what korvane-calc --span-table and --compare give.

#include "UiTestSupport.h"

#include "cli/CalcJson.h"
#include "core/DataFile.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#include "sheet/qt/SheetOutput.h"
#include "tests/PdfTestSupport.h"
#include "ui/deckchoice/DeckComparisonWindow.h"
#include "ui/deckchoice/SpanTableWindow.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/CaseFileCommands.h"
#include "ui/result/PrintSettingsDialog.h"
#include "ui/result/ResultWindow.h"

#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <rapidjson/document.h>

#include <fstream>

using namespace korvane;
using namespace korvane::testing;
using Json = rapidjson::Value;
using Lines = std::vector<std::string>;

Q_DECLARE_METATYPE(Lines)

namespace {

// A case of the current format; `change` edits its lines by field position.
Lines CurrentCase(std::initializer_list<std::pair<int, const char *>> change = {}) {
    Lines lines{"korvane 3.6", "1", "0",   "5",    "0", "111",        "2500", "1",
                "4",           "4", "130", "1470", "0", "件名を入力", "0",    "－１－"};
    for (const auto &[index, text] : change)
        lines[static_cast<std::size_t>(index)] = text;
    return lines;
}

// PX100 (family 0, model 3) with 0.8 mm plate and the given coating.
Lines Px100(const char *coating) {
    return CurrentCase({{1, "0"}, {2, "3"}, {3, "0"}, {4, coating}, {5, "191"}});
}

QStringList Texts(const Json &array) {
    QStringList texts;
    for (const Json &text : array.GetArray())
        texts << QString::fromUtf8(text.GetString());
    return texts;
}

rapidjson::Document Parsed(std::string_view text) {
    rapidjson::Document document;
    document.Parse(text.data(), text.size());
    return document;
}

// What one of korvane-calc's JSON writers gives for a part of the case, read back.
template <class Write> rapidjson::Document Written(Write write) {
    JsonWriter json;
    write(json);
    return Parsed(json.Text());
}

// The main window after its first filling, with a result window of its own for 計　算.
std::pair<std::unique_ptr<MainWindow>, std::unique_ptr<ResultWindow>> ReadyFormWithResultWindow() {
    auto form = MakeReadyForm();
    auto result = std::make_unique<ResultWindow>();
    result->SetPrintSettingsWindow(form->PrintSettingsWindow());
    form->SetResultWindow(result.get());
    return {std::move(form), std::move(result)};
}

// korvane-calc's lines for a file with the given options, and its exit status.
std::pair<std::vector<rapidjson::Document>, int> CalcLines(const QStringList &arguments) {
    QProcess calc;
    calc.start(QStringLiteral(KORVANE_CALC), arguments);
    calc.waitForFinished(60000);
    std::vector<rapidjson::Document> lines;
    for (const QByteArray &line : calc.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            lines.push_back(Parsed(line.toStdString()));
    return {std::move(lines), calc.exitCode()};
}

std::optional<CheckName> CheckNamed(const Json &key) {
    for (const CheckName check : kChecksInSheetOrder)
        if (!key.IsNull() && key == CheckKey(check))
            return check;
    return std::nullopt;
}

// What the span table window shows for one of korvane-calc's span-table lines.
QString SpanCellOf(const Json &line) {
    SpanTableCell cell;
    if (!line["maxSpan"].IsNull())
        cell.maxSpan = line["maxSpan"].GetInt();
    cell.governing = CheckNamed(line["governing"]);
    return QString::fromStdString(SpanCellText(cell));
}

QString Cell(const QTableWidget &table, int row, int column) {
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class WindowMatchesCalc : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    QTemporaryDir m_dir;

private slots:
    void sameFileSameAnswer_data();
    void sameFileSameAnswer();
    void printToFileIsTheArchivalPdfOfKorvaneCalc_data();
    void printToFileIsTheArchivalPdfOfKorvaneCalc();
    void sameFileSameTables_data();
    void sameFileSameTables();
};

void WindowMatchesCalc::sameFileSameAnswer_data() {
    QTest::addColumn<Lines>("lines");
    QTest::newRow("PX100 Z12") << Px100("0");
    QTest::newRow("PX100 Z27") << Px100("1");
    QTest::newRow("PX100 Y18") << Px100("2");
    QTest::newRow("PX100 K35") << Px100("3");
    QTest::newRow("PX100 他") << Px100("4");
    QTest::newRow("format 20, model 1") << Lines{
        "1", "2", "3000", "2", "5", "4", "150", "1600", "500", "件名を入力", "11", "－１－"};
    QTest::newRow("unknown codes")
        << CurrentCase({{1, "5"}, {2, "7"}, {3, "9"}, {4, "8"}, {7, "0"}, {8, "7"}, {9, "3"}});
    QTest::newRow("work load 980") << CurrentCase({{11, "980"}});
    QTest::newRow("work load 1470") << CurrentCase();
    QTest::newRow("unit weight 150 with Z12") << CurrentCase({{5, "150"}});
    QTest::newRow("span 999") << CurrentCase({{6, "999"}});
    QTest::newRow("title and page") << CurrentCase({{13, "事務所棟"}, {14, "21"}, {15, "P-3"}});
}

void WindowMatchesCalc::sameFileSameAnswer() {
    QFETCH(Lines, lines);
    const std::string path = m_dir.filePath(QStringLiteral("case.fdt")).toStdString();
    std::ofstream(path, std::ios::binary) << DataFileBytes(lines);
    const QString png = m_dir.filePath(QStringLiteral("sheet.png"));
    QFile::remove(png);

    QProcess calc;
    calc.start(QStringLiteral(KORVANE_CALC),
               {QStringLiteral("--png"), png, QStringLiteral("--date"), QStringLiteral("d"),
                QString::fromStdString(path)});
    QVERIFY(calc.waitForFinished(60000));
    const std::string output = calc.readAllStandardOutput().toStdString();
    const rapidjson::Document expected = Parsed(output);
    QVERIFY2(!expected.HasParseError(), output.c_str());
    const bool refused = !expected["precheck"].IsNull();
    QCOMPARE(calc.exitCode(), refused ? 2 : 0);

    const auto [form, result] = ReadyFormWithResultWindow();
    DesignCaseFiles files;
    MessageRecorder messages;
    OpenDesignCaseFile(*form, files, path);
    // The open command's notices, then one message with korvane-calc's warnings.
    QStringList expectedMessages = Texts(expected["notices"]);
    std::vector<std::string> warnings;
    for (const QString &warning : Texts(expected["warnings"]))
        warnings.push_back(warning.toStdString());
    if (!warnings.empty())
        expectedMessages << ReadingWarningsMessage(files.lastOpenName, warnings);
    QCOMPARE(messages.texts, expectedMessages);
    QVERIFY(Written([&](JsonWriter &json) { WriteRecord(json, form->ReadCase()); }) ==
            expected["record"]);

    messages.texts.clear();
    bool shown = false;
    QImage picture;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        shown = true;
        picture = result->Picture().convertToFormat(QImage::Format_RGB32);
        dialog.reject();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Widget<QPushButton>(*form, "calculateButton"), Qt::LeftButton);
    SetModalHandler(previous);

    if (refused) {
        QVERIFY(!shown);
        QCOMPARE(messages.texts,
                 QStringList{QString::fromUtf8(expected["precheck"]["message"].GetString())});
        return;
    }
    QVERIFY(shown);
    QVERIFY(messages.texts.isEmpty());
    const CaseResult &calculated = result->Result();
    QVERIFY(Written([&](JsonWriter &json) { WriteRecord(json, calculated.record); }) ==
            expected["record"]);
    QVERIFY(Written([&](JsonWriter &json) { WriteResult(json, calculated.calculation); }) ==
            expected["result"]);
    QVERIFY(Written([&](JsonWriter &json) { WriteChecks(json, calculated.verdicts); }) ==
            expected["checks"]);
    const SheetInputs in{calculated.record, calculated.calculation,
                         form->PrintSettingsWindow()->Settings(), SheetTarget::kScreen, "d"};
    const SheetContent sheet = BuildSheetContent(in);
    QVERIFY(Written([&](JsonWriter &json) { WriteSheetItems(json, sheet); }) == expected["sheet"]);
    QCOMPARE(picture, QImage(png).convertToFormat(QImage::Format_RGB32));
}

void WindowMatchesCalc::printToFileIsTheArchivalPdfOfKorvaneCalc_data() {
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<QString>("documentTitle");
    QTest::newRow("no title") << CurrentCase() << QStringLiteral("フラットデッキ構造計算");
    QTest::newRow("title and page")
        << CurrentCase({{6, "3000"}, {13, "事務所棟"}, {14, "21"}, {15, "P-3"}})
        << QStringLiteral("事務所棟");
}

void WindowMatchesCalc::printToFileIsTheArchivalPdfOfKorvaneCalc() {
    QFETCH(Lines, lines);
    QFETCH(QString, documentTitle);
    const std::string path = m_dir.filePath(QStringLiteral("case.fdt")).toStdString();
    std::ofstream(path, std::ios::binary) << DataFileBytes(lines);
    const QString calcPdf = m_dir.filePath(QStringLiteral("calc.pdf"));
    const QString printedPdf = m_dir.filePath(QStringLiteral("printed.pdf"));
    QFile::remove(printedPdf);

    // The window prints today's date: korvane-calc is given the same.
    QProcess calc;
    calc.start(QStringLiteral(KORVANE_CALC),
               {QStringLiteral("--pdf"), calcPdf, QStringLiteral("--date"),
                QString::fromStdString(TodayShortDate()), QString::fromStdString(path)});
    QVERIFY(calc.waitForFinished(60000));
    QCOMPARE(calc.exitCode(), 0);

    const auto [form, result] = ReadyFormWithResultWindow();
    DesignCaseFiles files;
    MessageRecorder messages;
    OpenDesignCaseFile(*form, files, path);

    // What the print dialog does when the user picks its file output.
    const auto choice = ResultWindow::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setPrinterName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printedPdf);
        return true;
    });
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        result->PrintSheet();
        dialog.reject();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Widget<QPushButton>(*form, "calculateButton"), Qt::LeftButton);
    SetModalHandler(previous);
    ResultWindow::SetPrinterChoice(choice);
    QVERIFY(messages.texts.isEmpty());

    const std::string printed = printedPdf.toStdString(), written = calcPdf.toStdString();
    QStringList faults;
    for (const std::string &fault : test::ArchivalFaults(printed))
        faults << QString::fromStdString(fault);
    QCOMPARE(faults, QStringList{});
    QCOMPARE(QString::fromStdString(test::PdfInfoField(printed, "Title")), documentTitle);
    QCOMPARE(QString::fromStdString(test::PdfInfoField(written, "Title")), documentTitle);
    QCOMPARE(QString::fromStdString(test::PdfInfoField(printed, "Pages")), QStringLiteral("1"));
    const QString printedText = QString::fromStdString(test::PdfText(printed));
    QVERIFY2(printedText.contains(QStringLiteral("フラットデッキ構造計算")),
             qPrintable(printedText));
    QCOMPARE(printedText, QString::fromStdString(test::PdfText(written)));
}

void WindowMatchesCalc::sameFileSameTables_data() {
    QTest::addColumn<Lines>("lines");
    QTest::newRow("first filling") << CurrentCase();
    QTest::newRow("thick slab, other load, class 3")
        << CurrentCase({{9, "4"}, {10, "400"}, {12, "1500"}, {8, "9"}});
    QTest::newRow("PX family, own weight, shored")
        << CurrentCase({{1, "0"}, {2, "2"}, {4, "4"}, {5, "300"}, {7, "2"}, {6, "4000"}});
    QTest::newRow("span 999: a table, no comparison") << CurrentCase({{6, "999"}});
    QTest::newRow("negative other load") << CurrentCase({{12, "-10"}});
}

// The cells of a deck-choice window, a row a text with its cells joined by "|".
QStringList ShownRows(const QTableWidget &table) {
    QStringList rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells << Cell(table, row, column);
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// The deck-choice windows for a saved case show what korvane-calc --span-table and --compare
// give for the same file: the same refusal, the same decks in the same order, the same cells.
void WindowMatchesCalc::sameFileSameTables() {
    QFETCH(Lines, lines);
    const std::string path = m_dir.filePath(QStringLiteral("tables.fdt")).toStdString();
    std::ofstream(path, std::ios::binary) << DataFileBytes(lines);
    const QString file = QString::fromStdString(path);
    const auto [spanLines, spanStatus] = CalcLines({QStringLiteral("--span-table"), file});
    const auto [compareLines, compareStatus] = CalcLines({QStringLiteral("--compare"), file});

    auto form = MakeReadyForm();
    DesignCaseFiles files;
    MessageRecorder messages;
    OpenDesignCaseFile(*form, files, path);
    messages.texts.clear();

    QStringList shown;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        if (auto *table = qobject_cast<SpanTableWindow *>(&dialog))
            shown = ShownRows(*Widget<QTableWidget>(*table, "spanTable"));
        else if (auto *comparison = qobject_cast<DeckComparisonWindow *>(&dialog))
            shown = ShownRows(*Widget<QTableWidget>(*comparison, "comparisonTable"));
        dialog.reject();
        return int(QDialog::Rejected);
    });

    QTest::mouseClick(Widget<QPushButton>(*form, "spanTableButton"), Qt::LeftButton);
    if (spanStatus == 2) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(messages.texts, QStringList{QString::fromUtf8(
                                     spanLines.at(0)["precheck"]["message"].GetString())});
    } else {
        QCOMPARE(spanStatus, 0);
        QCOMPARE(shown.size() * 3, qsizetype(spanLines.size()));
        for (std::size_t i = 0; i < spanLines.size(); ++i) {
            const QStringList cells = shown[qsizetype(i / 3)].split(QLatin1Char('|'));
            QCOMPARE(cells.at(0), QString::fromUtf8(spanLines[i]["deckLabel"].GetString()));
            QCOMPARE(cells.at(2 + int(i % 3)), SpanCellOf(spanLines[i]));
        }
    }

    shown.clear();
    messages.texts.clear();
    QTest::mouseClick(Widget<QPushButton>(*form, "comparisonButton"), Qt::LeftButton);
    SetModalHandler(previous);
    if (compareStatus == 2) {
        QVERIFY(shown.isEmpty());
        QCOMPARE(messages.texts, QStringList{QString::fromUtf8(
                                     compareLines.at(0)["precheck"]["message"].GetString())});
        return;
    }
    QCOMPARE(compareStatus, 0);
    QCOMPARE(shown.size(), qsizetype(compareLines.size()));
    for (std::size_t i = 0; i < compareLines.size(); ++i) {
        const Json &line = compareLines[i];
        const QStringList cells = shown[qsizetype(i)].split(QLatin1Char('|'));
        QCOMPARE(cells.at(0), QString::fromUtf8(line["deckLabel"].GetString()));
        for (rapidjson::SizeType c = 0; c < 4; ++c) {
            const Json &check = line["checks"][c];
            const QString utilisation =
                check["applies"].GetBool()
                    ? QString::fromStdString(UtilisationText(check["utilisation"].GetDouble(),
                                                             check["passes"].GetBool()))
                    : QString::fromUtf8(kNotApplicableText);
            QCOMPARE(cells.at(3 + 2 * int(c)), utilisation);
        }
        const QString least =
            line["leastShoring"].IsNull()
                ? QString::fromUtf8(kNotApplicableText)
                : QString::fromStdString(ShoringCaption(line["leastShoring"].GetInt()));
        QCOMPARE(cells.last(), least);
    }
}

KORVANE_UI_TEST_MAIN(WindowMatchesCalc)
#include "tst_window_matches_calc.moc"
