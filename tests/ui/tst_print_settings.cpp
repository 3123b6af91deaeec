// The print settings window: a position takes effect when clicked, OK commits the title
// and the page text, Cancel restores them but not the position.

#include "UiTestSupport.h"

#include "core/PrintSettings.h"
#include "ui/Look.h"
#include "ui/result/PrintSettingsDialog.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace korvane;
using namespace korvane::testing;

class PrintSettingsWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<PrintSettingsDialog> m_window;

private slots:
    void init();
    void cleanup();
    void createdState();
    void closing_data();
    void closing();
    void titleFieldEmptiesItsPlaceholderOnClick();
    void titleIsSelectedEachTimeTheWindowOpens();
};

void PrintSettingsWindow::init() {
    m_window = std::make_unique<PrintSettingsDialog>();
}

void PrintSettingsWindow::cleanup() {
    m_window.reset();
}

void PrintSettingsWindow::createdState() {
    QCOMPARE(m_window->windowTitle(), QStringLiteral("印刷用設定"));
    QCOMPARE(m_window->size(), QSize(464, 155));
    QCOMPARE(Widget<QLineEdit>(*m_window, "titleField")->text(), QStringLiteral("件名を入力"));
    QCOMPARE(Widget<QLineEdit>(*m_window, "pageTextField")->text(), QStringLiteral("－１－"));
    QVERIFY(Widget<QRadioButton>(*m_window, "noPageNumberOption")->isChecked());
    QVERIFY(!Widget<QLineEdit>(*m_window, "pageTextField")->isEnabled());
    QCOMPARE(Widget<QRadioButton>(*m_window, "noPageNumberOption")
                 ->palette()
                 .color(QPalette::WindowText),
             kChosenCrimson);
    QCOMPARE(
        Widget<QRadioButton>(*m_window, "topRightOption")->palette().color(QPalette::WindowText),
        kOptionNavy);
    QCOMPARE(Widget<QPushButton>(*m_window, "confirmButton")->text(), QStringLiteral("    設　定"));
    QCOMPARE(Widget<QPushButton>(*m_window, "cancelButton")->text(), QStringLiteral(" キャンセル"));
}

void PrintSettingsWindow::closing_data() {
    QTest::addColumn<int>("storedPosition"); // before the window opens
    QTest::addColumn<int>("clickedOption");  // -1: none
    QTest::addColumn<QString>("title");      // typed into titleField
    QTest::addColumn<QString>("pageText");   // typed into pageTextField when enabled
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("storedTitle");
    QTest::addColumn<QString>("storedPageText");
    QTest::addColumn<int>("checkedOption");

    QTest::newRow("OK with an empty title keeps the placeholder") << 0 << -1 << ""
                                                                  << "" << true << 0 << "件名を入力"
                                                                  << "－１－" << 0;
    QTest::newRow("OK with a title") << 0 << -1 << "新社屋"
                                     << "" << true << 0 << "新社屋"
                                     << "－１－" << 0;
    QTest::newRow("top right then Cancel keeps the position") << 0 << 3 << "新社屋"
                                                              << "P2" << false << 12 << "件名を入力"
                                                              << "－１－" << 3;
    QTest::newRow("none then Cancel keeps none") << 11 << 0 << ""
                                                 << "" << false << 0 << "件名を入力"
                                                 << "－１－" << 0;
    QTest::newRow("none then OK keeps the page text") << 11 << 0 << ""
                                                      << "" << true << 0 << "件名を入力"
                                                      << "－１－" << 0;
    QTest::newRow("new page text with a position") << 0 << 5 << ""
                                                   << "-2-" << true << 21 << "件名を入力"
                                                   << "-2-" << 5;
}

void PrintSettingsWindow::closing() {
    QFETCH(int, storedPosition);
    QFETCH(int, clickedOption);
    QFETCH(QString, title);
    QFETCH(QString, pageText);
    QFETCH(bool, ok);
    QFETCH(int, position);
    QFETCH(QString, storedTitle);
    QFETCH(QString, storedPageText);
    QFETCH(int, checkedOption);

    m_window->CheckPositionOption(storedPosition);
    m_window->RefreshPositionOptions();
    m_window->show();
    if (clickedOption >= 0)
        QTest::mouseClick(m_window->PositionOptions()[clickedOption], Qt::LeftButton, {},
                          QPoint(6, 8));
    Widget<QLineEdit>(*m_window, "titleField")->setText(title);
    if (Widget<QLineEdit>(*m_window, "pageTextField")->isEnabled() && !pageText.isEmpty())
        Widget<QLineEdit>(*m_window, "pageTextField")->setText(pageText);
    QTest::mouseClick(ok ? Widget<QPushButton>(*m_window, "confirmButton")
                         : Widget<QPushButton>(*m_window, "cancelButton"),
                      Qt::LeftButton);

    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->Settings().pageNumberPos, position);
    QCOMPARE(QString::fromStdString(m_window->Settings().projectTitle), storedTitle);
    QCOMPARE(QString::fromStdString(m_window->Settings().pageText), storedPageText);
    QVERIFY(m_window->PositionOptions()[checkedOption]->isChecked());
    QCOMPARE(Widget<QLineEdit>(*m_window, "pageTextField")->isEnabled(), checkedOption != 0);
    if (!ok)
        QCOMPARE(Widget<QLineEdit>(*m_window, "titleField")->text(),
                 storedTitle); // the title comes back
}

void PrintSettingsWindow::titleFieldEmptiesItsPlaceholderOnClick() {
    m_window->show();
    QTest::mouseClick(Widget<QLineEdit>(*m_window, "titleField"), Qt::LeftButton);
    QCOMPARE(Widget<QLineEdit>(*m_window, "titleField")->text(), QString());
    Widget<QLineEdit>(*m_window, "titleField")->setText(QStringLiteral("倉庫"));
    QTest::mouseClick(Widget<QLineEdit>(*m_window, "titleField"), Qt::LeftButton);
    QCOMPARE(Widget<QLineEdit>(*m_window, "titleField")->text(), QStringLiteral("倉庫"));
}

// The window focuses the title as it opens: typing replaces the whole title, also when
// the window is opened again.
void PrintSettingsWindow::titleIsSelectedEachTimeTheWindowOpens() {
    for (int opening = 0; opening < 2; ++opening) {
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(Widget<QLineEdit>(*m_window, "titleField")->hasFocus());
        QCOMPARE(Widget<QLineEdit>(*m_window, "titleField")->selectedText(),
                 QStringLiteral("件名を入力"));
        QTest::mouseClick(Widget<QPushButton>(*m_window, "cancelButton"),
                          Qt::LeftButton); // キャンセル
        QVERIFY(!m_window->isVisible());
    }
}

KORVANE_UI_TEST_MAIN(PrintSettingsWindow)
#include "tst_print_settings.moc"
