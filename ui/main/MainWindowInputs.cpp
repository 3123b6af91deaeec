// The main window's handlers of the deck band and the numeric inputs.

#include "ui/main/MainWindow.h"

#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/help/HelpTopic.h"
#include "ui/main/HintBar.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <QSignalBlocker>

using namespace korvane;

namespace {

// A focus change inside the window (not a window switch or a popup) leaves a field.
bool LeavesField(const QEvent *event) {
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsClick(const QEvent *event) {
    return event->type() == QEvent::MouseButtonRelease;
}

// Keys that move the focus between controls are never a field's own input.
bool IsFocusKey(const QKeyEvent *key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

} // namespace

void MainWindow::ConnectDeckSignals() {
    connect(ridgeDeckOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RidgeDeckChosen();
    });
    connect(pxDeckOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            PxDeckChosen();
    });
    connect(modelList, &QComboBox::activated, this, &MainWindow::ModelChanged);
    connect(thicknessList, &QComboBox::activated, this, &MainWindow::ThicknessChanged);
    connect(coatingList, &QComboBox::activated, this, &MainWindow::CoatingChanged);
    for (DropDownList *list : {modelList, thicknessList, coatingList})
        connect(list, &DropDownList::DropDown, this, &MainWindow::DeckListOpened);
    for (QLineEdit *field :
         {unitWeightField, spanField, slabThicknessField, otherLoadField, workLoadField})
        field->installEventFilter(this);
}

void MainWindow::ConnectInputSignals() {
    connect(spanArrows, &UpDownArrows::Clicked, this, &MainWindow::SpanArrowsClicked);
    connect(slabThicknessArrows, &UpDownArrows::Clicked, this,
            &MainWindow::SlabThicknessArrowsClicked);
    connect(otherLoadArrows, &UpDownArrows::Clicked, this, &MainWindow::OtherLoadArrowsClicked);
    const std::pair<QRadioButton *, int> shoring[] = {
        {noShoringOption, code::kShoringNone},
        {shoringOneRowOption, code::kShoringOneRow},
        {shoringTwoRowsOption, code::kShoringTwoRows}};
    for (const auto &[option, shoringCode] : shoring)
        connect(option, &QRadioButton::toggled, this, [this, shoringCode](bool on) {
            if (!on)
                return;
            m_inputs.ChooseShoring(shoringCode);
            ShoringChosen();
        });
    const std::pair<QRadioButton *, int> classes[] = {{steelBeamOption, code::kClassSteel},
                                                      {alphaClass1Option, code::kClass1},
                                                      {alphaClass2Option, code::kClass2},
                                                      {alphaClass3Option, code::kClass3}};
    for (const auto &[option, alphaClass] : classes)
        connect(option, &QRadioButton::toggled, this, [this, alphaClass](bool on) {
            if (!on)
                return;
            m_inputs.ChooseAlphaClass(alphaClass);
            AlphaClassChosen();
        });
    for (QToolButton *kind : {normalConcreteButton, lightConcrete1Button, lightConcrete2Button})
        connect(kind, &QToolButton::pressed, this, &MainWindow::ConcreteKindPressed);
    connect(m_concreteGroup, &QButtonGroup::idToggled, this, [this](int kind, bool on) {
        if (on && !m_refreshing)
            m_inputs.ChooseConcreteKind(kind);
    });
    connect(standardWorkLoadOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            StandardWorkLoadChosen();
    });
    connect(otherWorkLoadOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            OtherWorkLoadChosen();
    });
}

// Every text the user puts into a field (typed, pasted, stepped by the arrows) goes to the
// model; texts the model itself writes come back unchanged.
void MainWindow::ConnectFieldTexts() {
    for (const InputField field : {InputField::unitWeight, InputField::span,
                                   InputField::slabThickness, InputField::otherLoad})
        connect(FieldOf(field), &QLineEdit::textChanged, this, [this, field](const QString &text) {
            if (!m_refreshing)
                m_inputs.SetText(field, text.toStdString());
        });
    connect(workLoadField, &QLineEdit::textChanged, this, [this] {
        if (!m_refreshing)
            m_inputs.SetText(InputField::workLoad, WorkLoadText().toStdString());
    });
}

void MainWindow::ConnectSignals() {
    ConnectDeckSignals();
    ConnectInputSignals();
    ConnectFieldTexts();
    connect(calculateButton, &QPushButton::clicked, this, &MainWindow::Calculate);
    connect(openButton, &QPushButton::clicked, this, &MainWindow::ReadData);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::SaveData);
    connect(endButton, &QPushButton::clicked, this, &MainWindow::EndProgram);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::SwitchHelp);
    connect(summaryButton, &QPushButton::clicked, this, &MainWindow::ShowSummary);
    connect(spanTableButton, &QPushButton::clicked, this, &MainWindow::ShowSpanTable);
    connect(comparisonButton, &QPushButton::clicked, this, &MainWindow::ShowDeckComparison);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == usageNoticeLink && IsClick(event)) {
        ShowUsageNotice();
        return true;
    }
    if (watched == unitWeightField) {
        if (event->type() == QEvent::MouseButtonPress)
            UnitWeightPressed();
        if (event->type() == QEvent::KeyPress && !IsFocusKey(static_cast<QKeyEvent *>(event)) &&
            !UnitWeightKeyAccepted())
            return true;
        if (event->type() == QEvent::ContextMenu && !UnitWeightKeyAccepted())
            return true; // no pasting into a catalogue weight either
    }
    if (watched == spanField) {
        if (IsClick(event))
            SpanClicked();
        else if (event->type() == QEvent::MouseMove)
            SpanHovered();
        else if (LeavesField(event))
            SpanLeft();
    }
    if (watched == slabThicknessField || watched == otherLoadField) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Delete is an editing key, not a typed character; it passes like the arrows.
            if (!IsFocusKey(key) && key->key() != Qt::Key_Delete && !DigitKeyAccepted(key->text()))
                return true;
        }
        if (IsClick(event))
            watched == slabThicknessField ? SlabThicknessClicked() : OtherLoadClicked();
        else if (LeavesField(event))
            watched == slabThicknessField ? SlabThicknessLeft() : OtherLoadLeft();
    }
    if (watched == workLoadField && IsClick(event))
        WorkLoadClicked();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::PaintGroupCaptions(std::initializer_list<QRadioButton *> group) {
    for (QRadioButton *option : group)
        PaintOptionCaption(*option, option->isChecked());
}

// ---- Deck selection ----

void MainWindow::RidgeDeckChosen() {
    React(m_inputs.ChooseFamily(true));
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::PxDeckChosen() {
    React(m_inputs.ChooseFamily(false));
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::ModelChanged() {
    React(m_inputs.ChooseModel(modelList->currentIndex()));
}

void MainWindow::ThicknessChanged() {
    React(m_inputs.ChooseThickness(thicknessList->currentIndex()));
}

void MainWindow::CoatingChanged() {
    React(m_inputs.ChooseCoating(coatingList->currentIndex()));
}

void MainWindow::DeckListOpened() {
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::UnitWeightPressed() {
    ShowHelpPage(HelpTopic::kDeck);
}

bool MainWindow::UnitWeightKeyAccepted() {
    return m_inputs.UnitWeightEditable();
}

// ---- Numeric inputs ----

bool MainWindow::DigitKeyAccepted(const QString &typed) {
    if (typed.size() != 1)
        return typed.isEmpty(); // keys that type nothing (arrows, Home) are no characters
    return InputForm::AcceptsTypedCharacter(InputField::slabThickness, typed.front().unicode());
}

void MainWindow::SpanClicked() {
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::SpanArrowsClicked() {
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::SlabThicknessClicked() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::SlabThicknessArrowsClicked() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::WorkLoadClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::OtherLoadClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::OtherLoadArrowsClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::SpanHovered() {
    spanField->setStatusTip(QString::fromStdString(m_inputs.SpanHint()));
    if (m_hints)
        m_hints->Track(spanField);
}

void MainWindow::LeaveCheck(InputField field) {
    // The corrected text goes in before the focus returns, so that the control losing the
    // focus again sees a valid field.
    React(m_inputs.LeaveField(field));
}

void MainWindow::SpanLeft() {
    LeaveCheck(InputField::span);
}

void MainWindow::SlabThicknessLeft() {
    LeaveCheck(InputField::slabThickness);
}

void MainWindow::OtherLoadLeft() {
    LeaveCheck(InputField::otherLoad);
}

void MainWindow::ShoringChosen() {
    PaintGroupCaptions({noShoringOption, shoringOneRowOption, shoringTwoRowsOption});
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::AlphaClassChosen() {
    PaintGroupCaptions({steelBeamOption, alphaClass1Option, alphaClass2Option, alphaClass3Option});
    ShowHelpPage(HelpTopic::kBeamAndWork);
}

void MainWindow::ConcreteKindPressed() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::StandardWorkLoadChosen() {
    React(m_inputs.ChooseOtherWorkLoad(false));
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::OtherWorkLoadChosen() {
    React(m_inputs.ChooseOtherWorkLoad(true));
    ShowHelpPage(HelpTopic::kLoads);
    // Chosen by an arrow key, the radio button takes the focus back after it is checked;
    // the field gets it once that is done, so that the digits typed next go into it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (workLoadField->isEnabled() && otherWorkLoadOption->hasFocus())
                workLoadField->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

QString MainWindow::WorkLoadText() const {
    QString text = workLoadField->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
