// Record to window and window to record: codes the window does not know, the work-load
// field, the print settings and round trips.

#include "UiTestSupport.h"

#include "core/Calculation.h"
#include "core/Catalogue.h"
#include "core/PrintSettings.h"
#include "ui/Controls.h"
#include "ui/result/PrintSettingsDialog.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

using namespace korvane;
using namespace korvane::testing;

Q_DECLARE_METATYPE(korvane::DesignCase)

namespace {

DesignCase Record(std::initializer_list<std::pair<const char *, int>> fields) {
    DesignCase record;
    for (const auto &[name, value] : fields) {
        const std::string field = name;
        if (field == "family")
            record.deckFamily = value;
        else if (field == "model")
            record.deckModel = value;
        else if (field == "thickness")
            record.thicknessCode = value;
        else if (field == "coating")
            record.coatingCode = value;
        else if (field == "weight")
            record.unitWeight = value;
        else if (field == "span")
            record.spanLength = value;
        else if (field == "shoring")
            record.shoringCode = value;
        else if (field == "alpha")
            record.alphaClass = value;
        else if (field == "kind")
            record.concreteKind = value;
        else if (field == "slab")
            record.slabThickness = value;
        else if (field == "work")
            record.workLoadValue = value;
        else if (field == "other")
            record.otherLoadValue = value;
        else if (field == "page")
            record.pageNumberPos = value;
        else
            qFatal("unknown field %s", name);
    }
    return record;
}

DesignCase ReadBack(const MainWindow &form) {
    DesignCase record;
    record = form.ReadCase();
    return record;
}

} // namespace

class WindowTransfers : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;

private slots:
    void roundTrip_data();
    void roundTrip();
    void unknownCodesShowFirstOption_data();
    void unknownCodesShowFirstOption();
    void savedWeightReplacesCatalogueWeight();
    void noChoiceReadsItsDefault();
    void unreadableTextsReadTheirDefaults();
    void printSettings_data();
    void printSettings();
    void oldFormatNotice();
};

void WindowTransfers::roundTrip_data() {
    QTest::addColumn<DesignCase>("record");
    QTest::newRow("defaults with catalogue weight") << Record({{"weight", 111}});
    QTest::newRow("PX75Vα 1.6 Y18, two shores, class III, light 2") << Record({{"family", 0},
                                                                               {"model", 2},
                                                                               {"thickness", 4},
                                                                               {"coating", 2},
                                                                               {"weight", 0},
                                                                               {"span", 5700},
                                                                               {"shoring", 3},
                                                                               {"alpha", 9},
                                                                               {"kind", 6},
                                                                               {"slab", 200},
                                                                               {"work", 2000},
                                                                               {"other", 500},
                                                                               {"page", 21}});
    QTest::newRow("ridge PX100L 1.0 with own weight") << Record({{"family", 1},
                                                                 {"model", 2},
                                                                 {"thickness", 1},
                                                                 {"coating", 4},
                                                                 {"weight", 150},
                                                                 {"shoring", 2},
                                                                 {"alpha", 5},
                                                                 {"kind", 5},
                                                                 {"page", 10}});
    QTest::newRow("negative and zero numbers pass unchanged")
        << Record({{"weight", -3}, {"span", -5}, {"slab", 0}, {"work", -100}, {"other", 0}});
}

void WindowTransfers::roundTrip() {
    QFETCH(DesignCase, record);
    record.projectTitle = "第二倉庫増築";
    record.pageText = "P-7";
    auto form = MakeReadyForm();
    form->ShowCase(record);
    QCOMPARE(ReadBack(*form), record);
}

void WindowTransfers::unknownCodesShowFirstOption_data() {
    QTest::addColumn<DesignCase>("record");
    QTest::addColumn<DesignCase>("readBack");

    DesignCase expected = Record({{"family", 0}, {"model", 0}, {"thickness", 0}});
    expected.unitWeight = 111;
    QTest::newRow("thickness 0.7 with PXデッキ shows 0.8")
        << Record({{"family", 0}, {"thickness", 5}, {"weight", 111}}) << expected;
    QTest::newRow("PX100 shows PX75")
        << Record({{"family", 0}, {"model", 3}, {"thickness", 1}, {"weight", 111}})
        << Record({{"family", 0}, {"thickness", 1}, {"weight", 111}});
    QTest::newRow("family 7 is the ridge deck")
        << Record({{"family", 7}, {"weight", 111}}) << Record({{"weight", 111}});
    QTest::newRow("codes outside every table") << Record({{"model", 9},
                                                          {"thickness", 9},
                                                          {"weight", 111},
                                                          {"shoring", 7},
                                                          {"alpha", 7},
                                                          {"kind", 9}})
                                               << Record({{"thickness", 5}, {"weight", 111}});
    QTest::newRow("no coating reads as Z12")
        << Record({{"coating", -1}, {"weight", 111}}) << Record({{"weight", 111}});
    QTest::newRow("class 8 is Ｓ造")
        << Record({{"alpha", 8}, {"weight", 111}}) << Record({{"weight", 111}});
}

void WindowTransfers::unknownCodesShowFirstOption() {
    QFETCH(DesignCase, record);
    QFETCH(DesignCase, readBack);
    auto form = MakeReadyForm();
    form->ShowCase(record);
    QCOMPARE(ReadBack(*form), readBack);
    if (record.coatingCode == -1)
        QCOMPARE(Widget<korvane::DropDownList>(*form, "coatingList")->currentIndex(),
                 -1); // shown with no coating chosen
    if (record.shoringCode == 7)
        QVERIFY(Widget<QRadioButton>(*form, "noShoringOption")->isChecked() &&
                Widget<QRadioButton>(*form, "steelBeamOption")->isChecked() &&
                Widget<QToolButton>(*form, "normalConcreteButton")->isChecked());
}

void WindowTransfers::savedWeightReplacesCatalogueWeight() {
    auto form = MakeReadyForm();
    form->ShowCase(Record({{"weight", 150}}));
    QCOMPARE(Widget<QLineEdit>(*form, "unitWeightField")->text(), QStringLiteral("150"));
    double catalogue = 0;
    QVERIFY(LookupDeckWeight(ReadBack(*form), catalogue)); // the calculation keeps the catalogue's
    QCOMPARE(CalculateCase(ReadBack(*form)).calculation.deckWeight, catalogue);
    QCOMPARE(catalogue, 111.0);
}

void WindowTransfers::noChoiceReadsItsDefault() {
    auto form = MakeReadyForm();
    Widget<korvane::DropDownList>(*form, "thicknessList")->setCurrentIndex(-1);
    QCOMPARE(ReadBack(*form).thicknessCode, 5);
    QTest::mouseClick(Widget<QRadioButton>(*form, "pxDeckOption"), Qt::LeftButton);
    Widget<korvane::DropDownList>(*form, "thicknessList")->setCurrentIndex(-1);
    Widget<korvane::DropDownList>(*form, "modelList")->setCurrentIndex(-1);
    Widget<korvane::DropDownList>(*form, "coatingList")->setCurrentIndex(-1);
    const DesignCase record = ReadBack(*form);
    QCOMPARE(record.thicknessCode, 0);
    QCOMPARE(record.deckModel, 0);
    QCOMPARE(record.coatingCode, 0);
    QCOMPARE(record.versionText, std::string("korvane 3.6"));
}

void WindowTransfers::unreadableTextsReadTheirDefaults() {
    auto form = MakeReadyForm();
    Widget<QLineEdit>(*form, "spanField")->setText(QStringLiteral("abc"));
    Widget<QLineEdit>(*form, "slabThicknessField")->setText(QString());
    Widget<QLineEdit>(*form, "otherLoadField")->setText(QStringLiteral("1 0"));
    Widget<QLineEdit>(*form, "unitWeightField")->setText(QStringLiteral("12.5"));
    Widget<QLineEdit>(*form, "spanField")->setText(QStringLiteral("abc"));
    const DesignCase record = ReadBack(*form);
    QCOMPARE(record.spanLength, 2500);
    QCOMPARE(record.slabThickness, 0);
    QCOMPARE(record.otherLoadValue, 0);
    QCOMPARE(record.unitWeight, 0);
}

void WindowTransfers::printSettings_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("option"); // index of the checked option
    QTest::addColumn<bool>("pageTextEnabled");
    QTest::addColumn<int>("stored");
    QTest::newRow("none") << 0 << 0 << false << 0;
    QTest::newRow("bottom centre") << 21 << 5 << true << 21;
    QTest::newRow("top left") << 10 << 1 << true << 10;
    QTest::newRow("unknown code") << 99 << 0 << false << 0;
}

void WindowTransfers::printSettings() {
    QFETCH(int, position);
    QFETCH(int, option);
    QFETCH(bool, pageTextEnabled);
    QFETCH(int, stored);
    auto form = MakeReadyForm();
    form->PrintSettingsWindow()->Settings().pageNumberPos =
        12; // a position chosen before opening the case
    DesignCase record = Record({{"page", position}});
    record.projectTitle = "事務所棟";
    record.pageText = "－３－";
    form->ShowCase(record);

    PrintSettingsDialog *settings = form->PrintSettingsWindow();
    QVERIFY(settings->PositionOptions()[option]->isChecked());
    QCOMPARE(Widget<QLineEdit>(*settings, "pageTextField")->isEnabled(), pageTextEnabled);
    QCOMPARE(Widget<QLineEdit>(*settings, "titleField")->text(), QStringLiteral("事務所棟"));
    QCOMPARE(Widget<QLineEdit>(*settings, "pageTextField")->text(), QStringLiteral("－３－"));
    QCOMPARE(settings->Settings().pageNumberPos, stored);
    QCOMPARE(settings->Settings().projectTitle, std::string("事務所棟"));
    QCOMPARE(settings->Settings().pageText, std::string("－３－"));
    QCOMPARE(ReadBack(*form).pageNumberPos, stored);
}

void WindowTransfers::oldFormatNotice() {
    auto form = MakeReadyForm();
    MessageRecorder messages;
    DesignCase record = Record({{"family", 0}, {"model", 1}, {"thickness", 2}});
    record.versionText = "PX75V"; // a headerless file of the oldest format
    form->ShowCase(record);
    QCOMPARE(messages.texts,
             QStringList{QStringLiteral(
                 "デッキの断面形状改良により、以前と重量が異なります。\nご了解下さい。")});
    QCOMPARE(messages.titles, QStringList{QStringLiteral("確認")});

    record.versionText = "korvane 3.6";
    messages.texts.clear();
    form->ShowCase(record);
    QVERIFY(messages.texts.isEmpty());
}

KORVANE_UI_TEST_MAIN(WindowTransfers)
#include "tst_window_transfers.moc"
