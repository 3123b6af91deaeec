// The deck band: family, model, thickness and coating lists and the unit weight field.

#include "UiTestSupport.h"

#include "core/Calculation.h"
#include "core/Catalogue.h"
#include "ui/Controls.h"
#include "ui/Look.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace korvane;
using namespace korvane::testing;

namespace {

// Chooses a list entry as a click on it in the opened list does.
void ChooseEntry(QComboBox *list, const QString &text) {
    const int target = list->findText(text);
    QVERIFY2(target >= 0, qPrintable(text));
    list->setCurrentIndex(target);
    emit list->activated(target);
}

// Chooses a list entry on the closed list with the arrow keys.
void StepToEntry(QComboBox *list, const QString &text) {
    const int target = list->findText(text);
    QVERIFY2(target >= 0, qPrintable(text));
    list->setFocus();
    while (list->currentIndex() < target)
        QTest::keyClick(list, Qt::Key_Down);
    while (list->currentIndex() > target)
        QTest::keyClick(list, Qt::Key_Up);
}

QStringList Items(const QComboBox *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

} // namespace

class DeckSelection : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;

private slots:
    void beforeFirstFilling();
    void afterStart();
    void familyChange_data();
    void familyChange();
    void allowableLabel_data();
    void allowableLabel();
    void otherCoatingTakesTypedWeight();
    void catalogueCoatingDiscardsKeys_data();
    void catalogueCoatingDiscardsKeys();
};

void DeckSelection::beforeFirstFilling() {
    SplashMilliseconds() = 0;
    ModalRecorder notices;
    MainWindow form;
    QCOMPARE(Items(Widget<korvane::DropDownList>(form, "modelList")),
             QStringList({"PX75LA", "PX75LB"}));
    QCOMPARE(Widget<korvane::DropDownList>(form, "thicknessList")->count(), 0);
    QCOMPARE(Widget<korvane::DropDownList>(form, "thicknessList")->currentIndex(), -1);
    QCOMPARE(Widget<QLineEdit>(form, "unitWeightField")->text(), QString());
    QCOMPARE(Widget<QLineEdit>(form, "unitWeightField")->toolTip(),
             QStringLiteral("選択デッキの重量です"));
    QVERIFY(Widget<QLabel>(form, "allowableSymbolLabel")->isHidden());
}

void DeckSelection::afterStart() {
    auto form = MakeReadyForm();
    QVERIFY(Widget<QRadioButton>(*form, "ridgeDeckOption")->isChecked());
    QCOMPARE(Items(Widget<korvane::DropDownList>(*form, "modelList")),
             QStringList({"PX75LA", "PX75LB", "PX100L"}));
    QCOMPARE(Items(Widget<korvane::DropDownList>(*form, "thicknessList")),
             QStringList({"0.7", "0.8", "1.0", "1.2", "1.4", "1.6"}));
    QCOMPARE(Widget<korvane::DropDownList>(*form, "modelList")->currentText(),
             QStringLiteral("PX75LA"));
    QCOMPARE(Widget<korvane::DropDownList>(*form, "thicknessList")->currentText(),
             QStringLiteral("0.7"));
    QCOMPARE(Widget<korvane::DropDownList>(*form, "coatingList")->currentText(),
             QStringLiteral("Z12"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QStringLiteral("111"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->toolTip(),
             QStringLiteral("選択されたデッキの単位重量です。"));
    QVERIFY(Widget<QLabel>(*form, "allowableSymbolLabel")->isHidden() &&
            Widget<QLabel>(*form, "allowableValueLabel")->isHidden());
}

void DeckSelection::familyChange_data() {
    QTest::addColumn<QString>("thicknessBefore");
    QTest::addColumn<bool>("toPxDeck");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("thickness");

    QTest::newRow("0.7 is not offered by PXデッキ: first thickness") << "0.7" << true << "PX75"
                                                                     << "0.8";
    QTest::newRow("1.2 survives the change to PXデッキ") << "1.2" << true << "PX75"
                                                         << "1.2";
    QTest::newRow("1.6 survives the change back to PXリッジデッキ") << "1.6" << false << "PX75LA"
                                                                    << "1.6";
}

void DeckSelection::familyChange() {
    QFETCH(QString, thicknessBefore);
    QFETCH(bool, toPxDeck);
    QFETCH(QString, model);
    QFETCH(QString, thickness);

    auto form = MakeReadyForm();
    if (!toPxDeck)
        QTest::mouseClick(Widget<QRadioButton>(*form, "pxDeckOption"), Qt::LeftButton);
    ChooseEntry(Widget<korvane::DropDownList>(*form, "thicknessList"), thicknessBefore);
    ChooseEntry(Widget<korvane::DropDownList>(*form, "coatingList"), QStringLiteral("Z27"));
    QRadioButton *target = toPxDeck ? Widget<QRadioButton>(*form, "pxDeckOption")
                                    : Widget<QRadioButton>(*form, "ridgeDeckOption");
    QTest::mouseClick(target, Qt::LeftButton);

    QVERIFY(target->isChecked());
    QCOMPARE(Widget<korvane::DropDownList>(*form, "modelList")->currentText(), model);
    QCOMPARE(Widget<korvane::DropDownList>(*form, "thicknessList")->currentText(), thickness);
    QCOMPARE(Widget<korvane::DropDownList>(*form, "coatingList")->currentText(),
             QStringLiteral("Z27")); // untouched
    DesignCase record;
    record = form->ReadCase();
    double catalogue = 0;
    QVERIFY(LookupDeckWeight(record, catalogue));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QString::number(catalogue));
    QCOMPARE(target->palette().color(QPalette::WindowText), kChosenCrimson);
    QRadioButton *other = toPxDeck ? Widget<QRadioButton>(*form, "ridgeDeckOption")
                                   : Widget<QRadioButton>(*form, "pxDeckOption");
    QCOMPARE(other->palette().color(QPalette::WindowText), kOptionNavy);
}

void DeckSelection::allowableLabel_data() {
    QTest::addColumn<bool>("pxDeck");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("shown");
    QTest::newRow("PX75Vα") << true << "PX75Vα" << true;
    QTest::newRow("PX75") << true << "PX75" << false;
    QTest::newRow("PX75V") << true << "PX75V" << false;
    QTest::newRow("PX75LB") << false << "PX75LB" << false;
}

void DeckSelection::allowableLabel() {
    QFETCH(bool, pxDeck);
    QFETCH(QString, model);
    QFETCH(bool, shown);
    auto form = MakeReadyForm();
    if (pxDeck) {
        QTest::mouseClick(Widget<QRadioButton>(*form, "pxDeckOption"), Qt::LeftButton);
        QCOMPARE(Widget<korvane::DropDownList>(*form, "modelList")->currentText(),
                 QStringLiteral("PX75"));
        QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QStringLiteral("124"));
    }
    StepToEntry(Widget<korvane::DropDownList>(*form, "modelList"), model);
    QCOMPARE(Widget<QLabel>(*form, "allowableSymbolLabel")->isVisible(), shown);
    QCOMPARE(Widget<QLabel>(*form, "allowableValueLabel")->isVisible(), shown);
    if (shown) { // leaving the family hides it again
        QTest::mouseClick(Widget<QRadioButton>(*form, "ridgeDeckOption"), Qt::LeftButton);
        QVERIFY(!Widget<QLabel>(*form, "allowableSymbolLabel")->isVisible());
    }
}

void DeckSelection::otherCoatingTakesTypedWeight() {
    auto form = MakeReadyForm();
    ChooseEntry(Widget<korvane::DropDownList>(*form, "coatingList"), QStringLiteral("他"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QString());
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->toolTip(),
             QStringLiteral("デッキの単位重量を設定して下さい。"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->statusTip(),
             QStringLiteral("デッキの単位重量を設定して下さい。"));
    QVERIFY(Widget<QLineEdit>(*form, "unitWeightField")->hasFocus());

    QTest::keyClicks(Widget<QLineEdit>(*form, "unitWeightField"), QStringLiteral("150"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QStringLiteral("150"));
    DesignCase record;
    record = form->ReadCase();
    QCOMPARE(record.coatingCode, 4);
    QCOMPARE(record.unitWeight, 150);

    ChooseEntry(Widget<korvane::DropDownList>(*form, "thicknessList"), QStringLiteral("1.0"));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(),
             QString()); // the typed weight goes with any change

    ChooseEntry(Widget<korvane::DropDownList>(*form, "coatingList"), QStringLiteral("Z27"));
    record = form->ReadCase();
    double catalogue = 0;
    QVERIFY(LookupDeckWeight(record, catalogue));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QString::number(catalogue));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->toolTip(),
             QStringLiteral("選択されたデッキの単位重量です。"));
}

void DeckSelection::catalogueCoatingDiscardsKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("digit") << int(Qt::Key_5) << int(Qt::NoModifier);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier);
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
}

void DeckSelection::catalogueCoatingDiscardsKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto form = MakeReadyForm();
    Widget<QLineEdit>(*form, "unitWeightField")->setFocus();
    Widget<QLineEdit>(*form, "unitWeightField")->selectAll();
    QTest::keyClick(Widget<QLineEdit>(*form, "unitWeightField"), Qt::Key_End);
    QTest::keyClick(Widget<QLineEdit>(*form, "unitWeightField"), Qt::Key(key),
                    Qt::KeyboardModifiers(modifiers));
    QTest::keyClick(Widget<QLineEdit>(*form, "unitWeightField"), Qt::Key_Home);
    QTest::keyClick(Widget<QLineEdit>(*form, "unitWeightField"), Qt::Key_Delete);
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QStringLiteral("111"));
}

KORVANE_UI_TEST_MAIN(DeckSelection)
#include "tst_deck_selection.moc"
