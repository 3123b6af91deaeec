// The main window's command buttons reach the windows created after it.

#include "UiTestSupport.h"

#include "ui/main/ProgramWindows.h"

#include <QLineEdit>
#include <QPushButton>

using namespace korvane;
using namespace korvane::testing;

class CommandButtons : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;

private slots:
    void buttonsOpenTheirWindows_data();
    void buttonsOpenTheirWindows();
    void endClosesTheMainWindow();
};

void CommandButtons::buttonsOpenTheirWindows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::newRow("計　算") << "calculateButton"
                            << "korvane::ResultWindow";
    QTest::newRow("データ読込") << "openButton"
                                << "QFileDialog";
    QTest::newRow("データ保存") << "saveButton"
                                << "QFileDialog";
}

void CommandButtons::buttonsOpenTheirWindows() {
    QFETCH(QString, button);
    QFETCH(QString, window);
    SplashMilliseconds() = 0;
    std::unique_ptr<ProgramWindows> windows;
    {
        ModalRecorder notices;
        windows = CreateProgramWindows();
    }
    MainWindow &form = *windows->mainWindow;
    form.InitialIdle();
    form.show();
    QPushButton *pressed =
        button == QLatin1String("calculateButton") ? Widget<QPushButton>(form, "calculateButton")
        : button == QLatin1String("openButton")    ? Widget<QPushButton>(form, "openButton")
                                                   : Widget<QPushButton>(form, "saveButton");
    ModalRecorder modals(/*cancel=*/true);
    MessageRecorder messages;
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(modals.shown, QStringList{window});
    QCOMPARE(messages.texts, QStringList());
}

void CommandButtons::endClosesTheMainWindow() {
    SplashMilliseconds() = 0;
    ModalRecorder notices;
    MainWindow form;
    form.InitialIdle();
    form.show();
    MessageRecorder messages; // nothing is asked, even with changed input
    Widget<QLineEdit>(form, "spanField")->setText(QStringLiteral("3000"));
    QTest::mouseClick(Widget<QPushButton>(form, "endButton"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QVERIFY(messages.texts.isEmpty());
}

KORVANE_UI_TEST_MAIN(CommandButtons)
#include "tst_command_buttons.moc"
