// The calculate command and the result window: the pre-check as the user meets it, the run
// that hides the main window behind the result window, the sheet picture, scrolling,
// printing and the print settings opened from the result window.

#include "UiTestSupport.h"
#include "tests/PdfTestSupport.h"

#include "core/Calculation.h"
#include "core/Errors.h"
#include "core/PrintSettings.h"
#include "sheet/qt/SheetOutput.h"
#include "ui/main/CalculationRun.h"
#include "ui/result/PrintSettingsDialog.h"
#include "ui/result/ResultWindow.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <optional>

using namespace korvane;
using namespace korvane::testing;

namespace {

// Puts a text into a field as typing it would leave it.
void Type(QLineEdit *field, const QString &text) {
    field->setFocus();
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
}

// Counts the pixels of the sheet that are neither navy nor the frame: text and lines.
int DrawnPixels(const QImage &picture) {
    int drawn = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            if (picture.pixelColor(x, y) != QColor(0, 0, 128))
                ++drawn;
    return drawn;
}

bool BusyNoticeLeft() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget *window) {
        return window->inherits("korvane::BusyNoticeWindow");
    });
}

} // namespace

class CalculateCommand : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<MainWindow> m_form;
    std::unique_ptr<ResultWindow> m_result;

    void PrintToPdfFile(const QString &path, const std::string &title);

private slots:
    void init();
    void cleanup();
    void preCheck_data();
    void preCheck();
    void spanIsReportedBeforeConcrete();
    void threeDigitWorkLoadNamesTheFieldAndKeepsTheText();
    void runShowsTheSheetInPlaceOfTheMainWindow();
    void closingClearsThePictureAndKeepsTheInputs();
    void windowShownWithoutASheetShowsTheEmptyPicture();
    void pictureIsWhatKorvaneCalcDrawsOnEveryRun();
    void pictureAtScreenDensityTwo();
    void printSettingsKeepTheResultWindowModal();
    void shortWorkLoadIsRefusedAndTheWindowWorks();
    void wheelScrollsByItsDelta();
    void windowFitsOnTheScreen_data();
    void windowFitsOnTheScreen();
    void printSettingsTakeThePageTextOfTheWindow();
    void printCancelledPrintsNothing();
    void printWritesOnePageWithTheSheet();
    void printThatFailsIsShownAndTheWindowWorks();
    void printToAPdfFileReplacesTheOldFileWhole();
    void printToAPdfFileThatCannotBeWrittenSaysWhy_data();
    void printToAPdfFileThatCannotBeWrittenSaysWhy();
    void messageBoxShowsItsWholeCaption();
    void longMessageWrapsWithinTheScreen();
};

void CalculateCommand::init() {
    m_form = MakeReadyForm();
    m_result = std::make_unique<ResultWindow>();
    m_result->SetPrintSettingsWindow(m_form->PrintSettingsWindow());
}

void CalculateCommand::cleanup() {
    m_result.reset();
    m_form.reset();
}

void CalculateCommand::preCheck_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");

    QTest::newRow("span 999") << "spanField"
                              << "999"
                              << "計算できるスパンは、1000 mm以上です"
                              << "1000";
    QTest::newRow("span 1000") << "spanField"
                               << "1000"
                               << ""
                               << "1000";
    QTest::newRow("span 4900") << "spanField"
                               << "4900"
                               << ""
                               << "4900";
    QTest::newRow("span 4901") << "spanField"
                               << "4901"
                               << "計算できるスパンは、4900 mm以下です"
                               << "4900";
    QTest::newRow("concrete 119") << "slabThicknessField"
                                  << "119"
                                  << "計算できるコンクリート厚さは、120 mm以上です"
                                  << "120";
    QTest::newRow("concrete 120") << "slabThicknessField"
                                  << "120"
                                  << ""
                                  << "120";
    QTest::newRow("concrete 800") << "slabThicknessField"
                                  << "800"
                                  << ""
                                  << "800";
    QTest::newRow("concrete 801") << "slabThicknessField"
                                  << "801"
                                  << "計算できるコンクリート厚さは、800 mm以下です"
                                  << "800";
}

// A failing check shows its message, focuses its field and corrects it; nothing is
// calculated and the result window is never shown.
void CalculateCommand::preCheck() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    QLineEdit *edit = field == QLatin1String("spanField")
                          ? Widget<QLineEdit>(*m_form, "spanField")
                          : Widget<QLineEdit>(*m_form, "slabThicknessField");
    edit->setText(typed);

    MessageRecorder messages;
    ModalRecorder modals;
    RunCalculation(*m_form, *m_result);

    if (message.isEmpty()) {
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(modals.shown, QStringList{QStringLiteral("korvane::ResultWindow")});
        return;
    }
    QCOMPARE(messages.texts, QStringList{message});
    QVERIFY(modals.shown.isEmpty());
    QCOMPARE(edit->text(), corrected);
    QCOMPARE(m_form->focusWidget(), edit);
}

void CalculateCommand::spanIsReportedBeforeConcrete() {
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("900"));
    Widget<QLineEdit>(*m_form, "slabThicknessField")->setText(QStringLiteral("100"));
    MessageRecorder messages;
    ModalRecorder modals;
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts, QStringList{QStringLiteral("計算できるスパンは、1000 mm以上です")});
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts.last(), QStringLiteral("計算できるコンクリート厚さは、120 mm以上です"));
    RunCalculation(*m_form, *m_result);
    QCOMPARE(modals.shown, QStringList{QStringLiteral("korvane::ResultWindow")});
}

void CalculateCommand::threeDigitWorkLoadNamesTheFieldAndKeepsTheText() {
    Widget<QRadioButton>(*m_form, "otherWorkLoadOption")->click();
    Type(Widget<QLineEdit>(*m_form, "workLoadField"), QStringLiteral("980"));
    ModalRecorder modals;
    MessageRecorder messages;
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts.last(),
             QStringLiteral("作業荷重は 4 桁の数値で入力して下さい。(1470N/㎡以上、例: 2450)"));
    QVERIFY(modals.shown.isEmpty()); // no sheet
    QCOMPARE(Widget<QLineEdit>(*m_form, "workLoadField")->text().trimmed(), QStringLiteral("980"));

    Type(Widget<QLineEdit>(*m_form, "workLoadField"), QStringLiteral("0000"));
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts.last(), QStringLiteral("施工荷重を入力して下さい。(1470N/㎡以上)"));
    QCOMPARE(Widget<QLineEdit>(*m_form, "workLoadField")->text().trimmed(), QStringLiteral("1470"));
}

void CalculateCommand::runShowsTheSheetInPlaceOfTheMainWindow() {
    bool mainHidden = false;
    int drawn = 0;
    QString caption;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        mainHidden = !m_form->isVisible();
        caption = dialog.windowTitle();
        drawn = DrawnPixels(m_result->Picture());
        return int(QDialog::Rejected);
    });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);

    QVERIFY(mainHidden);
    QCOMPARE(caption, QStringLiteral("Korvane for Win [ 計算結果の表示 ]"));
    QVERIFY2(drawn > 2000, qPrintable(QString::number(drawn)));
    QCOMPARE(m_result->Picture().height(), 670);
    QCOMPARE(m_result->Result().calculation.totalLoad, 4701.0);
    QCOMPARE(m_result->Result().record.spanLength, 2500);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->focusWidget(), Widget<QPushButton>(*m_form, "calculateButton"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void CalculateCommand::closingClearsThePictureAndKeepsTheInputs() {
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("3000"));
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        static_cast<ResultWindow &>(dialog).CloseSheet();
        return int(QDialog::Rejected);
    });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("3000"));
    QCOMPARE(m_result->Picture(), NewResultPicture());
}

// The window holds no sheet before the first run and after a close; should it show then,
// it shows the empty navy picture with its frame, at full size.
void CalculateCommand::windowShownWithoutASheetShowsTheEmptyPicture() {
    const auto showEmpty = [this] {
        m_result->show();
        const QImage shown = Widget<QLabel>(*m_result, "sheetView")
                                 ->pixmap()
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32);
        const QSize viewSize = Widget<QLabel>(*m_result, "sheetView")->size();
        m_result->hide();
        QCOMPARE(viewSize, QSize(kResultPictureWidth, kResultPictureHeight));
        QCOMPARE(shown, NewResultPicture());
    };
    showEmpty();
    const auto previous = SetModalHandler([](QDialog &dialog) {
        static_cast<ResultWindow &>(dialog).CloseSheet();
        return int(QDialog::Rejected);
    });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);
    showEmpty();
}

// The window shows, on the first run and on every later one, the very picture that
// korvane-calc --png writes for the same case: one border, its bottom line at row 649.
void CalculateCommand::pictureIsWhatKorvaneCalcDrawsOnEveryRun() {
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("sheet.png"));
    QProcess calc;
    calc.start(QStringLiteral(KORVANE_CALC), {QStringLiteral("--png"), png});
    QVERIFY(calc.waitForFinished(60000));
    QCOMPARE(calc.exitCode(), 0);
    const QImage written = QImage(png).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), QSize(570, 670));
    QCOMPARE(written.pixelColor(300, 649), QColor(Qt::black));
    QCOMPARE(written.pixelColor(300, 669), QColor(0, 0, 128));

    QList<QImage> shown;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        shown << m_result->Picture().convertToFormat(QImage::Format_RGB32);
        if (shown.size() == 2)
            dialog.close(); // the title bar's close box
        else
            m_result->CloseSheet(); // "閉じる"
        return int(QDialog::Rejected);
    });
    for (int run = 0; run < 3; ++run)
        RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);
    QCOMPARE(shown.size(), 3);
    for (const QImage &picture : shown)
        QCOMPARE(picture, written);
}

// On a screen of twice the pixel density the sheet is drawn with twice the pixels, in the
// same places: the header frame's top line runs where it does on a plain screen.
void CalculateCommand::pictureAtScreenDensityTwo() {
    const DesignCase record;
    const QImage sharp = RenderScreenSheet(record, Calculate(record), 2.0);
    QCOMPARE(sharp.size(), QSize(1140, 1340));
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.deviceIndependentSize(), QSizeF(570, 670));
    const QImage plain = RenderScreenSheet(record, Calculate(record));
    for (int x : {40, 200, 500}) {
        QCOMPARE(plain.pixelColor(x, 10), QColor(Qt::white));
        QCOMPARE(sharp.pixelColor(2 * x, 20), QColor(Qt::white));
    }
    QCOMPARE(sharp.pixelColor(600, 2 * 649), QColor(Qt::black));
    QCOMPARE(sharp.pixelColor(600, 2 * 669), QColor(0, 0, 128));
}

// The print settings, opened from the result window's tool bar and from its menu, leave
// the result window's modal run going: after 設定 or キャンセル the result window is back,
// the main window still hidden, and the calculate command ends only when the result window
// closes. The real modal runs are used for both windows.
void CalculateCommand::printSettingsKeepTheResultWindowModal() {
    struct Route {
        QString settingsFrom;
        bool cancel;
    };
    for (const Route &route :
         {Route{QStringLiteral("tool bar"), false}, Route{QStringLiteral("menu"), true}}) {
        QStringList seen;
        const auto previous = SetModalHandler([&](QDialog &dialog) {
            if (auto *settings = qobject_cast<PrintSettingsDialog *>(&dialog)) {
                seen << QStringLiteral("settings");
                QTimer::singleShot(0, settings, [settings, &route] {
                    (route.cancel ? Widget<QPushButton>(*settings, "cancelButton")
                                  : Widget<QPushButton>(*settings, "confirmButton"))
                        ->click();
                });
                return RunModal(dialog);
            }
            QTimer::singleShot(0, m_result.get(), [&] {
                if (route.settingsFrom == QLatin1String("menu"))
                    Widget<QAction>(*m_result, "printSettingsAction")->trigger();
                else
                    Widget<QToolButton>(*m_result, "printSettingsButton")->click();
                // Back in the result window's event loop, as the user is.
                QTimer::singleShot(0, m_result.get(), [&] {
                    seen << (m_result->isVisible() ? "result shown" : "result hidden");
                    seen << (m_form->isVisible() ? "main shown" : "main hidden");
                    seen << (QApplication::activeModalWidget() == m_result.get() ? "modal"
                                                                                 : "not modal");
                    Widget<QToolButton>(*m_result, "closeButton")->click(); // "閉じる"
                });
            });
            return RunModal(dialog);
        });
        RunCalculation(*m_form, *m_result);
        SetModalHandler(previous);
        QCOMPARE(seen, (QStringList{"settings", "result shown", "main hidden", "modal"}));
        QVERIFY(m_form->isVisible());
        QVERIFY(!m_result->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(m_form->focusWidget(), Widget<QPushButton>(*m_form, "calculateButton"));
    }
}

// "計　算" with one to three digits in the work-load field: refused naming the field, nothing
// is calculated, the field has the focus with its text selected, and the next press with a
// proper entry calculates.
void CalculateCommand::shortWorkLoadIsRefusedAndTheWindowWorks() {
    m_form->SetResultWindow(m_result.get());
    Widget<QRadioButton>(*m_form, "otherWorkLoadOption")->click();
    Type(Widget<QLineEdit>(*m_form, "workLoadField"), QStringLiteral("98"));
    MessageRecorder messages;
    ModalRecorder modals(true);
    Widget<QPushButton>(*m_form, "calculateButton")->click();
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().startsWith(QStringLiteral("作業荷重は 4 桁の数値で")),
             qPrintable(messages.texts.first()));
    QVERIFY(modals.shown.isEmpty());
    QCOMPARE(m_form->focusWidget(), Widget<QLineEdit>(*m_form, "workLoadField"));
    QVERIFY(Widget<QLineEdit>(*m_form, "workLoadField")->hasSelectedText());
    QVERIFY(m_form->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    Type(Widget<QLineEdit>(*m_form, "workLoadField"), QStringLiteral("1000"));
    Widget<QPushButton>(*m_form, "calculateButton")->click();
    QCOMPARE(modals.shown, QStringList{QStringLiteral("korvane::ResultWindow")});
    QCOMPARE(messages.texts.size(), 1);
}

void CalculateCommand::wheelScrollsByItsDelta() {
    m_result->resize(562, 300);
    m_result->show();
    QScrollBar *bar = Widget<QScrollArea>(*m_result, "sheetScroller")->verticalScrollBar();
    QVERIFY(bar->maximum() > 240);
    m_result->ScrollByWheel(-120); // towards the user: down
    QCOMPARE(bar->value(), 120);
    m_result->ScrollByWheel(120);
    m_result->ScrollByWheel(120);
    QCOMPARE(bar->value(), 0);
}

void CalculateCommand::windowFitsOnTheScreen_data() {
    QTest::addColumn<QRect>("client");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    const QMargins frame(4, 28, 4, 4);
    QTest::newRow("fits as it stands")
        << QRect(359, 195, 562, 760) << QRect(0, 0, 1280, 1024) << QRect(359, 195, 562, 760);
    QTest::newRow("1024 x 768: shortened and moved to the top")
        << QRect(231, 64, 562, 760) << QRect(0, 0, 1024, 768) << QRect(231, 33, 562, 731);
    QTest::newRow("1024 x 768 with a panel of 30 at the bottom")
        << QRect(231, 64, 562, 760) << QRect(0, 0, 1024, 738) << QRect(231, 33, 562, 701);
    QTest::newRow("runs off the bottom of a tall screen: moved up, not shortened")
        << QRect(100, 500, 562, 760) << QRect(0, 0, 1280, 1024) << QRect(359, 33, 562, 760);
}

void CalculateCommand::windowFitsOnTheScreen() {
    QFETCH(QRect, client);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    const QMargins frame(4, 28, 4, 4);
    const QRect fitted = FitResultWindow(client, frame, available);
    QCOMPARE(fitted, expected);
    QVERIFY(available.contains(fitted.marginsAdded(frame)));
}

void CalculateCommand::printSettingsTakeThePageTextOfTheWindow() {
    PrintSettingsDialog *settings = m_form->PrintSettingsWindow();
    Widget<QLineEdit>(*settings, "pageTextField")->setText(QStringLiteral("－２－"));
    bool resultHidden = false;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        resultHidden = !m_result->isVisible();
        dialog.reject();
        return int(QDialog::Rejected);
    });
    m_result->show();
    m_result->OpenPrintSettings();
    SetModalHandler(previous);
    QVERIFY(resultHidden);
    QVERIFY(m_result->isVisible());
    QCOMPARE(m_form->PrintSettingsWindow()->Settings().pageText, std::string("－２－"));
}

void CalculateCommand::printCancelledPrintsNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const auto previous = ResultWindow::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(path);
        return false;
    });
    m_result->PrintSheet();
    ResultWindow::SetPrinterChoice(previous);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// Calculates the window's case and prints its sheet with the given project title to a PDF
// file, as the print dialog's "print to file" does.
void CalculateCommand::PrintToPdfFile(const QString &path, const std::string &title) {
    const auto previous = SetModalHandler([](QDialog &) { return int(QDialog::Rejected); });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);
    m_form->PrintSettingsWindow()->Settings().projectTitle = title;
    const auto choice = ResultWindow::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    m_result->PrintSheet();
    ResultWindow::SetPrinterChoice(choice);
    m_form->PrintSettingsWindow()->Settings().projectTitle = kTitlePlaceholder;
}

void CalculateCommand::printWritesOnePageWithTheSheet() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    PrintToPdfFile(path, "テスト棟新築工事");

    const QString text = QString::fromStdString(test::PdfLayoutText(path.toStdString()));
    QVERIFY2(text.contains(QStringLiteral("物件名：テスト棟新築工事")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("PX75LA-07")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1Char('\f') + QStringLiteral("フラットデッキ")));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// A print whose printer cannot take the page (here a PDF file in a missing folder) is
// shown as an error; no notice or hourglass stays behind and the window prints afterwards.
void CalculateCommand::printThatFailsIsShownAndTheWindowWorks() {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("missing/sheet.pdf"));
    const auto choice = ResultWindow::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    MessageRecorder messages;
    m_result->PrintSheet();
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts.first().contains(path), qPrintable(messages.texts.first()));
    QCOMPARE(messages.titles.first(), QStringLiteral("Korvane for Win"));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    QTRY_VERIFY(!BusyNoticeLeft());

    path = dir.filePath(QStringLiteral("sheet.pdf"));
    m_result->PrintSheet();
    ResultWindow::SetPrinterChoice(choice);
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(QFile::exists(path));
}

// Printing to a PDF file that exists: the file is replaced by the complete new one through
// a temporary file beside it (one a killed print left is taken over), and a title with a
// control character still gives metadata that an XML reader reads.
void CalculateCommand::printToAPdfFileReplacesTheOldFileWhole() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    for (const QString &name : {path, path + QStringLiteral(".korvane-part")}) {
        QFile file(name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("an older file");
    }
    MessageRecorder messages;
    PrintToPdfFile(path, "第二工区\x1b");

    QCOMPARE(messages.texts, QStringList{});
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sheet.pdf")});
    QCOMPARE(test::ArchivalFaults(path.toStdString()), std::vector<std::string>{});
    QCOMPARE(test::PdfInfoField(path.toStdString(), "Title"), std::string("第二工区"));
    const QString text = QString::fromStdString(test::PdfLayoutText(path.toStdString()));
    QVERIFY2(text.contains(QStringLiteral("物件名：第二工区")), qPrintable(text));
}

void CalculateCommand::printToAPdfFileThatCannotBeWrittenSaysWhy_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing folder") << "missing"
                                    << "フォルダがありません";
    QTest::newRow("file-size limit") << "limit"
                                     << "ファイルの大きさの上限を超えました";
    QTest::newRow("read-only folder") << "readOnly"
                                      << "書き込みの権限がありません";
}

// The file-size limit of this process, lowered while it lives: a write beyond it fails as a
// write on a full disk does, and needs no privilege. The signal the system sends at the
// limit is ignored, so that the write reports the failure.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool Set() const { return m_set; }

private:
    rlimit m_old{};
    bool m_set = false;
    void (*m_oldHandler)(int) = nullptr;
};

// A print to a PDF file that cannot be written says why, as every failed file write does;
// an old file of that name stays as it was and nothing else is left in the folder.
void CalculateCommand::printToAPdfFileThatCannotBeWrittenSaysWhy() {
    QFETCH(QString, route);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder =
        route == QStringLiteral("missing") ? dir.filePath(QStringLiteral("missing")) : dir.path();
    const QString path = folder + QStringLiteral("/sheet.pdf");
    const QByteArray old = "an older file";
    if (route != QStringLiteral("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    std::optional<FileSizeLimit> limit;
    if (route == QStringLiteral("limit")) {
        limit.emplace(4096); // a sheet's PDF file is many times larger
        QVERIFY(limit->Set());
    }
    if (route == QStringLiteral("readOnly")) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (access(QFile::encodeName(folder).constData(), W_OK) == 0) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders (an administrator)");
        }
    }
    MessageRecorder messages;
    PrintToPdfFile(path, "第二工区");
    limit.reset();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(messages.texts.size(), 1);
    const QString &text = messages.texts.first();
    QVERIFY2(text.contains(path), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("に印刷できませんでした。(") + reason + QLatin1Char(')')),
             qPrintable(text));
    if (route != QStringLiteral("missing")) {
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("sheet.pdf")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

// A message box of a short text is wide enough for its whole caption in the title bar.
void CalculateCommand::messageBoxShowsItsWholeCaption() {
    const auto box = NewMessageBox(nullptr, QStringLiteral("施工荷重を入力して下さい。"),
                                   QStringLiteral("Korvane for Win"));
    box->show();
    QFont bold;
    bold.setBold(true);
    const int caption = QFontMetrics(bold).horizontalAdvance(QStringLiteral("Korvane for Win"));
    QVERIFY2(box->width() >= caption + 100, qPrintable(QString::number(box->width())));
    box->close();
}

// The warning after opening an empty file lists every field on one line: the box wraps it
// instead of growing wider than the screen.
void CalculateCommand::longMessageWrapsWithinTheScreen() {
    QString longLine;
    for (int i = 0; i < 15; ++i)
        longLine += QStringLiteral("コンクリート厚 0 mm、");
    const auto box = NewMessageBox(nullptr, QStringLiteral("ファイルが空です。") + longLine,
                                   QStringLiteral("Korvane for Win"));
    box->show();
    const int screen = box->screen()->availableGeometry().width();
    QVERIFY2(box->width() <= screen, qPrintable(QString::number(box->width())));
    box->close();
}

KORVANE_UI_TEST_MAIN(CalculateCommand)
#include "tst_calculate.moc"
