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

void MainWindow::connectDeckSignals() {
    connect(ridgeDeckOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            ridgeDeckChosen();
    });
    connect(pxDeckOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            pxDeckChosen();
    });
    connect(modelList, &QComboBox::activated, this, &MainWindow::modelChanged);
    connect(thicknessList, &QComboBox::activated, this, &MainWindow::thicknessChanged);
    connect(coatingList, &QComboBox::activated, this, &MainWindow::coatingChanged);
    for (DropDownList *list : {modelList, thicknessList, coatingList})
        connect(list, &DropDownList::dropDown, this, &MainWindow::deckListOpened);
    for (QLineEdit *field :
         {unitWeightField, spanField, slabThicknessField, otherLoadField, workLoadField})
        field->installEventFilter(this);
}

void MainWindow::connectInputSignals() {
    connect(spanArrows, &UpDownArrows::clicked, this, &MainWindow::spanArrowsClicked);
    connect(slabThicknessArrows, &UpDownArrows::clicked, this,
            &MainWindow::slabThicknessArrowsClicked);
    connect(otherLoadArrows, &UpDownArrows::clicked, this, &MainWindow::otherLoadArrowsClicked);
    const std::pair<QRadioButton *, int> shoring[] = {
        {noShoringOption, code::kShoringNone},
        {shoringOneRowOption, code::kShoringOneRow},
        {shoringTwoRowsOption, code::kShoringTwoRows}};
    for (const auto &[option, shoringCode] : shoring)
        connect(option, &QRadioButton::toggled, this, [this, shoringCode](bool on) {
            if (!on)
                return;
            m_inputs.ChooseShoring(shoringCode);
            shoringChosen();
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
            alphaClassChosen();
        });
    for (QToolButton *kind : {normalConcreteButton, lightConcrete1Button, lightConcrete2Button})
        connect(kind, &QToolButton::pressed, this, &MainWindow::concreteKindPressed);
    connect(m_concreteGroup, &QButtonGroup::idToggled, this, [this](int kind, bool on) {
        if (on && !m_refreshing)
            m_inputs.ChooseConcreteKind(kind);
    });
    connect(standardWorkLoadOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            standardWorkLoadChosen();
    });
    connect(otherWorkLoadOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            otherWorkLoadChosen();
    });
}

// Every text the user puts into a field (typed, pasted, stepped by the arrows) goes to the
// model; texts the model itself writes come back unchanged.
void MainWindow::connectFieldTexts() {
    for (const InputField field : {InputField::unitWeight, InputField::span,
                                   InputField::slabThickness, InputField::otherLoad})
        connect(FieldOf(field), &QLineEdit::textChanged, this, [this, field](const QString &text) {
            if (!m_refreshing)
                m_inputs.SetText(field, text.toStdString());
        });
    connect(workLoadField, &QLineEdit::textChanged, this, [this] {
        if (!m_refreshing)
            m_inputs.SetText(InputField::workLoad, workLoadText().toStdString());
    });
}

void MainWindow::connectSignals() {
    connectDeckSignals();
    connectInputSignals();
    connectFieldTexts();
    connect(calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(openButton, &QPushButton::clicked, this, &MainWindow::readData);
    connect(saveButton, &QPushButton::clicked, this, &MainWindow::saveData);
    connect(endButton, &QPushButton::clicked, this, &MainWindow::endProgram);
    connect(helpButton, &QPushButton::clicked, this, &MainWindow::switchHelp);
    connect(summaryButton, &QPushButton::clicked, this, &MainWindow::showSummary);
    connect(spanTableButton, &QPushButton::clicked, this, &MainWindow::showSpanTable);
    connect(comparisonButton, &QPushButton::clicked, this, &MainWindow::showDeckComparison);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == usageNoticeLink && IsClick(event)) {
        showUsageNotice();
        return true;
    }
    if (watched == unitWeightField) {
        if (event->type() == QEvent::MouseButtonPress)
            unitWeightPressed();
        if (event->type() == QEvent::KeyPress && !IsFocusKey(static_cast<QKeyEvent *>(event)) &&
            !unitWeightKeyAccepted())
            return true;
        if (event->type() == QEvent::ContextMenu && !unitWeightKeyAccepted())
            return true; // no pasting into a catalogue weight either
    }
    if (watched == spanField) {
        if (IsClick(event))
            spanClicked();
        else if (event->type() == QEvent::MouseMove)
            spanHovered();
        else if (LeavesField(event))
            spanLeft();
    }
    if (watched == slabThicknessField || watched == otherLoadField) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Delete is an editing key, not a typed character; it passes like the arrows.
            if (!IsFocusKey(key) && key->key() != Qt::Key_Delete && !digitKeyAccepted(key->text()))
                return true;
        }
        if (IsClick(event))
            watched == slabThicknessField ? slabThicknessClicked() : otherLoadClicked();
        else if (LeavesField(event))
            watched == slabThicknessField ? slabThicknessLeft() : otherLoadLeft();
    }
    if (watched == workLoadField && IsClick(event))
        workLoadClicked();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::PaintGroupCaptions(std::initializer_list<QRadioButton *> group) {
    for (QRadioButton *option : group)
        PaintOptionCaption(*option, option->isChecked());
}

// ---- Deck selection ----

void MainWindow::ridgeDeckChosen() {
    react(m_inputs.ChooseFamily(true));
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::pxDeckChosen() {
    react(m_inputs.ChooseFamily(false));
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::modelChanged() {
    react(m_inputs.ChooseModel(modelList->currentIndex()));
}

void MainWindow::thicknessChanged() {
    react(m_inputs.ChooseThickness(thicknessList->currentIndex()));
}

void MainWindow::coatingChanged() {
    react(m_inputs.ChooseCoating(coatingList->currentIndex()));
}

void MainWindow::deckListOpened() {
    ShowHelpPage(HelpTopic::kDeck);
}

void MainWindow::unitWeightPressed() {
    ShowHelpPage(HelpTopic::kDeck);
}

bool MainWindow::unitWeightKeyAccepted() {
    return m_inputs.UnitWeightEditable();
}

// ---- Numeric inputs ----

bool MainWindow::digitKeyAccepted(const QString &typed) {
    if (typed.size() != 1)
        return typed.isEmpty(); // keys that type nothing (arrows, Home) are no characters
    return InputForm::AcceptsTypedCharacter(InputField::slabThickness, typed.front().unicode());
}

void MainWindow::spanClicked() {
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::spanArrowsClicked() {
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::slabThicknessClicked() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::slabThicknessArrowsClicked() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::workLoadClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::otherLoadClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::otherLoadArrowsClicked() {
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::spanHovered() {
    spanField->setStatusTip(QString::fromStdString(m_inputs.SpanHint()));
    if (m_hints)
        m_hints->Track(spanField);
}

void MainWindow::LeaveCheck(InputField field) {
    // The corrected text goes in before the focus returns, so that the control losing the
    // focus again sees a valid field.
    react(m_inputs.LeaveField(field));
}

void MainWindow::spanLeft() {
    LeaveCheck(InputField::span);
}

void MainWindow::slabThicknessLeft() {
    LeaveCheck(InputField::slabThickness);
}

void MainWindow::otherLoadLeft() {
    LeaveCheck(InputField::otherLoad);
}

void MainWindow::shoringChosen() {
    PaintGroupCaptions({noShoringOption, shoringOneRowOption, shoringTwoRowsOption});
    ShowHelpPage(HelpTopic::kSpan);
}

void MainWindow::alphaClassChosen() {
    PaintGroupCaptions({steelBeamOption, alphaClass1Option, alphaClass2Option, alphaClass3Option});
    ShowHelpPage(HelpTopic::kBeamAndWork);
}

void MainWindow::concreteKindPressed() {
    ShowHelpPage(HelpTopic::kConcrete);
}

void MainWindow::standardWorkLoadChosen() {
    react(m_inputs.ChooseOtherWorkLoad(false));
    ShowHelpPage(HelpTopic::kLoads);
}

void MainWindow::otherWorkLoadChosen() {
    react(m_inputs.ChooseOtherWorkLoad(true));
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

QString MainWindow::workLoadText() const {
    QString text = workLoadField->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
