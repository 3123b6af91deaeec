// The main window's controls: the five input bands, the command column, the usage-notice
// link and the status bar, built at their places with their looks, names and hints.

#include "ui/main/MainWindow.h"

#include "core/InputCaptions.h"
#include "core/InputHints.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/VersionTexts.h"
#include "ui/main/HintBar.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include <tuple>
#include <utility>

using namespace korvane;

namespace {

const QString kNavyField =
    QStringLiteral("QLineEdit { background: rgb(0,0,128); color: white; font-weight: bold;"
                   " border: 1px solid rgb(90,90,110); }"
                   "QLineEdit:disabled { background: rgb(0,0,128); color: rgb(150,150,170); }");

const QString kConcreteKindButtonStyle =
    QStringLiteral("QToolButton { color: rgb(0,0,128); background: rgb(212,208,200);"
                   " border: 2px outset rgb(235,235,235); }"
                   "QToolButton:checked { color: rgb(204,0,68); background: rgb(160,166,176);"
                   " border: 2px inset rgb(120,120,130); }"
                   "QToolButton:focus { border-style: dotted; border-color: rgb(0,0,128); }");

// A pick-only list in the inputs' navy with white bold text.
void PaintNavyList(QComboBox &list) {
    QPalette palette = list.palette();
    for (QPalette::ColorRole role : {QPalette::Button, QPalette::Base, QPalette::Window})
        palette.setColor(role, kOptionNavy);
    for (QPalette::ColorRole role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, kChosenCrimson);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    list.setPalette(palette);
    list.setFont(WindowFont(12, true));
}

QString Caption(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel *MakeLabel(const QString &text, QWidget *parent, const QRect &box) {
    auto *label = new QLabel(text, parent);
    label->setGeometry(box);
    return label;
}

QFrame *MakeBand(QWidget *inputArea, const QRect &box) {
    auto *band = new QFrame(inputArea);
    band->setGeometry(box);
    SetBackground(*band, kWindowGrey);
    return band;
}

QLineEdit *MakeNumberField(QWidget *parent, const QRect &box) {
    auto *field = new EntryField(parent);
    field->setGeometry(box);
    field->setStyleSheet(kNavyField);
    field->setAlignment(Qt::AlignCenter);
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    return field;
}

DropDownList *MakeList(QWidget *parent, const QRect &box) {
    auto *list = new DropDownList(parent);
    list->setGeometry(box);
    PaintNavyList(*list);
    list->setAttribute(Qt::WA_InputMethodEnabled, false);
    return list;
}

QRadioButton *MakeOption(const QString &caption, QWidget *parent, const QRect &box) {
    auto *option = new QRadioButton(caption, parent);
    option->setGeometry(box);
    option->setFont(WindowFont(12, true));
    PaintOptionCaption(*option, false);
    return option;
}

QGroupBox *MakeGroup(const QString &caption, QWidget *parent, const QRect &box) {
    auto *group = new QGroupBox(caption, parent);
    group->setGeometry(box);
    return group;
}

QPushButton *MakeButton(const QString &caption, QWidget *parent, const QRect &box) {
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(box);
    button->setFont(WindowFont(12, true));
    return button;
}

// The text the input form model starts a field with.
QString FieldText(const InputForm &inputs, InputField field) {
    return QString::fromStdString(inputs.Text(field)).trimmed();
}

// Arrows with the field's bounds and step from the input form model.
UpDownArrows *MakeArrows(QLineEdit *field, InputField role, QWidget *parent) {
    const FieldBounds bounds = BoundsOf(role);
    return new UpDownArrows(field, bounds.lower, bounds.upper, bounds.step, parent);
}

// A number field started with the input form's text, its arrows at its right and its unit
// after them, as the span, slab-thickness and other-load fields are laid out.
std::pair<QLineEdit *, UpDownArrows *> MakeArrowField(QWidget *parent, QPoint topLeft,
                                                      const InputForm &inputs, InputField role,
                                                      const QString &unit, int unitWidth) {
    const int left = topLeft.x();
    const int top = topLeft.y();
    auto *field = MakeNumberField(parent, QRect(left, top, 64, 22));
    field->setText(FieldText(inputs, role));
    auto *arrows = MakeArrows(field, role, parent);
    arrows->setGeometry(left + 64, top, 16, 22);
    MakeLabel(unit, parent, QRect(left + 86, top + 3, unitWidth, 16));
    return {field, arrows};
}

} // namespace

// Each control takes its member's name as object name, the name tests and tools find it by.
void MainWindow::NameControls() {
    NameObjects({
        {deckPanel, "deckPanel"},
        {deckFamilyGroup, "deckFamilyGroup"},
        {ridgeDeckOption, "ridgeDeckOption"},
        {pxDeckOption, "pxDeckOption"},
        {modelList, "modelList"},
        {thicknessList, "thicknessList"},
        {coatingList, "coatingList"},
        {unitWeightField, "unitWeightField"},
        {allowableSymbolLabel, "allowableSymbolLabel"},
        {allowableValueLabel, "allowableValueLabel"},
        {spanPanel, "spanPanel"},
        {spanField, "spanField"},
        {spanArrows, "spanArrows"},
        {shoringGroup, "shoringGroup"},
        {noShoringOption, "noShoringOption"},
        {shoringOneRowOption, "shoringOneRowOption"},
        {shoringTwoRowsOption, "shoringTwoRowsOption"},
        {beamPanel, "beamPanel"},
        {alphaClassGroup, "alphaClassGroup"},
        {steelBeamOption, "steelBeamOption"},
        {alphaClass1Option, "alphaClass1Option"},
        {alphaClass2Option, "alphaClass2Option"},
        {alphaClass3Option, "alphaClass3Option"},
        {concretePanel, "concretePanel"},
        {normalConcreteButton, "normalConcreteButton"},
        {lightConcrete1Button, "lightConcrete1Button"},
        {lightConcrete2Button, "lightConcrete2Button"},
        {slabThicknessField, "slabThicknessField"},
        {slabThicknessArrows, "slabThicknessArrows"},
        {loadsPanel, "loadsPanel"},
        {standardWorkLoadOption, "standardWorkLoadOption"},
        {otherWorkLoadOption, "otherWorkLoadOption"},
        {workLoadField, "workLoadField"},
        {otherLoadGroup, "otherLoadGroup"},
        {otherLoadField, "otherLoadField"},
        {otherLoadArrows, "otherLoadArrows"},
        {programNameLabel, "programNameLabel"},
        {platformLabel, "platformLabel"},
        {calculateButton, "calculateButton"},
        {openButton, "openButton"},
        {saveButton, "saveButton"},
        {endButton, "endButton"},
        {spanTableButton, "spanTableButton"},
        {comparisonButton, "comparisonButton"},
        {helpButton, "helpButton"},
        {summaryButton, "summaryButton"},
        {usageNoticeLink, "usageNoticeLink"},
        {statusBar, "statusBar"},
    });
}

void MainWindow::CreateControls() {
    CreateInputArea();
    CreateRightColumn();
    usageNoticeLink =
        MakeLabel(QStringLiteral("本プログラムのご利用について"), this, QRect(367, 427, 166, 14));
    usageNoticeLink->setFont(WindowFont(11, true));
    usageNoticeLink->setStyleSheet(
        QStringLiteral("color: rgb(0,0,128); text-decoration: underline;"));
    usageNoticeLink->setCursor(Qt::PointingHandCursor);
    usageNoticeLink->installEventFilter(this);

    statusBar = new QStatusBar(this);
    statusBar->setGeometry(0, 445, 644, 20);
    statusBar->setSizeGripEnabled(false);
    statusBar->showMessage(LegalLine());

    NameControls();
    ApplyHints();
    PaintGroupCaptions({ridgeDeckOption, pxDeckOption});
    PaintGroupCaptions({noShoringOption, shoringOneRowOption, shoringTwoRowsOption});
    PaintGroupCaptions({steelBeamOption, alphaClass1Option, alphaClass2Option, alphaClass3Option});
    PaintGroupCaptions({standardWorkLoadOption, otherWorkLoadOption});
    // Every control reports mouse moves, so that the status bar follows the mouse.
    for (QWidget *child : findChildren<QWidget *>())
        child->setMouseTracking(true);
}

void MainWindow::CreateInputArea() {
    auto *inputArea = new QFrame(this);
    inputArea->setGeometry(6, 4, 530, 420);
    SetBackground(*inputArea, kInputBlue);

    const struct {
        const char *text;
        int top;
    } titles[] = {{"デッキ種類", 66}, {"ス　パ　ン", 165},   {"支  持  梁", 223},
                  {"施工 状況", 239}, {"コンクリート", 298}, {"荷     重", 369}};
    for (const auto &title : titles) {
        QLabel *label =
            MakeLabel(QString::fromUtf8(title.text), inputArea, QRect(13, title.top, 72, 16));
        label->setFont(WindowFont(12, true));
        label->setStyleSheet(QStringLiteral("color: white;"));
    }

    deckPanel = MakeBand(inputArea, QRect(87, 11, 430, 124));
    spanPanel = MakeBand(inputArea, QRect(87, 141, 430, 60));
    beamPanel = MakeBand(inputArea, QRect(87, 206, 430, 60));
    concretePanel = MakeBand(inputArea, QRect(87, 272, 430, 65));
    loadsPanel = MakeBand(inputArea, QRect(87, 343, 430, 65));
    CreateDeckBand();
    CreateSpanBand();
    CreateBeamBand();
    CreateConcreteBand();
    CreateLoadsBand();
}

void MainWindow::CreateDeckBand() {
    deckFamilyGroup = MakeGroup(QStringLiteral("デッキ種類"), deckPanel, QRect(6, 4, 130, 66));
    ridgeDeckOption =
        MakeOption(QStringLiteral("PXリッジデッキ"), deckFamilyGroup, QRect(10, 20, 116, 20));
    pxDeckOption = MakeOption(QStringLiteral("PXデッキ"), deckFamilyGroup, QRect(10, 42, 116, 20));
    ridgeDeckOption->setChecked(true);

    auto *modelGroup = MakeGroup(QStringLiteral(" デッキ名称 "), deckPanel, QRect(142, 4, 130, 52));
    modelList = MakeList(modelGroup, QRect(10, 21, 110, 22));
    for (const std::string &model : m_inputs.ModelItems())
        modelList->addItem(QString::fromStdString(model));
    modelList->setCurrentIndex(m_inputs.ModelPosition());

    auto *thicknessGroup =
        MakeGroup(QStringLiteral(" デッキ板厚 "), deckPanel, QRect(278, 4, 146, 52));
    thicknessList = MakeList(thicknessGroup, QRect(10, 21, 84, 22));
    MakeLabel(QStringLiteral("mm"), thicknessGroup, QRect(100, 24, 30, 16));

    MakeLabel(Caption(caption::kCoatingLabel), deckPanel, QRect(146, 86, 52, 16));
    coatingList = MakeList(deckPanel, QRect(200, 83, 64, 22));
    for (const std::string &coating : InputForm::CoatingItems())
        coatingList->addItem(QString::fromStdString(coating));
    coatingList->setCurrentIndex(m_inputs.CoatingPosition());

    MakeLabel(Caption(caption::kUnitWeightLabel), deckPanel, QRect(282, 86, 52, 16));
    unitWeightField = MakeNumberField(deckPanel, QRect(336, 83, 52, 22));
    unitWeightField->setAcceptDrops(false);
    MakeLabel(QStringLiteral("N/㎡"), deckPanel, QRect(392, 86, 34, 16));

    allowableSymbolLabel = MakeLabel(QStringLiteral("ｆ"), deckPanel, QRect(16, 84, 12, 18));
    allowableSymbolLabel->setFont(WindowFont(14, true));
    allowableValueLabel =
        MakeLabel(QStringLiteral("b：235 N/ｍ㎡"), deckPanel, QRect(27, 90, 100, 16));
    allowableValueLabel->setFont(WindowFont(12, true));
    for (QLabel *label : {allowableSymbolLabel, allowableValueLabel}) {
        label->setStyleSheet(QStringLiteral("color: rgb(204,0,68);"));
        label->hide();
    }
}

void MainWindow::CreateSpanBand() {
    std::tie(spanField, spanArrows) = MakeArrowField(spanPanel, QPoint(16, 20), m_inputs,
                                                     InputField::span, QStringLiteral("mm"), 30);

    shoringGroup = MakeGroup(Caption(caption::kShoringGroup), spanPanel, QRect(142, 4, 282, 50));
    const auto &shoring = caption::kShoringOptions;
    noShoringOption = MakeOption(Caption(shoring[0]), shoringGroup, QRect(12, 22, 72, 20));
    shoringOneRowOption = MakeOption(Caption(shoring[1]), shoringGroup, QRect(96, 22, 88, 20));
    shoringTwoRowsOption = MakeOption(Caption(shoring[2]), shoringGroup, QRect(190, 22, 88, 20));
    noShoringOption->setChecked(true);
}

void MainWindow::CreateBeamBand() {
    alphaClassGroup =
        MakeGroup(Caption(caption::kAlphaClassGroup), beamPanel, QRect(6, 4, 418, 50));
    const auto &classes = caption::kAlphaClassOptions;
    steelBeamOption =
        MakeOption(Caption(classes[0].caption), alphaClassGroup, QRect(12, 22, 70, 20));
    alphaClass1Option =
        MakeOption(Caption(classes[1].caption), alphaClassGroup, QRect(96, 22, 96, 20));
    alphaClass2Option =
        MakeOption(Caption(classes[2].caption), alphaClassGroup, QRect(200, 22, 104, 20));
    alphaClass3Option =
        MakeOption(Caption(classes[3].caption), alphaClassGroup, QRect(312, 22, 100, 20));
    steelBeamOption->setChecked(true);
}

void MainWindow::CreateConcreteBand() {
    auto *kindGroup =
        MakeGroup(Caption(caption::kConcreteKindGroup), concretePanel, QRect(6, 4, 256, 56));
    m_concreteGroup = new QButtonGroup(this);
    m_concreteGroup->setExclusive(true);
    const auto &kinds = caption::kConcreteKinds;
    const std::pair<QToolButton **, std::string_view> buttons[] = {
        {&normalConcreteButton, kinds[0]},
        {&lightConcrete1Button, kinds[1]},
        {&lightConcrete2Button, kinds[2]}};
    int left = 8;
    int kind = code::kConcreteNormal;
    for (const auto &[slot, caption] : buttons) {
        auto *button = new QToolButton(kindGroup);
        button->setText(Caption(caption));
        button->setGeometry(left, 22, 78, 26);
        button->setCheckable(true);
        button->setFont(WindowFont(12, true));
        button->setStyleSheet(kConcreteKindButtonStyle);
        // Reached by Tab like the option groups; the arrows move within the group and choose,
        // Space chooses the button with the focus.
        button->setFocusPolicy(Qt::TabFocus);
        m_concreteGroup->addButton(button, kind++);
        *slot = button;
        left += 80;
    }
    normalConcreteButton->setChecked(true);

    auto *thicknessGroup =
        MakeGroup(Caption(caption::kSlabThicknessGroup), concretePanel, QRect(270, 4, 154, 56));
    std::tie(slabThicknessField, slabThicknessArrows) =
        MakeArrowField(thicknessGroup, QPoint(12, 22), m_inputs, InputField::slabThickness,
                       QStringLiteral("mm"), 30);
}

void MainWindow::CreateLoadsBand() {
    auto *workGroup = MakeGroup(Caption(caption::kWorkLoadGroup), loadsPanel, QRect(6, 4, 226, 56));
    standardWorkLoadOption =
        MakeOption(Caption(caption::kStandardWorkLoadOption), workGroup, QRect(10, 15, 100, 18));
    otherWorkLoadOption =
        MakeOption(Caption(caption::kOtherWorkLoadOption), workGroup, QRect(10, 34, 70, 18));
    standardWorkLoadOption->setChecked(true);
    workLoadField = MakeNumberField(workGroup, QRect(96, 30, 60, 22));
    workLoadField->setInputMask(QStringLiteral("####;_"));
    workLoadField->setText(FieldText(m_inputs, InputField::workLoad));
    workLoadField->setEnabled(false);
    MakeLabel(QStringLiteral("N/㎡"), workGroup, QRect(162, 33, 34, 16));

    otherLoadGroup =
        MakeGroup(Caption(caption::kOtherLoadGroup), loadsPanel, QRect(240, 4, 184, 56));
    std::tie(otherLoadField, otherLoadArrows) =
        MakeArrowField(otherLoadGroup, QPoint(12, 22), m_inputs, InputField::otherLoad,
                       QStringLiteral("N/㎡"), 34);
}

void MainWindow::CreateRightColumn() {
    for (int top : {8, 71}) {
        auto *line = new QFrame(this);
        line->setGeometry(544, top, 92, 2);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
    }
    programNameLabel = MakeLabel(QStringLiteral("Korvane"), this, QRect(549, 18, 92, 26));
    programNameLabel->setFont(TitleSerifFont(20));
    platformLabel = MakeLabel(QStringLiteral("for Win"), this, QRect(560, 44, 76, 22));
    platformLabel->setFont(TitleSerifFont(16));
    for (QLabel *title : {programNameLabel, platformLabel})
        title->setStyleSheet(QStringLiteral("color: rgb(0,0,128);"));

    auto *frame = new QFrame(this);
    frame->setGeometry(544, 100, 92, 339);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);

    calculateButton = MakeButton(QStringLiteral("計　算"), this, QRect(550, 107, 80, 28));
    openButton = MakeButton(QStringLiteral("データ読込"), this, QRect(550, 135, 80, 28));
    saveButton = MakeButton(QStringLiteral("データ保存"), this, QRect(550, 163, 80, 28));
    endButton = MakeButton(QStringLiteral("終　了"), this, QRect(550, 191, 80, 28));
    spanTableButton = MakeButton(QStringLiteral("最大スパン表"), this, QRect(550, 233, 80, 28));
    comparisonButton = MakeButton(QStringLiteral("デッキ比較"), this, QRect(550, 261, 80, 28));
    helpButton = MakeButton(QStringLiteral("HELP ON"), this, QRect(550, 346, 80, 48));
    helpButton->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    helpButton->setIconSize(QSize(20, 20));
    summaryButton = MakeButton(QStringLiteral("概　　要"), this, QRect(550, 394, 80, 28));
}

// The main window's hints from core's table by role (the browser page shows the same).
void MainWindow::ApplyHints() {
    const auto hint = [](QWidget *control, std::string_view role) {
        for (const hint::ControlHint &entry : hint::kMainWindowHints)
            if (entry.role == role) {
                SetHint(*control, Caption(entry.text), entry.withTip);
                return;
            }
    };
    hint(deckPanel, "deckBand");
    for (QWidget *family : {ridgeDeckOption, pxDeckOption})
        hint(family, "family");
    hint(modelList, "model");
    hint(thicknessList, "thickness");
    hint(coatingList, "coating");
    SetHint(*unitWeightField, QString::fromStdString(m_inputs.UnitWeightHint()), true);
    hint(spanField, "span");
    hint(spanArrows, "spanArrows");
    hint(noShoringOption, "shoringNone");
    hint(shoringOneRowOption, "shoringOneRow");
    hint(shoringTwoRowsOption, "shoringTwoRows");
    hint(beamPanel, "beamBand");
    hint(steelBeamOption, "steelBeam");
    for (QWidget *rc : {alphaClass1Option, alphaClass2Option, alphaClass3Option})
        hint(rc, "rcBeam");
    hint(concretePanel, "concreteBand");
    for (QWidget *kind : {normalConcreteButton, lightConcrete1Button, lightConcrete2Button})
        hint(kind, "concreteKind");
    for (QWidget *slab :
         {static_cast<QWidget *>(slabThicknessField), static_cast<QWidget *>(slabThicknessArrows)})
        hint(slab, "slabThickness");
    hint(loadsPanel, "loadsBand");
    hint(standardWorkLoadOption, "standardWorkLoad");
    hint(otherWorkLoadOption, "otherWorkLoad");
    hint(workLoadField, "workLoad");
    hint(otherLoadGroup, "otherLoadGroup");
    for (QWidget *other :
         {static_cast<QWidget *>(otherLoadField), static_cast<QWidget *>(otherLoadArrows)})
        hint(other, "otherLoad");
    for (QWidget *title : {programNameLabel, platformLabel})
        SetHint(*title, TitleHint(), true);
    hint(calculateButton, "calculate");
    hint(openButton, "open");
    hint(saveButton, "save");
    hint(endButton, "end");
    hint(spanTableButton, "spanTable");
    hint(comparisonButton, "comparison");
    hint(helpButton, "help");
    hint(summaryButton, "summary");
}
