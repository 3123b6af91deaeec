// The main window's "HELP ON"/"HELP OFF" button and the help pages its inputs ask for,
// with the real help window and the pictures of load_data/; its "概　　要" button with the
// real summary window and load_data/'s summary.

#include "UiTestSupport.h"

#include "ui/Controls.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/SummaryWindow.h"
#include "ui/main/ProgramWindows.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolButton>

using namespace korvane;
using namespace korvane::testing;

class HelpSwitch : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<ProgramWindows> m_windows;
    MainWindow *m_form = nullptr;
    HelpWindow *m_help = nullptr;

private slots:
    void init();
    void cleanup() { m_windows.reset(); }
    void switchOnShowsTheDeckPageOfTheFamily();
    void firstPageAfterSwitchingOnTakesTheFocus();
    void closeBoxResetsTheButton();
    void pageTouchedWhileOffIsShownWhenSwitchedOn();
    void missingPictureDoesNotStopShowingACase();
    void summaryButtonShowsOneSummaryWindow();
};

void HelpSwitch::init() {
    SplashMilliseconds() = 0;
    ModalRecorder notices;
    m_windows = CreateProgramWindows();
    m_form = m_windows->mainWindow.get();
    m_help = static_cast<HelpWindow *>(m_windows->help.get());
    m_form->InitialIdle();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
}

void HelpSwitch::switchOnShowsTheDeckPageOfTheFamily() {
    QVERIFY(!m_help->isVisible());
    QTest::mouseClick(Widget<QPushButton>(*m_form, "helpButton"), Qt::LeftButton);
    QVERIFY(m_help->isVisible());
    QCOMPARE(Widget<QPushButton>(*m_form, "helpButton")->text(), QStringLiteral("HELP OFF"));
    QCOMPARE(m_help->windowTitle(), QStringLiteral("デッキ種類"));
    QCOMPARE(m_help->ScrollRange(), 1135); // the ridge deck's picture
    QTest::mouseClick(Widget<QRadioButton>(*m_form, "pxDeckOption"), Qt::LeftButton);
    QCOMPARE(m_help->ScrollRange(), 966);

    QTest::mouseClick(Widget<QPushButton>(*m_form, "helpButton"), Qt::LeftButton);
    QVERIFY(!m_help->isVisible());
    QCOMPARE(Widget<QPushButton>(*m_form, "helpButton")->text(), QStringLiteral("HELP ON"));
    QVERIFY(!m_help->JustSwitchedOn());
}

void HelpSwitch::firstPageAfterSwitchingOnTakesTheFocus() {
    QTest::mouseClick(Widget<QPushButton>(*m_form, "helpButton"), Qt::LeftButton);
    QVERIFY(m_help->JustSwitchedOn());
    QTest::mouseClick(Widget<QLineEdit>(*m_form, "spanField"), Qt::LeftButton);
    QCOMPARE(m_help->windowTitle(), QStringLiteral("スパン"));
    QVERIFY(!m_help->JustSwitchedOn());
}

void HelpSwitch::closeBoxResetsTheButton() {
    QTest::mouseClick(Widget<QPushButton>(*m_form, "helpButton"), Qt::LeftButton);
    m_help->close();
    QCOMPARE(Widget<QPushButton>(*m_form, "helpButton")->text(), QStringLiteral("HELP ON"));
    QVERIFY(!m_help->JustSwitchedOn());
    QTest::mouseClick(Widget<QPushButton>(*m_form, "helpButton"), Qt::LeftButton);
    QVERIFY(m_help->isVisible());
    QCOMPARE(m_help->windowTitle(), QStringLiteral("デッキ種類")); // its last page
}

void HelpSwitch::pageTouchedWhileOffIsShownWhenSwitchedOn() {
    const struct {
        QWidget *control;
        const char *caption;
    } touches[] = {
        {Widget<QToolButton>(*m_form, "lightConcrete2Button"), "コンクリート"},
        {Widget<QRadioButton>(*m_form, "alphaClass3Option"), "支持梁/施工状況"},
        {Widget<QRadioButton>(*m_form, "otherWorkLoadOption"), "荷　重"},
        {Widget<QRadioButton>(*m_form, "shoringOneRowOption"), "スパン"},
        {Widget<QLineEdit>(*m_form, "unitWeightField"), "デッキ種類"},
        {Widget<korvane::UpDownArrows>(*m_form, "slabThicknessArrows")->UpButton(), "コンクリート"},
        {Widget<korvane::UpDownArrows>(*m_form, "spanArrows")->DownButton(), "スパン"},
        {Widget<QLineEdit>(*m_form, "otherLoadField"), "荷　重"},
        {Widget<QLineEdit>(*m_form, "slabThicknessField"), "コンクリート"}};
    for (const auto &touch : touches) {
        QTest::mouseClick(touch.control, Qt::LeftButton);
        QVERIFY(!m_help->isVisible());
        QCOMPARE(m_help->windowTitle(), QString::fromUtf8(touch.caption));
    }
    Widget<korvane::DropDownList>(*m_form, "thicknessList")
        ->showPopup(); // opening a list asks for the deck page
    Widget<korvane::DropDownList>(*m_form, "thicknessList")->hidePopup();
    QCOMPARE(m_help->windowTitle(), QStringLiteral("デッキ種類"));
}

void HelpSwitch::missingPictureDoesNotStopShowingACase() {
    const QString picture =
        QCoreApplication::applicationDirPath() + QStringLiteral("/load_data/KR_tag1.emf");
    const QString aside = picture + QStringLiteral(".aside");
    QVERIFY(QFile::rename(picture, aside));
    MessageRecorder messages;
    DesignCase record;
    record.deckFamily = 0;
    record.deckModel = 2;
    record.thicknessCode = 1;
    record.spanLength = 4200;
    record.workLoadValue = 2000;
    m_form->ShowCase(record);
    QFile::rename(aside, picture);

    QCOMPARE(messages.texts.size(), 1); // the picture's error, once
    DesignCase shown;
    shown = m_form->ReadCase();
    QCOMPARE(shown.deckModel, 2);
    QCOMPARE(shown.spanLength, 4200);
    QCOMPARE(shown.workLoadValue, 2000);
}

// The summary window is made by the first "概　　要" (a start holds none) and is the same
// window every later time, where the user left it.
void HelpSwitch::summaryButtonShowsOneSummaryWindow() {
    QVERIFY(!m_windows->summary);
    QTest::mouseClick(Widget<QPushButton>(*m_form, "summaryButton"), Qt::LeftButton);
    auto *summary = qobject_cast<SummaryWindow *>(m_windows->summary.get());
    QVERIFY(summary);
    QVERIFY(summary->isVisible());
    QCOMPARE(summary->windowTitle(), QStringLiteral("概　　要　[ Korvane for Win について ]"));
    QVERIFY(!Widget<QTextBrowser>(*summary, "summaryView")->toPlainText().isEmpty());

    summary->close();
    summary->move(summary->pos() + QPoint(40, 30));
    const QPoint leftAt = summary->pos();
    QTest::mouseClick(Widget<QPushButton>(*m_form, "summaryButton"), Qt::LeftButton);
    QCOMPARE(m_windows->summary.get(), summary);
    QVERIFY(summary->isVisible());
    QCOMPARE(summary->pos(), leftAt);
}

KORVANE_UI_TEST_MAIN(HelpSwitch)
#include "tst_help_switch.moc"
