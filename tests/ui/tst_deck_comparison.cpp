// The deck comparison window as the user meets it from the main window: the rows it shows
// against the comparison of the main window's case, the rounding of what it shows, the
// calculate command's pre-check before it opens, taking a deck into the main window, and
// printing and writing the comparison.

#include "UiTestSupport.h"
#include "tests/PdfTestSupport.h"

#include "core/DeckComparisonText.h"
#include "sheet/qt/TodayDate.h"
#include "ui/deckchoice/DeckComparisonWindow.h"
#include "ui/main/CalculationRun.h"
#include "ui/result/PrintSettingsDialog.h"
#include "ui/result/PrinterChoice.h"
#include "ui/result/ResultWindow.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>

using namespace korvane;
using namespace korvane::testing;

namespace {

using InWindow = std::function<void(DeckComparisonWindow &window)>;

// Answers the modal windows that the comparison opens: the comparison itself is shown and
// `inWindow` acts in it (closing it unless it did), a file dialog is answered with `csvPath`
// (cancelled when empty), and any other window is recorded and cancelled.
class ComparisonDriver {
public:
    ComparisonDriver(InWindow inWindow, QString csvPath = {})
        : m_inWindow(std::move(inWindow)), m_csvPath(std::move(csvPath)) {
        m_previous = SetModalHandler([this](QDialog &dialog) { return answer(dialog); });
    }
    ~ComparisonDriver() { SetModalHandler(m_previous); }
    int comparisonsShown = 0;
    QStringList proposedNames; // by the file dialogs
    QStringList othersShown;

private:
    int answer(QDialog &dialog) {
        if (auto *comparison = qobject_cast<DeckComparisonWindow *>(&dialog)) {
            ++comparisonsShown;
            comparison->show();
            if (!QTest::qWaitForWindowExposed(comparison))
                qWarning("the comparison window was not exposed");
            m_inWindow(*comparison);
            if (comparison->isVisible())
                comparison->reject();
            return comparison->result();
        }
        if (auto *files = qobject_cast<QFileDialog *>(&dialog); files && !m_csvPath.isEmpty()) {
            proposedNames << QFileInfo(files->selectedFiles().value(0)).fileName();
            files->selectFile(m_csvPath);
            return int(QDialog::Accepted);
        }
        othersShown << QString::fromLatin1(dialog.metaObject()->className());
        dialog.reject();
        return int(QDialog::Rejected);
    }

    InWindow m_inWindow;
    QString m_csvPath;
    ModalHandler m_previous;
};

QString CellText(const QTableWidget &table, int row, int column) {
    const QTableWidgetItem *item = table.item(row, column);
    return item ? item->text() : QStringLiteral("<no item>");
}

// Column of a check's verdict; its utilisation stands in the next one.
int VerdictColumn(std::size_t check) {
    return 2 + 2 * static_cast<int>(check);
}
constexpr int kLargestColumn = 10;

DesignCase CaseWith(int slab, int shoring, int span) {
    DesignCase record = DefaultDesignCase();
    record.slabThickness = slab;
    record.shoringCode = shoring;
    record.spanLength = span;
    return record;
}

} // namespace

class DeckComparisonTest : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<MainWindow> m_form;

private slots:
    void init();
    void cleanup();
    void rowsAreTheComparisonOfTheMainWindowsCase_data();
    void rowsAreTheComparisonOfTheMainWindowsCase();
    void preCheckFailureShowsItsMessageAndNoWindow();
    void decksBeyondTheirRangeReadOutOfRange();
    void takenDeckCalculatesToTheRowsVerdicts_data();
    void takenDeckCalculatesToTheRowsVerdicts();
    void returnTakesTheCurrentRow();
    void closeTakesNothing();
    void printWritesOnePageWithEveryRow();
    void csvExportWritesTheComparison();
};

void DeckComparisonTest::init() {
    m_form = MakeReadyForm();
}

void DeckComparisonTest::cleanup() {
    m_form.reset();
}

void DeckComparisonTest::rowsAreTheComparisonOfTheMainWindowsCase_data() {
    QTest::addColumn<int>("slab");
    QTest::addColumn<int>("shoring");
    QTest::addColumn<int>("span");
    QTest::newRow("default case") << 130 << int(code::kShoringNone) << 2500;
    QTest::newRow("long span, one row") << 200 << int(code::kShoringOneRow) << 4200;
    QTest::newRow("heavy slab, two rows") << 400 << int(code::kShoringTwoRows) << 4900;
    QTest::newRow("short span") << 150 << int(code::kShoringNone) << 1500;
}

// The table holds CompareDecks of the main window's case, in its order, with the texts of
// its rows; a failing check reads above 1.00 and a passing one at most 1.00, as does the
// largest utilisation; the main window's deck stands out.
void DeckComparisonTest::rowsAreTheComparisonOfTheMainWindowsCase() {
    QFETCH(int, slab);
    QFETCH(int, shoring);
    QFETCH(int, span);
    m_form->ShowCase(CaseWith(slab, shoring, span));
    const DesignCase shown = m_form->ReadCase();
    const auto expected = CompareDecks(shown);

    ComparisonDriver driver([&](DeckComparisonWindow &window) {
        const QTableWidget &table = *Widget<QTableWidget>(window, "comparisonTable");
        QCOMPARE(table.rowCount(), int(expected.size()));
        for (int row = 0; row < table.rowCount(); ++row) {
            const DeckComparisonRow &compared = expected[std::size_t(row)];
            const DeckComparisonRowTexts texts = DeckComparisonTexts(compared);
            QCOMPARE(CellText(table, row, 0), QString::fromStdString(compared.deckLabel));
            QCOMPARE(CellText(table, row, 1), QString::fromStdString(texts.weight));
            QCOMPARE(CellText(table, row, 11), QString::fromStdString(texts.leastShoring));
            bool anyFails = false;
            for (std::size_t check = 0; check < compared.checks.size(); ++check) {
                const QString verdict = CellText(table, row, VerdictColumn(check));
                const QString ratio = CellText(table, row, VerdictColumn(check) + 1);
                const QString where =
                    QStringLiteral("%1 %2 %3")
                        .arg(CellText(table, row, 0), QString::number(check), ratio);
                if (!compared.checks[check].applies) {
                    QCOMPARE(verdict, QStringLiteral("－"));
                    QCOMPARE(ratio, QStringLiteral("－"));
                    continue;
                }
                const bool fails = verdict == QStringLiteral("不可");
                QCOMPARE(fails, !compared.checks[check].passes);
                QVERIFY2(fails == (ratio.toDouble() > 1.0), qPrintable(where));
                QVERIFY2(ratio.toDouble() + 1e-12 >= compared.checks[check].utilisation,
                         qPrintable(where));
                const QColor colour =
                    table.item(row, VerdictColumn(check) + 1)->foreground().color();
                QVERIFY2(fails == (colour.red() > 150 && colour.green() < 60), qPrintable(where));
                anyFails = anyFails || fails;
            }
            QCOMPARE(CellText(table, row, kLargestColumn).toDouble() > 1.0, anyFails);
            QCOMPARE(anyFails, !compared.passes);
            const bool isShownDeck = compared.deck == OfferedDeck{shown.deckFamily, shown.deckModel,
                                                                  shown.thicknessCode};
            QCOMPARE(table.item(row, 0)->font().bold(), isShownDeck);
        }
        QVERIFY(window.ShownDeckRow() >= 0);
        QVERIFY(Widget<QLabel>(window, "conditionsLabel")
                    ->text()
                    .contains(QStringLiteral("スパン：%1 mm").arg(span)));
    });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(driver.comparisonsShown, 1);
    QCOMPARE(m_form->ReadCase(), shown); // closing the window changes nothing
}

// PX75Vα at 5700 mm with two rows of shoring: every other deck ends at 4900 mm. Its row
// shows no verdict and no figure, reads 計算範囲外 (4900 mm以下) where the least shoring
// stands, and sorts among the decks that do not pass; only PX75Vα decks may pass.
void DeckComparisonTest::decksBeyondTheirRangeReadOutOfRange() {
    DesignCase valpha = CaseWith(150, code::kShoringTwoRows, 5700);
    valpha.deckFamily = code::kFamilyPx;
    valpha.deckModel = code::kModelPx75Valpha;
    valpha.thicknessCode = 0;
    m_form->ShowCase(valpha);
    QCOMPARE(m_form->ReadCase().spanLength, 5700);
    int beyond = 0;
    ComparisonDriver driver([&](DeckComparisonWindow &window) {
        const QTableWidget &table = *Widget<QTableWidget>(window, "comparisonTable");
        int lastPassing = -1;
        int firstBeyond = table.rowCount();
        for (int row = 0; row < table.rowCount(); ++row) {
            const QString deck = CellText(table, row, 0);
            const QString least = CellText(table, row, 11);
            if (deck.startsWith(QStringLiteral("PX75Vα"))) {
                QVERIFY2(!least.startsWith(QStringLiteral("計算範囲外")), qPrintable(deck));
                if (CellText(table, row, kLargestColumn).toDouble() <= 1.0)
                    lastPassing = row;
                continue;
            }
            ++beyond;
            firstBeyond = std::min(firstBeyond, row);
            QCOMPARE(least, QStringLiteral("計算範囲外 (4900 mm以下)"));
            for (int column = 2; column <= kLargestColumn; ++column)
                QCOMPARE(CellText(table, row, column), QStringLiteral("－"));
        }
        QVERIFY(lastPassing >= 0);
        QVERIFY(lastPassing < firstBeyond);
    });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(driver.comparisonsShown, 1);
    QCOMPARE(beyond, int(OfferedDecks().size()) - 5);
}

void DeckComparisonTest::preCheckFailureShowsItsMessageAndNoWindow() {
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("999"));
    MessageRecorder messages;
    ComparisonDriver driver([](DeckComparisonWindow &) {});
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(driver.comparisonsShown, 0);
    QCOMPARE(messages.texts, QStringList{QStringLiteral("計算できるスパンは、1000 mm以上です")});
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("1000"));
}

void DeckComparisonTest::takenDeckCalculatesToTheRowsVerdicts_data() {
    QTest::addColumn<bool>("passingRow");
    QTest::newRow("lightest passing deck") << true;
    QTest::newRow("a failing deck") << false;
}

// Double-clicking a row puts its deck into the main window (span and shoring stay), and the
// calculate command then gives the verdicts the row showed.
void DeckComparisonTest::takenDeckCalculatesToTheRowsVerdicts() {
    QFETCH(bool, passingRow);
    m_form->ShowCase(CaseWith(200, code::kShoringOneRow, 4200));
    const DesignCase before = m_form->ReadCase();
    const auto rows = CompareDecks(before);
    const auto chosen = passingRow ? rows.begin() : rows.end() - 1;
    QCOMPARE(chosen->passes, passingRow);
    const int chosenRow = int(chosen - rows.begin());

    ComparisonDriver driver([&](DeckComparisonWindow &window) {
        QTableWidget &table = *Widget<QTableWidget>(window, "comparisonTable");
        table.scrollToItem(table.item(chosenRow, 3));
        const QPoint at = table.visualItemRect(table.item(chosenRow, 3)).center();
        // A double-click arrives as the window system delivers it: a click, then the second
        // press as a double-click.
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!window.isVisible());
    });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(driver.comparisonsShown, 1);

    // The row's case, with its least shoring where the case's own does not suffice.
    DesignCase promised = chosen->result.record;
    if (const auto raised = TakenFromComparison(*chosen).shoringCode)
        promised.shoringCode = *raised;
    const DesignCase taken = m_form->ReadCase();
    QCOMPARE(taken, promised);
    QCOMPARE(taken.spanLength, before.spanLength);
    QCOMPARE(m_form->focusWidget(), Widget<QPushButton>(*m_form, "calculateButton"));

    ResultWindow resultWindow;
    CheckVerdicts calculated;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        if (auto *result = qobject_cast<ResultWindow *>(&dialog))
            calculated = result->Result().verdicts;
        return int(QDialog::Accepted);
    });
    RunCalculation(*m_form, resultWindow);
    SetModalHandler(previous);
    const CheckVerdicts expected = CalculateCase(promised).verdicts;
    for (const CheckName check : kChecksInSheetOrder) {
        QCOMPARE(VerdictOf(calculated, check).applies, VerdictOf(expected, check).applies);
        QCOMPARE(VerdictOf(calculated, check).passes, VerdictOf(expected, check).passes);
    }
    QCOMPARE(calculated.bendingStress, expected.bendingStress);
}

void DeckComparisonTest::returnTakesTheCurrentRow() {
    const auto rows = CompareDecks(m_form->ReadCase());
    ComparisonDriver driver([&](DeckComparisonWindow &window) {
        Widget<QTableWidget>(window, "comparisonTable")->setFocus();
        Widget<QTableWidget>(window, "comparisonTable")->setCurrentCell(2, 0);
        QTest::keyClick(Widget<QTableWidget>(window, "comparisonTable"), Qt::Key_Return);
    });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(m_form->ReadCase().deckModel, rows[2].deck.model);
    QCOMPARE(m_form->ReadCase().thicknessCode, rows[2].deck.thicknessCode);
    QCOMPARE(m_form->ReadCase().deckFamily, rows[2].deck.family);
}

void DeckComparisonTest::closeTakesNothing() {
    m_form->ShowCase(CaseWith(200, code::kShoringTwoRows, 4000));
    const DesignCase before = m_form->ReadCase();
    ComparisonDriver driver([](DeckComparisonWindow &window) {
        Widget<QTableWidget>(window, "comparisonTable")->setCurrentCell(5, 0);
        Widget<QPushButton>(window, "closeButton")->click();
        QVERIFY(!window.isVisible());
        QVERIFY(!window.Taken());
    });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    QCOMPARE(driver.comparisonsShown, 1);
    QCOMPARE(m_form->ReadCase(), before);
}

// 印刷 prints one A4 page through the printer choice, with the title, the conditions and
// every row's texts.
void DeckComparisonTest::printWritesOnePageWithEveryRow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("comparison.pdf"));
    const auto previous = SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    m_form->ShowCase(CaseWith(400, code::kShoringTwoRows, 4900));
    const auto rows = CompareDecks(m_form->ReadCase());
    MessageRecorder messages;
    ComparisonDriver driver(
        [](DeckComparisonWindow &window) { Widget<QPushButton>(window, "printButton")->click(); });
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    SetPrinterChoice(previous);

    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
    QCOMPARE(test::PdfPageCount(path.toStdString()), 1);
    const QString text = QString::fromStdString(test::PdfLayoutText(path.toStdString()));
    QVERIFY2(text.contains(QStringLiteral("デッキ比較")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("スパン：4900 mm")), qPrintable(text));
    // Archival; a case without a project title names the table instead, and no 物件名 line.
    QCOMPARE(test::ArchivalFaults(path.toStdString()), std::vector<std::string>{});
    QCOMPARE(test::PdfInfoField(path.toStdString(), "Title"), std::string("デッキ比較"));
    QVERIFY(!text.contains(QStringLiteral("物件名")));
    // Row by row, in order, each line holding the row's texts.
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype line = 0;
    for (const DeckComparisonRow &row : rows) {
        const DeckComparisonRowTexts texts = DeckComparisonTexts(row);
        const QString label = QString::fromStdString(texts.deck);
        while (line < lines.size() && !lines[line].trimmed().startsWith(label + QLatin1Char(' ')))
            ++line;
        QVERIFY2(line < lines.size(),
                 qPrintable(label + QStringLiteral(" missing or out of order")));
        QStringList expected{QString::fromStdString(texts.weight)};
        for (const CheckCellTexts &check : texts.checks)
            expected << QString::fromStdString(check.verdict)
                     << QString::fromStdString(check.utilisation);
        expected << QString::fromStdString(texts.largest);
        const QStringList printed =
            lines[line].simplified().split(QLatin1Char(' ')).mid(1, expected.size());
        QCOMPARE(printed, expected);
        ++line;
    }
}

void DeckComparisonTest::csvExportWritesTheComparison() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("比較.csv"));
    m_form->ShowCase(CaseWith(300, code::kShoringOneRow, 4500));
    m_form->PrintSettingsWindow()->Settings().projectTitle = "事務所棟";
    const DesignCase shown = m_form->ReadCase();
    MessageRecorder messages;
    ComparisonDriver driver(
        [](DeckComparisonWindow &window) { Widget<QPushButton>(window, "csvButton")->click(); },
        path);
    FixToday(QDate(2026, 12, 1));
    Widget<QPushButton>(*m_form, "comparisonButton")->click();
    FixToday({});

    QVERIFY2(messages.texts.isEmpty(), qPrintable(messages.texts.join(QLatin1Char('\n'))));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    // The file korvane-calc --csv writes for this case on that day; headed with the case.
    const std::string expected = DeckComparisonCsv(CompareDecks(shown), shown, "2026/12/01");
    QCOMPARE(bytes, QByteArray::fromStdString(expected));
    QVERIFY(bytes.contains("デッキ比較,2026/12/01\r\n物件名：事務所棟\r\n"));
    QVERIFY(bytes.contains("PX75LA-07,"));
    QCOMPARE(driver.proposedNames, QStringList{QStringLiteral("デッキ比較.csv")});
}

KORVANE_UI_TEST_MAIN(DeckComparisonTest)
#include "tst_deck_comparison.moc"
