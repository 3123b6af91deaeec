// The span, concrete and load inputs: key filter, arrows, leave checks, work-load field
// and the span hint in the status bar.

#include "UiTestSupport.h"

#include "core/Catalogue.h"
#include "ui/Controls.h"
#include "ui/main/CalculationRun.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolButton>

using namespace korvane;
using namespace korvane::testing;

namespace {

QLineEdit *FieldNamed(MainWindow &form, const QString &name) {
    if (name == QLatin1String("spanField"))
        return Widget<QLineEdit>(form, "spanField");
    if (name == QLatin1String("slabThicknessField"))
        return Widget<QLineEdit>(form, "slabThicknessField");
    return Widget<QLineEdit>(form, "otherLoadField");
}

UpDownArrows *ArrowsOf(MainWindow &form, const QString &name) {
    if (name == QLatin1String("spanField"))
        return Widget<korvane::UpDownArrows>(form, "spanArrows");
    if (name == QLatin1String("slabThicknessField"))
        return Widget<korvane::UpDownArrows>(form, "slabThicknessArrows");
    return Widget<korvane::UpDownArrows>(form, "otherLoadArrows");
}

// Replaces a field's text as a user does: select all, type (an empty text deletes).
void TypeInto(QLineEdit *field, const QString &text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class NumericInputs : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;

private slots:
    void leaveCheck_data();
    void leaveCheck();
    void pastedTextIsCaughtOnLeaving();
    void keyFilter_data();
    void keyFilter();
    void arrows_data();
    void arrows();
    void arrowKeys_data() { arrows_data(); }
    void arrowKeys();
    void arrowKeysLeaveOtherKeysAlone();
    void programFocusSelectsWholeText_data();
    void programFocusSelectsWholeText();
    void mouseClickPlacesTheCursor();
    void focusGivenBehindAMessageBoxSelects();
    void returningToTheWindowKeepsTheCursor();
    void workLoadField();
    void spanHint_data();
    void spanHint();
    void statusBarFollowsTheMouse();
};

void NumericInputs::leaveCheck_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: none
    QTest::addColumn<QString>("after");

    const QString spanUnset = QStringLiteral("『スパン』を設定して下さい");
    const QString spanMax = QStringLiteral("計算可能な『スパン』の最大値は、9900 mmです");
    QTest::newRow("span letters") << "spanField"
                                  << "abc" << spanUnset << "500";
    QTest::newRow("span empty") << "spanField"
                                << "" << spanUnset << "500";
    QTest::newRow("span fraction") << "spanField"
                                   << "2500.5" << spanUnset << "500";
    QTest::newRow("span above bound") << "spanField"
                                      << "12000" << spanMax << "9900";
    QTest::newRow("span at bound") << "spanField"
                                   << "9900"
                                   << ""
                                   << "9900";
    QTest::newRow("span small") << "spanField"
                                << "300"
                                << ""
                                << "300";
    QTest::newRow("span zero") << "spanField"
                               << "0"
                               << ""
                               << "0";
    QTest::newRow("span negative") << "spanField"
                                   << "-5"
                                   << ""
                                   << "-5";
    QTest::newRow("concrete empty")
        << "slabThicknessField"
        << "" << QStringLiteral("『コンクリート厚』を設定して下さい") << "0";
    QTest::newRow("concrete above bound")
        << "slabThicknessField"
        << "850" << QStringLiteral("計算可能な『コンクリート厚』の最大値は、800 mmです") << "800";
    QTest::newRow("concrete at bound") << "slabThicknessField"
                                       << "800"
                                       << ""
                                       << "800";
    QTest::newRow("other load empty")
        << "otherLoadField"
        << "" << QStringLiteral("『その他荷重』の値を設定して下さい") << "0";
    QTest::newRow("other load above bound")
        << "otherLoadField"
        << "9500" << QStringLiteral("計算可能な『その他荷重』の最大値は、9000 N/㎡です") << "9000";
}

void NumericInputs::leaveCheck() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, after);

    auto form = MakeReadyForm();
    QLineEdit *edit = FieldNamed(*form, field);
    TypeInto(edit, typed);
    MessageRecorder messages;
    QTest::keyClick(edit, Qt::Key_Tab);

    QCOMPARE(messages.texts, message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(messages.titles.front(), QStringLiteral("Korvane for Win"));
    QCOMPARE(edit->text(), after);
    QCOMPARE(edit->hasFocus(), !message.isEmpty());
}

void NumericInputs::pastedTextIsCaughtOnLeaving() {
    auto form = MakeReadyForm();
    Widget<QLineEdit>(*form, "slabThicknessField")->setFocus();
    Widget<QLineEdit>(*form, "slabThicknessField")
        ->setText(QStringLiteral("1x0")); // as a paste from the context menu does
    MessageRecorder messages;
    QTest::keyClick(Widget<QLineEdit>(*form, "slabThicknessField"), Qt::Key_Tab);
    QCOMPARE(messages.texts, QStringList{QStringLiteral("『コンクリート厚』を設定して下さい")});
    QCOMPARE(Widget<QLineEdit>(*form, "slabThicknessField")->text(), QStringLiteral("0"));
}

void NumericInputs::keyFilter_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); // the field held "130" or "0", cursor at the end
    QTest::newRow("concrete letter") << "slabThicknessField"
                                     << "a"
                                     << "130";
    QTest::newRow("concrete point") << "slabThicknessField"
                                    << "."
                                    << "130";
    QTest::newRow("concrete sign") << "slabThicknessField"
                                   << "-"
                                   << "130";
    QTest::newRow("concrete digits") << "slabThicknessField"
                                     << "5"
                                     << "1305";
    QTest::newRow("other load letter") << "otherLoadField"
                                       << "k"
                                       << "0";
    QTest::newRow("other load digits") << "otherLoadField"
                                       << "50"
                                       << "050";
    QTest::newRow("span takes anything") << "spanField"
                                         << "a."
                                         << "2500a.";
}

void NumericInputs::keyFilter() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    auto form = MakeReadyForm();
    QLineEdit *edit = FieldNamed(*form, field);
    edit->setFocus();
    edit->end(false);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), after);
    QTest::keyClick(edit, Qt::Key_Backspace); // Backspace always passes
    QCOMPARE(edit->text(), after.chopped(1));
}

void NumericInputs::arrows_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("up");
    QTest::addColumn<QString>("after");
    QTest::newRow("span up") << "spanField"
                             << "2500" << true << "2510";
    QTest::newRow("span up at bound") << "spanField"
                                      << "9900" << true << "9900";
    QTest::newRow("span down at bound") << "spanField"
                                        << "500" << false << "500";
    QTest::newRow("span down from above bound") << "spanField"
                                                << "12000" << false << "9890";
    QTest::newRow("concrete up") << "slabThicknessField"
                                 << "130" << true << "135";
    QTest::newRow("concrete up stops at 800") << "slabThicknessField"
                                              << "798" << true << "800";
    QTest::newRow("other load up") << "otherLoadField"
                                   << "0" << true << "50";
    QTest::newRow("other load down at 0") << "otherLoadField"
                                          << "0" << false << "0";
    QTest::newRow("thousands written plainly") << "otherLoadField"
                                               << "8950" << true << "9000";
}

void NumericInputs::arrows() {
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, after);
    auto form = MakeReadyForm();
    FieldNamed(*form, field)->setText(start);
    UpDownArrows *arrows = ArrowsOf(*form, field);
    QTest::mouseClick(up ? arrows->UpButton() : arrows->DownButton(), Qt::LeftButton);
    QCOMPARE(FieldNamed(*form, field)->text(), after);
}

// The Up and Down keys in a field do what its arrows do, handler included.
void NumericInputs::arrowKeys() {
    QFETCH(QString, field);
    QFETCH(QString, start);
    QFETCH(bool, up);
    QFETCH(QString, after);
    auto form = MakeReadyForm();
    QLineEdit *edit = FieldNamed(*form, field);
    edit->setText(start);
    edit->setFocus();
    QSignalSpy handled(ArrowsOf(*form, field), &UpDownArrows::Clicked);
    QTest::keyClick(edit, up ? Qt::Key_Up : Qt::Key_Down);
    QCOMPARE(edit->text(), after);
    QCOMPARE(handled.count(), 1);
}

void NumericInputs::arrowKeysLeaveOtherKeysAlone() {
    auto form = MakeReadyForm();
    Widget<QLineEdit>(*form, "spanField")->setFocus();
    QTest::keyClick(Widget<QLineEdit>(*form, "spanField"), Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(Widget<QLineEdit>(*form, "spanField"), Qt::Key_PageUp);
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->text(), QStringLiteral("2500"));
    QTest::keyClick(Widget<QLineEdit>(*form, "spanField"), Qt::Key_Up,
                    Qt::KeypadModifier); // the keypad's arrow
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->text(), QStringLiteral("2510"));
}

// Every way the program or the keyboard puts the focus into a field leaves its whole text
// selected, so that typing replaces it.
void NumericInputs::programFocusSelectsWholeText_data() {
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("typed");
    QTest::newRow("pre-check correction of the span") << "precheck"
                                                      << "1000"
                                                      << "7";
    QTest::newRow("span leave check") << "leave"
                                      << "500"
                                      << "7";
    QTest::newRow("Tab into the concrete field") << "tab"
                                                 << "130"
                                                 << "7";
    QTest::newRow("hand-entered work load, full mask") << "workload"
                                                       << "2450"
                                                       << "3000";
    QTest::newRow("unit weight of an opened 他 case") << "other coating"
                                                      << "150"
                                                      << "7";
}

void NumericInputs::programFocusSelectsWholeText() {
    QFETCH(QString, route);
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    auto form = MakeReadyForm();
    MessageRecorder messages;
    QLineEdit *field = nullptr;
    if (route == QLatin1String("precheck")) {
        TypeInto(Widget<QLineEdit>(*form, "spanField"), QStringLiteral("999"));
        Widget<QPushButton>(*form, "calculateButton")->setFocus(); // as the press of "計　算" does
        QVERIFY(!form->PreCheckInputs());
        QCOMPARE(messages.texts.size(), 1);
        field = Widget<QLineEdit>(*form, "spanField");
    } else if (route == QLatin1String("leave")) {
        TypeInto(Widget<QLineEdit>(*form, "spanField"), QStringLiteral("abc"));
        QTest::keyClick(Widget<QLineEdit>(*form, "spanField"), Qt::Key_Tab);
        field = Widget<QLineEdit>(*form, "spanField");
    } else if (route == QLatin1String("tab")) {
        Widget<QLineEdit>(*form, "spanField")->setFocus();
        Widget<QLineEdit>(*form, "spanField")->end(false);
        QTest::keyClick(Widget<QLineEdit>(*form, "spanField"),
                        Qt::Key_Tab); // the shoring options are next...
        for (int i = 0; i < 20 && !Widget<QLineEdit>(*form, "slabThicknessField")->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        field = Widget<QLineEdit>(*form, "slabThicknessField");
    } else if (route == QLatin1String("workload")) {
        QTest::mouseClick(Widget<QRadioButton>(*form, "otherWorkLoadOption"), Qt::LeftButton);
        field = Widget<QLineEdit>(*form, "workLoadField");
    } else {
        DesignCase record = DefaultDesignCase();
        record.coatingCode = code::kCoatingOther;
        record.unitWeight = 150;
        form->ShowCase(record);
        field = Widget<QLineEdit>(*form, "unitWeightField");
    }
    QVERIFY(field->hasFocus());
    QCOMPARE(field->text(), selected);
    QCOMPARE(field->selectedText(), selected);
    QTest::keyClicks(field, typed);
    QCOMPARE(field->text(), typed);
}

void NumericInputs::mouseClickPlacesTheCursor() {
    auto form = MakeReadyForm();
    QTest::mouseClick(Widget<QLineEdit>(*form, "slabThicknessField"), Qt::LeftButton, {},
                      QPoint(4, 10));
    QVERIFY(Widget<QLineEdit>(*form, "slabThicknessField")->hasFocus());
    QVERIFY(!Widget<QLineEdit>(*form, "slabThicknessField")->hasSelectedText());
}

// The pre-check focuses its field while a message box has the window inactive; the field
// is selected when the window comes back.
void NumericInputs::focusGivenBehindAMessageBoxSelects() {
    auto form = MakeReadyForm();
    Widget<QPushButton>(*form, "calculateButton")->setFocus();
    QWidget box;
    box.show();
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    Widget<QLineEdit>(*form, "spanField")->setFocus();
    Widget<QLineEdit>(*form, "spanField")->setText(QStringLiteral("1000"));
    box.close();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QVERIFY(Widget<QLineEdit>(*form, "spanField")->hasFocus());
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->selectedText(), QStringLiteral("1000"));
}

void NumericInputs::returningToTheWindowKeepsTheCursor() {
    auto form = MakeReadyForm();
    QTest::mouseClick(Widget<QLineEdit>(*form, "spanField"), Qt::LeftButton, {}, QPoint(4, 10));
    Widget<QLineEdit>(*form, "spanField")->end(false);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    other.close();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QVERIFY(Widget<QLineEdit>(*form, "spanField")->hasFocus());
    QVERIFY(!Widget<QLineEdit>(*form, "spanField")->hasSelectedText());
}

void NumericInputs::workLoadField() {
    auto form = MakeReadyForm();
    QVERIFY(!Widget<QLineEdit>(*form, "workLoadField")->isEnabled());
    QCOMPARE(Widget<QLineEdit>(*form, "workLoadField")->text(), QStringLiteral("2450"));

    QTest::mouseClick(Widget<QRadioButton>(*form, "otherWorkLoadOption"), Qt::LeftButton);
    QVERIFY(Widget<QLineEdit>(*form, "workLoadField")->isEnabled());
    QVERIFY(Widget<QLineEdit>(*form, "workLoadField")->hasFocus());
    DesignCase record;
    record = form->ReadCase();
    QCOMPARE(record.workLoadValue, 2450);

    Widget<QLineEdit>(*form, "workLoadField")->selectAll();
    QTest::keyClick(Widget<QLineEdit>(*form, "workLoadField"), Qt::Key_Delete);
    Widget<QLineEdit>(*form, "workLoadField")->home(false);
    QTest::keyClicks(Widget<QLineEdit>(*form, "workLoadField"), QStringLiteral("980"));
    QCOMPARE(form->WorkLoadText(), QStringLiteral("980 ")); // four positions, one blank
    record = form->ReadCase();
    QCOMPARE(record.workLoadValue, 0);

    Widget<QLineEdit>(*form, "workLoadField")->home(false);
    QTest::keyClicks(Widget<QLineEdit>(*form, "workLoadField"), QStringLiteral("2000"));
    record = form->ReadCase();
    QCOMPARE(record.workLoadValue, 2000);

    QTest::mouseClick(Widget<QRadioButton>(*form, "standardWorkLoadOption"), Qt::LeftButton);
    QVERIFY(!Widget<QLineEdit>(*form, "workLoadField")->isEnabled());
    QCOMPARE(Widget<QLineEdit>(*form, "workLoadField")->text(),
             QStringLiteral("2000")); // kept for "その他"
    record = form->ReadCase();
    QCOMPARE(record.workLoadValue, 1470);
}

void NumericInputs::spanHint_data() {
    QTest::addColumn<bool>("valpha");
    QTest::addColumn<QString>("hint");
    QTest::newRow("PX75Vα") << true
                            << QStringLiteral(
                                   "計算可能な範囲は、PX75Vαの場合『1000～5700mm』です。");
    QTest::newRow("other decks") << false
                                 << QStringLiteral("計算可能な範囲は『1000～4900mm』です。");
}

void NumericInputs::spanHint() {
    QFETCH(bool, valpha);
    QFETCH(QString, hint);
    auto form = MakeReadyForm();
    if (valpha) {
        QTest::mouseClick(Widget<QRadioButton>(*form, "pxDeckOption"), Qt::LeftButton);
        Widget<korvane::DropDownList>(*form, "modelList")->setCurrentIndex(2);
        emit Widget<korvane::DropDownList>(*form, "modelList")->activated(2);
    }
    QTest::mouseMove(Widget<QLineEdit>(*form, "spanField"), QPoint(10, 10));
    QTest::mouseMove(Widget<QLineEdit>(*form, "spanField"), QPoint(12, 11));
    QCOMPARE(Widget<QStatusBar>(*form, "statusBar")->currentMessage(), hint);
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->toolTip(),
             QString()); // the span field pops up no tip
}

void NumericInputs::statusBarFollowsTheMouse() {
    auto form = MakeReadyForm();
    QVERIFY(
        !Widget<QStatusBar>(*form, "statusBar")->currentMessage().isEmpty()); // the initial line
    QTest::mouseMove(Widget<QPushButton>(*form, "calculateButton"), QPoint(20, 10));
    QCOMPARE(Widget<QStatusBar>(*form, "statusBar")->currentMessage(),
             QStringLiteral("左記条件で計算を行い、結果を表示します。"));
    QCOMPARE(Widget<QPushButton>(*form, "calculateButton")->toolTip(), QString());
    QTest::mouseMove(form.get(), QPoint(540, 300)); // between the input area and the buttons
    QCOMPARE(Widget<QStatusBar>(*form, "statusBar")->currentMessage(), QString());
    QTest::mouseMove(Widget<QRadioButton>(*form, "alphaClass1Option"), QPoint(5, 5));
    QCOMPARE(Widget<QStatusBar>(*form, "statusBar")->currentMessage(),
             QStringLiteral("梁がRC／SRC造の場合に設定して下さい。詳細は「HELP」を参照下さい。"));
    QCOMPARE(Widget<QRadioButton>(*form, "alphaClass1Option")->toolTip(),
             QStringLiteral("施工割増係数"));
}

KORVANE_UI_TEST_MAIN(NumericInputs)
#include "tst_numeric_inputs.moc"
