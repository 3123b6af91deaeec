// The maximum-span table window: opened from the main window for its conditions, its cells
// as core computes them, a cell taken back into the main window, printing and CSV output.

#include "UiTestSupport.h"
#include "tests/PdfTestSupport.h"

#include "core/Catalogue.h"
#include "core/CsvText.h"
#include "core/DeckTableText.h"
#include "core/SpanTable.h"
#include "sheet/qt/TodayDate.h"
#include "ui/Controls.h"
#include "ui/deckchoice/DeckTableOutput.h"
#include "ui/deckchoice/SpanChart.h"
#include "ui/deckchoice/SpanTableWindow.h"
#include "ui/main/ProgramWindows.h"
#include "ui/result/PrintSettingsDialog.h"
#include "ui/result/PrinterChoice.h"
#include "ui/result/ResultWindow.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace korvane;
using namespace korvane::testing;

Q_DECLARE_METATYPE(korvane::DesignCase)

namespace {

// Conditions whose heaviest decks still pass, and conditions under which some cells have no
// passing span at all.
DesignCase DefaultConditions() {
    return DefaultDesignCase();
}
DesignCase OwnWeightConditions() {
    DesignCase record = DefaultDesignCase();
    record.concreteKind = code::kConcreteLight1;
    record.slabThickness = 200;
    record.otherLoadValue = 500;
    record.alphaClass = code::kClass2;
    record.coatingCode = code::kCoatingOther;
    record.unitWeight = 300;
    record.deckFamily = code::kFamilyPx;
    record.deckModel = code::kModelPx75Valpha;
    record.thicknessCode = 0;
    return record;
}
DesignCase HeavyConditions() {
    DesignCase record = DefaultDesignCase();
    record.slabThickness = 800;
    record.workLoadValue = 4900;
    record.otherLoadValue = 3000;
    record.alphaClass = code::kClass3;
    return record;
}

// Runs `script` on the next modal window the program shows, and answers the windows that
// open from inside the script with `nested` (a file dialog, a result window).
class ModalScript {
public:
    using Step = std::function<int(QDialog &)>;
    explicit ModalScript(Step script, Step nested = {}) {
        m_previous = SetModalHandler([this, script, nested](QDialog &dialog) {
            shown << QString::fromLatin1(dialog.metaObject()->className());
            if (m_depth > 0 && nested)
                return nested(dialog);
            ++m_depth;
            const int answer = script(dialog);
            --m_depth;
            return answer;
        });
    }
    ~ModalScript() { SetModalHandler(m_previous); }
    QStringList shown;

private:
    int m_depth = 0;
    ModalHandler m_previous;
};

QByteArray Contents(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Shows the window as a user sees it, so that its cells have their places.
SpanTableWindow &Shown(QDialog &dialog) {
    auto &window = dynamic_cast<SpanTableWindow &>(dialog);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("span table window not exposed");
    return window;
}

void DoubleClickCell(SpanTableWindow &window, int row, int column) {
    QTableWidget *table = Widget<QTableWidget>(window, "spanTable");
    table->scrollToItem(table->item(row, column));
    const QRect cell = table->visualItemRect(table->item(row, column));
    // A double-click's first press picks the cell, as a real one does.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
}

} // namespace

class SpanTableTest : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<ProgramWindows> m_windows;
    MainWindow *m_form = nullptr;

    void ShowConditions(const DesignCase &record) {
        MessageRecorder notices;
        m_form->ShowCase(record);
        QCOMPARE(notices.texts, QStringList());
    }

private slots:
    void init();
    void cleanup();
    void cellsAreTheCoreTableForTheMainWindowsConditions_data();
    void cellsAreTheCoreTableForTheMainWindowsConditions();
    void failingConditionShowsThePreCheckAndNoTable();
    void spanFieldDoesNotStopTheTable();
    void takenCellGoesIntoTheMainWindowAndPasses_data();
    void takenCellGoesIntoTheMainWindowAndPasses();
    void cellWithoutSpanOrDeckColumnTakesTheDeckOnly_data();
    void cellWithoutSpanOrDeckColumnTakesTheDeckOnly();
    void printWritesOnePageWithTitleConditionsAndCells();
    void printCancelledWritesNothing();
    void csvExportWritesTheTableWithByteOrderMark();
    void csvExportCancelledOrUnwritable();
    void chartHasALinePerModelAndShoringWithoutMissingSpans();
    void chartLegendGridHasRoomForItsNames();
};

void SpanTableTest::init() {
    SplashMilliseconds() = 0;
    ModalRecorder notices;
    m_windows = CreateProgramWindows();
    m_form = m_windows->mainWindow.get();
    m_form->InitialIdle();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
}

void SpanTableTest::cleanup() {
    m_form = nullptr;
    m_windows.reset();
}

void SpanTableTest::cellsAreTheCoreTableForTheMainWindowsConditions_data() {
    QTest::addColumn<DesignCase>("conditions");
    QTest::newRow("default") << DefaultConditions();
    QTest::newRow("own weight, PX75Vα chosen") << OwnWeightConditions();
    QTest::newRow("heavy, spans missing") << HeavyConditions();
}

void SpanTableTest::cellsAreTheCoreTableForTheMainWindowsConditions() {
    QFETCH(DesignCase, conditions);
    ShowConditions(conditions);
    const DesignCase read = m_form->ReadCase();
    const std::vector<SpanTableRow> expected = BuildSpanTable(read);

    bool seen = false;
    ModalScript script([&](QDialog &dialog) {
        SpanTableWindow &window = Shown(dialog);
        seen = true;
        QTableWidget *table = Widget<QTableWidget>(window, "spanTable");
        [&] {
            QCOMPARE(window.windowTitle(), QStringLiteral("Korvane for Win [ 最大スパン表 ]"));
            QCOMPARE(table->rowCount(), int(expected.size()));
            QCOMPARE(table->columnCount(), SpanTableWindow::kFirstShoringColumn + 3);
            for (int s = 0; s < 3; ++s)
                QCOMPARE(
                    table->horizontalHeaderItem(SpanTableWindow::kFirstShoringColumn + s)->text(),
                    QString::fromStdString(ShoringHeading(kShoringCodes[s])));
            for (int r = 0; r < table->rowCount(); ++r) {
                QCOMPARE(table->item(r, 0)->text(), QString::fromStdString(expected[r].deckLabel));
                QCOMPARE(table->item(r, 1)->text(),
                         QString::fromStdString(WeightText(expected[r].weight)));
                for (int s = 0; s < 3; ++s)
                    QCOMPARE(table->item(r, SpanTableWindow::kFirstShoringColumn + s)->text(),
                             QString::fromStdString(SpanCellText(expected[r].cells[s])));
            }
            for (const std::string &line : ConditionsText(read))
                QVERIFY(Widget<QLabel>(window, "conditionsLabel")
                            ->text()
                            .contains(QString::fromStdString(line)));

            // The main window's deck: its row alone is bold on a colour and in view.
            const int marked = RowHoldingDeck(expected, read);
            QVERIFY(marked >= 0);
            QCOMPARE(window.MarkedRow(), marked);
            for (int r = 0; r < table->rowCount(); ++r) {
                QCOMPARE(table->item(r, 2)->font().bold(), r == marked);
                QCOMPARE(table->item(r, 2)->background().style() != Qt::NoBrush, r == marked);
            }
            QVERIFY(table->viewport()->rect().intersects(
                table->visualItemRect(table->item(marked, 0))));
        }();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(script.shown, QStringList{QStringLiteral("korvane::SpanTableWindow")});
    QCOMPARE(m_form->ReadCase(), read); // closing takes nothing
}

void SpanTableTest::failingConditionShowsThePreCheckAndNoTable() {
    Widget<QLineEdit>(*m_form, "slabThicknessField")->setText(QStringLiteral("10"));
    const auto failure = m_form->Inputs().PreCheckConditions();
    QVERIFY(failure);
    ModalRecorder modals;
    MessageRecorder messages;
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    QCOMPARE(modals.shown, QStringList());
    QCOMPARE(messages.texts, QStringList{QString::fromStdString(failure->message)});
    QCOMPARE(QApplication::focusWidget(), Widget<QLineEdit>(*m_form, "slabThicknessField"));
}

// The table chooses the span itself, so a span out of range does not keep it closed.
void SpanTableTest::spanFieldDoesNotStopTheTable() {
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("99999"));
    ModalRecorder modals(/*cancel=*/true);
    MessageRecorder messages;
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    QCOMPARE(modals.shown, QStringList{QStringLiteral("korvane::SpanTableWindow")});
    QCOMPARE(messages.texts, QStringList());
}

void SpanTableTest::takenCellGoesIntoTheMainWindowAndPasses_data() {
    QTest::addColumn<DesignCase>("conditions");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("shoring");
    QTest::addColumn<bool>("byReturnKey");
    QTest::newRow("other family, one row") << DefaultConditions() << 20 << 1 << false;
    QTest::newRow("own weight, no shoring") << OwnWeightConditions() << 3 << 0 << false;
    QTest::newRow("PX75Vα two rows, Return") << DefaultConditions() << 30 << 2 << true;
}

void SpanTableTest::takenCellGoesIntoTheMainWindowAndPasses() {
    QFETCH(DesignCase, conditions);
    QFETCH(int, row);
    QFETCH(int, shoring);
    QFETCH(bool, byReturnKey);
    ShowConditions(conditions);
    const std::vector<SpanTableRow> rows = BuildSpanTable(m_form->ReadCase());
    const SpanTableCell &cell = rows[row].cells[shoring];
    QVERIFY(cell.maxSpan);

    ModalScript script([&](QDialog &dialog) {
        SpanTableWindow &window = Shown(dialog);
        const int column = SpanTableWindow::kFirstShoringColumn + shoring;
        if (byReturnKey) {
            Widget<QTableWidget>(window, "spanTable")->setCurrentCell(row, column);
            Widget<QTableWidget>(window, "spanTable")->setFocus();
            QTest::keyClick(Widget<QTableWidget>(window, "spanTable"), Qt::Key_Return);
        } else {
            DoubleClickCell(window, row, column);
        }
        return window.result();
    });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    QCOMPARE(script.shown.size(), 1);

    const DesignCase taken = m_form->ReadCase();
    QCOMPARE(OfferedDeck({taken.deckFamily, taken.deckModel, taken.thicknessCode}), rows[row].deck);
    QCOMPARE(taken.shoringCode, kShoringCodes[shoring]);
    QCOMPARE(taken.spanLength, *cell.maxSpan);
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QString::number(*cell.maxSpan));
    QCOMPARE(m_form->focusWidget(), Widget<QPushButton>(*m_form, "calculateButton"));
    QVERIFY(!m_windows->resultWindow || !m_windows->resultWindow->isVisible());

    // The span the table names gives a sheet on which every check passes.
    std::optional<CheckVerdicts> verdicts;
    ModalScript result([&](QDialog &dialog) {
        if (auto *shown = qobject_cast<ResultWindow *>(&dialog))
            verdicts = shown->Result().verdicts;
        return int(QDialog::Rejected);
    });
    MessageRecorder messages;
    QTest::mouseClick(Widget<QPushButton>(*m_form, "calculateButton"), Qt::LeftButton);
    QCOMPARE(messages.texts, QStringList());
    QVERIFY(verdicts);
    QVERIFY(EveryCheckPasses(*verdicts));
}

void SpanTableTest::cellWithoutSpanOrDeckColumnTakesTheDeckOnly_data() {
    QTest::addColumn<bool>("cellWithoutSpan");
    QTest::newRow("－ cell") << true;
    QTest::newRow("deck column") << false;
}

void SpanTableTest::cellWithoutSpanOrDeckColumnTakesTheDeckOnly() {
    QFETCH(bool, cellWithoutSpan);
    ShowConditions(HeavyConditions());
    Widget<QRadioButton>(*m_form, "shoringTwoRowsOption")->click();
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("1850"));
    const DesignCase before = m_form->ReadCase();
    const std::vector<SpanTableRow> rows = BuildSpanTable(before);

    int row = -1;
    int column = 0;
    for (int r = 0; r < int(rows.size()) && row < 0; ++r) {
        for (int s = 0; s < 3; ++s) {
            if (!rows[r].cells[s].maxSpan && !(rows[r].deck == OfferedDecks().front())) {
                row = r;
                column = cellWithoutSpan ? SpanTableWindow::kFirstShoringColumn + s : 0;
                break;
            }
        }
    }
    QVERIFY2(row >= 0, "the heavy conditions leave some cell without a span");

    QString cellText;
    ModalScript script([&](QDialog &dialog) {
        SpanTableWindow &window = Shown(dialog);
        cellText = Widget<QTableWidget>(window, "spanTable")->item(row, column)->text();
        DoubleClickCell(window, row, column);
        return window.result();
    });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);

    if (cellWithoutSpan) // "－" and the check that fails at the smallest span
        QVERIFY2(cellText.startsWith(QStringLiteral("－ ")), qPrintable(cellText));
    else
        QCOMPARE(cellText, QString::fromStdString(rows[row].deckLabel));
    const DesignCase taken = m_form->ReadCase();
    QCOMPARE(OfferedDeck({taken.deckFamily, taken.deckModel, taken.thicknessCode}), rows[row].deck);
    QCOMPARE(taken.shoringCode, before.shoringCode);
    QCOMPARE(taken.spanLength, before.spanLength);
}

void SpanTableTest::printWritesOnePageWithTitleConditionsAndCells() {
    ShowConditions(OwnWeightConditions());
    m_form->PrintSettingsWindow()->Settings().projectTitle = "事務所棟";
    const DesignCase read = m_form->ReadCase();
    const std::vector<SpanTableRow> rows = BuildSpanTable(read);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.pdf"));
    const PrinterChoice previous = SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    MessageRecorder messages;
    ModalScript script([&](QDialog &dialog) {
        Widget<QPushButton>(Shown(dialog), "printButton")->click();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    SetPrinterChoice(previous);

    QCOMPARE(messages.texts, QStringList());
    QCOMPARE(test::PdfPageCount(path.toStdString()), 1);
    const QString text = QString::fromStdString(test::PdfLayoutText(path.toStdString()));
    QVERIFY2(text.contains(QStringLiteral("最大スパン表")), qPrintable(text));
    // Archival, filed under the case's project title, which the page names too.
    QCOMPARE(test::ArchivalFaults(path.toStdString()), std::vector<std::string>{});
    QCOMPARE(test::PdfInfoField(path.toStdString(), "Title"), std::string("事務所棟"));
    QVERIFY2(text.contains(QStringLiteral("物件名：事務所棟")), qPrintable(text));
    // The text reader gives an ideographic space as a plain one.
    const QString plainText = text.simplified();
    for (const std::string &line : ConditionsText(read))
        QVERIFY2(plainText.contains(
                     QString::fromStdString(line).replace(QChar(0x3000), QLatin1Char(' '))),
                 line.c_str());
    for (const SpanTableRow &row : rows) {
        // Each deck's line holds its label, weight and three cells in order.
        const QString label = QString::fromStdString(row.deckLabel) + QLatin1Char(' ');
        const qsizetype at = text.indexOf(label);
        QVERIFY2(at >= 0, row.deckLabel.c_str());
        const QString line = text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at).simplified();
        QString cells = QString::fromStdString(row.deckLabel + " " + WeightText(row.weight));
        for (const SpanTableCell &cell : row.cells)
            cells += QLatin1Char(' ') + QString::fromStdString(SpanCellText(cell));
        QCOMPARE(line, cells);
    }
    QVERIFY2(text.contains(QStringLiteral("板厚 (mm)")), "the chart is on the page");
}

void SpanTableTest::printCancelledWritesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.pdf"));
    const PrinterChoice previous = SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(path);
        return false;
    });
    ModalScript script([&](QDialog &dialog) {
        Widget<QPushButton>(Shown(dialog), "printButton")->click();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    SetPrinterChoice(previous);
    QVERIFY(!QFile::exists(path));
}

void SpanTableTest::csvExportWritesTheTableWithByteOrderMark() {
    ShowConditions(HeavyConditions());
    m_form->PrintSettingsWindow()->Settings().projectTitle = "事務所棟";
    const DesignCase read = m_form->ReadCase();
    FixToday(QDate(2026, 12, 1));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("spans.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("an older file that the export replaces");
    old.close();

    QString proposed;
    QStringList filters;
    ModalScript script(
        [&](QDialog &dialog) {
            Widget<QPushButton>(Shown(dialog), "csvButton")->click();
            return int(QDialog::Rejected);
        },
        [&](QDialog &dialog) {
            auto &files = dynamic_cast<QFileDialog &>(dialog);
            proposed = QFileInfo(files.selectedFiles().value(0)).fileName();
            filters = files.nameFilters();
            files.selectFile(path);
            return int(QDialog::Accepted);
        });
    QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);

    QCOMPARE(script.shown, (QStringList{QStringLiteral("korvane::SpanTableWindow"),
                                        QStringLiteral("QFileDialog")}));
    QCOMPARE(proposed, QStringLiteral("最大スパン表.csv"));
    QCOMPARE(filters, QStringList{QStringLiteral("CSV ファイル (*.csv)")});
    const QByteArray written = Contents(path);
    QVERIFY(written.startsWith(
        QByteArray(kUtf8ByteOrderMark.data(), qsizetype(kUtf8ByteOrderMark.size()))));
    FixToday({});
    // The file korvane-calc --csv writes for this case on that day; headed with the case.
    QCOMPARE(written.toStdString(), SpanTableCsv(BuildSpanTable(read), read, "2026/12/01"));
    QVERIFY(written.contains("最大スパン表,2026/12/01\r\n物件名：事務所棟\r\n"));
    QVERIFY(written.contains(",－") == false); // an empty cell, not the window's dash
}

void SpanTableTest::csvExportCancelledOrUnwritable() {
    QTemporaryDir dir;
    const QString unwritable = dir.filePath(QStringLiteral("missing/spans.csv"));
    MessageRecorder messages;
    for (const QString &answer : {QString(), unwritable}) {
        ModalScript script(
            [&](QDialog &dialog) {
                Widget<QPushButton>(Shown(dialog), "csvButton")->click();
                return int(QDialog::Rejected);
            },
            [&](QDialog &dialog) {
                if (answer.isEmpty())
                    return int(QDialog::Rejected);
                static_cast<QFileDialog &>(dialog).selectFile(answer);
                return int(QDialog::Accepted);
            });
        QTest::mouseClick(Widget<QPushButton>(*m_form, "spanTableButton"), Qt::LeftButton);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().contains(unwritable), qPrintable(messages.texts.first()));
}

void SpanTableTest::chartHasALinePerModelAndShoringWithoutMissingSpans() {
    const std::vector<SpanTableRow> rows = BuildSpanTable(HeavyConditions());
    std::unique_ptr<QChart> chart(MakeSpanChart(rows));
    // A line that several models share is drawn once and named after all of them
    // ("PX75LA・PX75LB 無し"): counted once per model, every model and shoring has its line.
    // Each model also has its own marker at every point of its lines, so that lines that
    // coincide over part of the range still show every model there.
    QSet<QString> names;
    QSet<int> markerShapes;
    int points = 0;
    int markerPoints = 0;
    for (QAbstractSeries *series : chart->series()) {
        if (auto *markers = qobject_cast<QScatterSeries *>(series)) {
            markerShapes.insert(int(markers->markerShape()));
            markerPoints += int(markers->count());
            continue;
        }
        const QStringList models =
            series->name().section(QLatin1Char(' '), 0, 0).split(QStringLiteral("・"));
        const QString shoring = series->name().section(QLatin1Char(' '), 1);
        for (const QString &model : models)
            names.insert(model + QLatin1Char(' ') + shoring);
        points += int(static_cast<QLineSeries *>(series)->count()) * int(models.size());
    }
    QCOMPARE(names.size(), 18);
    int spans = 0;
    for (const SpanTableRow &row : rows)
        for (const SpanTableCell &cell : row.cells)
            spans += cell.maxSpan ? 1 : 0;
    QVERIFY(spans < int(rows.size()) * 3);
    QCOMPARE(points, spans);
    QCOMPARE(markerShapes.size(), 6); // one shape per model, none shared
    QCOMPARE(markerPoints, spans);
}

// The chart's own legend had no room for the names beside its line samples: the legend is a
// grid of its own with a row per model, below the plot or, where the chart is much wider than
// high (scale 2 on a short screen), beside it; the plot keeps the rest.
void SpanTableTest::chartLegendGridHasRoomForItsNames() {
    SpanChartView view(BuildSpanTable(HeavyConditions()));
    view.show();
    const auto plots = view.findChildren<QChartView *>();
    QCOMPARE(plots.size(), 1);
    QChartView *plot = plots.first();
    QVERIFY(!plot->chart()->legend()->isVisible());
    QWidget *legend = nullptr;
    for (QWidget *child : view.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (child != plot)
            legend = child;
    QVERIFY(legend);
    const int models = 6;
    const int lineHeight = QFontMetrics(view.font()).height();
    for (const QSize size : {QSize(500, 480), QSize(800, 390)}) {
        view.resize(size);
        QTest::qWait(10);
        QVERIFY(view.rect().contains(legend->geometry()));
        QVERIFY(!legend->geometry().intersects(plot->geometry()));
        QVERIFY2(legend->height() >= (models + 1) * lineHeight,
                 qPrintable(QString::number(legend->height())));
        QVERIFY(plot->height() >= size.height() * 2 / 3 || plot->width() >= size.width() / 2);
    }
}

KORVANE_UI_TEST_MAIN(SpanTableTest)
#include "tst_span_table.moc"
