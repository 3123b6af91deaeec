// The main window's handlers of the deck band and the numeric inputs.

#include "ui/U_krv.h"

#include "ui/Controls.h"
#include "ui/HintBar.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"

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
bool LeavesField(const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

bool IsClick(const QEvent *event)
{
    return event->type() == QEvent::MouseButtonRelease;
}

// Keys that move the focus between controls are never a field's own input.
bool IsFocusKey(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

} // namespace

void TForm1::connectDeckSignals()
{
    connect(RadioButton10, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton10Click();
    });
    connect(RadioButton11, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton11Click();
    });
    connect(ComboBox2, &QComboBox::activated, this, &TForm1::ComboBox2Change);
    connect(ComboBox3, &QComboBox::activated, this, &TForm1::ComboBox3Change);
    connect(ComboBox7, &QComboBox::activated, this, &TForm1::ComboBox7Change);
    for (DropDownList *list : {ComboBox2, ComboBox3, ComboBox7})
        connect(list, &DropDownList::dropDown, this, &TForm1::ComboBox2DropDown);
    for (QLineEdit *field : {Edit99, Edit1, Edit3, Edit6, MaskEdit1})
        field->installEventFilter(this);
}

void TForm1::connectInputSignals()
{
    connect(UpDown1, &UpDownArrows::clicked, this, &TForm1::UpDown1Click);
    connect(UpDown3, &UpDownArrows::clicked, this, &TForm1::UpDown3Click);
    connect(UpDown6, &UpDownArrows::clicked, this, &TForm1::UpDown6Click);
    const std::pair<QRadioButton *, int> shoring[] = {{RadioButton1, code::kShoringNone},
                                                      {RadioButton2, code::kShoringOneRow},
                                                      {RadioButton3, code::kShoringTwoRows}};
    for (const auto &[option, shoringCode] : shoring)
        connect(option, &QRadioButton::toggled, this, [this, shoringCode](bool on) {
            if (!on)
                return;
            m_inputs.ChooseShoring(shoringCode);
            RadioButton1Click();
        });
    const std::pair<QRadioButton *, int> classes[] = {{RadioButton4, code::kClassSteel},
                                                      {RadioButton5, code::kClass1},
                                                      {RadioButton6, code::kClass2},
                                                      {RadioButton9, code::kClass3}};
    for (const auto &[option, alphaClass] : classes)
        connect(option, &QRadioButton::toggled, this, [this, alphaClass](bool on) {
            if (!on)
                return;
            m_inputs.ChooseAlphaClass(alphaClass);
            RadioButton4Click();
        });
    for (QToolButton *kind : {SpeedButton4, SpeedButton5, SpeedButton6})
        connect(kind, &QToolButton::pressed, this, &TForm1::SpeedButton4MouseDown);
    connect(m_concreteGroup, &QButtonGroup::idToggled, this, [this](int kind, bool on) {
        if (on && !m_refreshing)
            m_inputs.ChooseConcreteKind(kind);
    });
    connect(RadioButton7, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton7Click();
    });
    connect(RadioButton8, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton8Click();
    });
}

// Every text the user puts into a field (typed, pasted, stepped by the arrows) goes to the
// model; texts the model itself writes come back unchanged.
void TForm1::connectFieldTexts()
{
    for (const InputField field : {InputField::unitWeight, InputField::span,
                                   InputField::slabThickness, InputField::otherLoad})
        connect(FieldOf(field), &QLineEdit::textChanged, this, [this, field](const QString &text) {
            if (!m_refreshing)
                m_inputs.SetText(field, text.toStdString());
        });
    connect(MaskEdit1, &QLineEdit::textChanged, this, [this] {
        if (!m_refreshing)
            m_inputs.SetText(InputField::workLoad, MaskEdit1Text().toStdString());
    });
}

void TForm1::connectSignals()
{
    connectDeckSignals();
    connectInputSignals();
    connectFieldTexts();
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label13 && IsClick(event)) {
        Label13Click();
        return true;
    }
    if (watched == Edit99) {
        if (event->type() == QEvent::MouseButtonPress)
            Edit99MouseDown();
        if (event->type() == QEvent::KeyPress &&
            !IsFocusKey(static_cast<QKeyEvent *>(event)) && !Edit99KeyAccepted())
            return true;
        if (event->type() == QEvent::ContextMenu && !Edit99KeyAccepted())
            return true; // no pasting into a catalogue weight either
    }
    if (watched == Edit1) {
        if (IsClick(event))
            Edit1Click();
        else if (event->type() == QEvent::MouseMove)
            Edit1MouseMove();
        else if (LeavesField(event))
            Edit1Exit();
    }
    if (watched == Edit3 || watched == Edit6) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            // Delete is an editing key, not a typed character; it passes like the arrows.
            if (!IsFocusKey(key) && key->key() != Qt::Key_Delete && !EditKeyPress(key->text()))
                return true;
        }
        if (IsClick(event))
            watched == Edit3 ? Edit3Click() : Edit6Click();
        else if (LeavesField(event))
            watched == Edit3 ? Edit3Exit() : Edit6Exit();
    }
    if (watched == MaskEdit1 && IsClick(event))
        MaskEdit1Click();
    return QWidget::eventFilter(watched, event);
}

void TForm1::PaintGroupCaptions(std::initializer_list<QRadioButton *> group)
{
    for (QRadioButton *option : group)
        PaintOptionCaption(*option, option->isChecked());
}

// ---- Deck selection ----

void TForm1::RadioButton10Click()
{
    react(m_inputs.ChooseFamily(true));
    ShowHelpPage(1);
}

void TForm1::RadioButton11Click()
{
    react(m_inputs.ChooseFamily(false));
    ShowHelpPage(1);
}

void TForm1::ComboBox2Change()
{
    react(m_inputs.ChooseModel(ComboBox2->currentIndex()));
}

void TForm1::ComboBox3Change()
{
    react(m_inputs.ChooseThickness(ComboBox3->currentIndex()));
}

void TForm1::ComboBox7Change()
{
    react(m_inputs.ChooseCoating(ComboBox7->currentIndex()));
}

void TForm1::ComboBox2DropDown()
{
    ShowHelpPage(1);
}

void TForm1::Edit99MouseDown()
{
    ShowHelpPage(1);
}

bool TForm1::Edit99KeyAccepted()
{
    return m_inputs.UnitWeightEditable();
}

// ---- Numeric inputs ----

bool TForm1::EditKeyPress(const QString &typed)
{
    if (typed.size() != 1)
        return typed.isEmpty(); // keys that type nothing (arrows, Home) are no characters
    return InputForm::AcceptsTypedCharacter(InputField::slabThickness, typed.front().unicode());
}

void TForm1::Edit1Click()
{
    ShowHelpPage(2);
}

void TForm1::UpDown1Click()
{
    ShowHelpPage(2);
}

void TForm1::Edit3Click()
{
    ShowHelpPage(4);
}

void TForm1::UpDown3Click()
{
    ShowHelpPage(4);
}

void TForm1::MaskEdit1Click()
{
    ShowHelpPage(5);
}

void TForm1::Edit6Click()
{
    ShowHelpPage(5);
}

void TForm1::UpDown6Click()
{
    ShowHelpPage(5);
}

void TForm1::Edit1MouseMove()
{
    Edit1->setStatusTip(QString::fromStdString(m_inputs.SpanHint()));
    if (m_hints)
        m_hints->Track(Edit1);
}

void TForm1::LeaveCheck(InputField field)
{
    // The corrected text goes in before the focus returns, so that the control losing the
    // focus again sees a valid field.
    react(m_inputs.LeaveField(field));
}

void TForm1::Edit1Exit()
{
    LeaveCheck(InputField::span);
}

void TForm1::Edit3Exit()
{
    LeaveCheck(InputField::slabThickness);
}

void TForm1::Edit6Exit()
{
    LeaveCheck(InputField::otherLoad);
}

void TForm1::RadioButton1Click()
{
    PaintGroupCaptions({RadioButton1, RadioButton2, RadioButton3});
    ShowHelpPage(2);
}

void TForm1::RadioButton4Click()
{
    PaintGroupCaptions({RadioButton4, RadioButton5, RadioButton6, RadioButton9});
    ShowHelpPage(3);
}

void TForm1::SpeedButton4MouseDown()
{
    ShowHelpPage(4);
}

void TForm1::RadioButton7Click()
{
    react(m_inputs.ChooseOtherWorkLoad(false));
    ShowHelpPage(5);
}

void TForm1::RadioButton8Click()
{
    react(m_inputs.ChooseOtherWorkLoad(true));
    ShowHelpPage(5);
}

QString TForm1::MaskEdit1Text() const
{
    QString text = MaskEdit1->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
