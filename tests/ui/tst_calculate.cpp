// The calculate command and the result window: the pre-check as the user meets it, the run
// that hides the main window behind the result window, the sheet picture, scrolling,
// printing and the print settings opened from the result window.

#include "UiTestSupport.h"

#include "core/Errors.h"
#include "core/PrintSettings.h"
#include "core/U_calc.h"
#include "ui/CalculationRun.h"
#include "ui/UCalDisp.h"
#include "ui/U_PrintData.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace korvane;
using namespace korvane::testing;

namespace {

// Puts a text into a field as typing it would leave it.
void Type(QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    field->del();
    QTest::keyClicks(field, text);
}

// Counts the pixels of the sheet that are neither navy nor the frame: text and lines.
int DrawnPixels(const QImage &picture)
{
    int drawn = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            if (picture.pixelColor(x, y) != QColor(0, 0, 128))
                ++drawn;
    return drawn;
}

QString PdfText(const QString &path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class CalculateCommand : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TForm3> m_result;

private slots:
    void init();
    void cleanup();
    void preCheck_data();
    void preCheck();
    void spanIsReportedBeforeConcrete();
    void threeDigitWorkLoadIsAConversionError();
    void runShowsTheSheetInPlaceOfTheMainWindow();
    void closingClearsThePictureAndKeepsTheInputs();
    void wheelScrollsByItsDelta();
    void printSettingsTakeThePageTextOfTheWindow();
    void printCancelledPrintsNothing();
    void printWritesOnePageWithTheSheet();
};

void CalculateCommand::init()
{
    m_form = MakeReadyForm();
    m_result = std::make_unique<TForm3>();
    m_result->SetPrintSettingsWindow(m_form->Form7());
}

void CalculateCommand::cleanup()
{
    m_result.reset();
    m_form.reset();
    SharedPrintSettings() = PrintSettings{}; // what a test changed must not reach the next
}

void CalculateCommand::preCheck_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("corrected");

    QTest::newRow("span 999") << "Edit1" << "999" << "計算できるスパンは、1000 mm以上です"
                              << "1000";
    QTest::newRow("span 1000") << "Edit1" << "1000" << "" << "1000";
    QTest::newRow("span 4900") << "Edit1" << "4900" << "" << "4900";
    QTest::newRow("span 4901") << "Edit1" << "4901" << "計算できるスパンは、4900 mm以下です"
                               << "4900";
    QTest::newRow("concrete 119") << "Edit3" << "119"
                                  << "計算できるコンクリート厚さは、120 mm以上です" << "120";
    QTest::newRow("concrete 120") << "Edit3" << "120" << "" << "120";
    QTest::newRow("concrete 800") << "Edit3" << "800" << "" << "800";
    QTest::newRow("concrete 801") << "Edit3" << "801"
                                  << "計算できるコンクリート厚さは、800 mm以下です" << "800";
}

// A failing check shows its message, focuses its field and corrects it; nothing is
// calculated and the result window is never shown.
void CalculateCommand::preCheck()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, corrected);
    QLineEdit *edit = field == QLatin1String("Edit1") ? m_form->Edit1 : m_form->Edit3;
    edit->setText(typed);

    MessageRecorder messages;
    ModalRecorder modals;
    RunCalculation(*m_form, *m_result);

    if (message.isEmpty()) {
        QCOMPARE(messages.texts, QStringList());
        QCOMPARE(modals.shown, QStringList{QStringLiteral("TForm3")});
        return;
    }
    QCOMPARE(messages.texts, QStringList{message});
    QVERIFY(modals.shown.isEmpty());
    QCOMPARE(edit->text(), corrected);
    QCOMPARE(m_form->focusWidget(), edit);
}

void CalculateCommand::spanIsReportedBeforeConcrete()
{
    m_form->Edit1->setText(QStringLiteral("900"));
    m_form->Edit3->setText(QStringLiteral("100"));
    MessageRecorder messages;
    ModalRecorder modals;
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts, QStringList{QStringLiteral("計算できるスパンは、1000 mm以上です")});
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts.last(), QStringLiteral("計算できるコンクリート厚さは、120 mm以上です"));
    RunCalculation(*m_form, *m_result);
    QCOMPARE(modals.shown, QStringList{QStringLiteral("TForm3")});
}

void CalculateCommand::threeDigitWorkLoadIsAConversionError()
{
    m_form->RadioButton8->click();
    Type(m_form->MaskEdit1, QStringLiteral("980"));
    ModalRecorder modals;
    QVERIFY_THROWS_EXCEPTION(ConversionError, RunCalculation(*m_form, *m_result));
    QVERIFY(modals.shown.isEmpty());

    MessageRecorder messages;
    Type(m_form->MaskEdit1, QStringLiteral("0000"));
    RunCalculation(*m_form, *m_result);
    QCOMPARE(messages.texts.last(), QStringLiteral("施工荷重を入力して下さい。(1470N/㎡以上)"));
    QCOMPARE(m_form->MaskEdit1->text().trimmed(), QStringLiteral("1470"));
}

void CalculateCommand::runShowsTheSheetInPlaceOfTheMainWindow()
{
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
    QCOMPARE(SharedCalcResult().totalLoad, 4701.0);
    QCOMPARE(m_result->inputData.spanLength, 2500);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->focusWidget(), m_form->BitBtn1);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void CalculateCommand::closingClearsThePictureAndKeepsTheInputs()
{
    m_form->Edit1->setText(QStringLiteral("3000"));
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        static_cast<TForm3 &>(dialog).N2Click();
        return int(QDialog::Rejected);
    });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);
    QCOMPARE(m_form->Edit1->text(), QStringLiteral("3000"));
    const QImage cleared = m_result->Picture().copy(0, 0, 545, 650);
    QCOMPARE(DrawnPixels(cleared), 0);
}

void CalculateCommand::wheelScrollsByItsDelta()
{
    m_result->SetPictureHeight(670);
    m_result->resize(562, 300);
    m_result->show();
    QScrollBar *bar = m_result->ScrollBox1->verticalScrollBar();
    QVERIFY(bar->maximum() > 240);
    m_result->ScrollBox1MouseWheel(-120); // towards the user: down
    QCOMPARE(bar->value(), 120);
    m_result->ScrollBox1MouseWheel(120);
    m_result->ScrollBox1MouseWheel(120);
    QCOMPARE(bar->value(), 0);
}

void CalculateCommand::printSettingsTakeThePageTextOfTheWindow()
{
    TForm7 *settings = m_form->Form7();
    settings->Edit2->setText(QStringLiteral("－２－"));
    bool resultHidden = false;
    const auto previous = SetModalHandler([&](QDialog &dialog) {
        resultHidden = !m_result->isVisible();
        dialog.reject();
        return int(QDialog::Rejected);
    });
    m_result->show();
    m_result->N3Click();
    SetModalHandler(previous);
    QVERIFY(resultHidden);
    QVERIFY(m_result->isVisible());
    QCOMPARE(SharedPrintSettings().pageText, std::string("－２－"));
}

void CalculateCommand::printCancelledPrintsNothing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const auto previous = TForm3::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFileName(path);
        return false;
    });
    m_result->N1Click();
    TForm3::SetPrinterChoice(previous);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void CalculateCommand::printWritesOnePageWithTheSheet()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    const auto previous = SetModalHandler([](QDialog &) { return int(QDialog::Rejected); });
    RunCalculation(*m_form, *m_result);
    SetModalHandler(previous);

    SharedPrintSettings().projectTitle = "テスト棟新築工事";
    const auto choice = TForm3::SetPrinterChoice([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return true;
    });
    m_result->N1Click();
    TForm3::SetPrinterChoice(choice);

    const QString text = PdfText(path);
    QVERIFY2(text.contains(QStringLiteral("物件名：テスト棟新築工事")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("PX75LA-07")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1Char('\f') + QStringLiteral("フラットデッキ")));
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

KORVANE_UI_TEST_MAIN(CalculateCommand)
#include "tst_calculate.moc"
