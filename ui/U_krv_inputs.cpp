// The main window's handlers of the deck band and the numeric inputs.

#include "ui/U_krv.h"

#include "core/Catalogue.h"
#include "core/U_calc.h"
#include "core/WholeNumber.h"
#include "ui/Controls.h"
#include "ui/HintBar.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <charconv>

using namespace korvane;

namespace {

const QStringList kRidgeModels{QStringLiteral("PX75LA"), QStringLiteral("PX75LB"),
                               QStringLiteral("PX100L")};
const QStringList kPxModels{QStringLiteral("PX75"), QStringLiteral("PX75V"),
                            QStringLiteral("PX75Vα")};
const QStringList kRidgeThicknesses{QStringLiteral("0.7"), QStringLiteral("0.8"),
                                    QStringLiteral("1.0"), QStringLiteral("1.2"),
                                    QStringLiteral("1.4"), QStringLiteral("1.6")};
const QStringList kPxThicknesses{QStringLiteral("0.8"), QStringLiteral("1.0"),
                                 QStringLiteral("1.2"), QStringLiteral("1.4"),
                                 QStringLiteral("1.6")};

// Refills a list and chooses the entry of the same text, else the first.
void RefillKeepingText(QComboBox &list, const QStringList &items)
{
    const QString remembered = list.currentText();
    list.clear();
    list.addItems(items);
    const int found = list.findText(remembered);
    list.setCurrentIndex(found < 0 ? 0 : found);
}

// The shortest decimal text that reads back as the same number ("111", not "111.000000").
QString ShortestDecimal(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

CInputData WindowRecord(const TForm1 &form)
{
    CInputData record;
    ReadInputData(form, record);
    return record;
}

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
    for (QRadioButton *option : {RadioButton1, RadioButton2, RadioButton3})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RadioButton1Click();
        });
    for (QRadioButton *option : {RadioButton4, RadioButton5, RadioButton6, RadioButton9})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                RadioButton4Click();
        });
    for (QToolButton *kind : {SpeedButton4, SpeedButton5, SpeedButton6})
        connect(kind, &QToolButton::pressed, this, &TForm1::SpeedButton4MouseDown);
    connect(RadioButton7, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton7Click();
    });
    connect(RadioButton8, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton8Click();
    });
}

void TForm1::connectSignals()
{
    connectDeckSignals();
    connectInputSignals();
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
    FamilyChange(true);
}

void TForm1::RadioButton11Click()
{
    FamilyChange(false);
}

void TForm1::FamilyChange(bool ridge)
{
    PaintGroupCaptions({RadioButton10, RadioButton11});
    RefillKeepingText(*ComboBox2, ridge ? kRidgeModels : kPxModels);
    ComboBox2Change();
    RefillKeepingText(*ComboBox3, ridge ? kRidgeThicknesses : kPxThicknesses);
    CoatingUpdate();
    ShowHelpPage(1);
}

void TForm1::ComboBox2Change()
{
    const CInputData record = WindowRecord(*this);
    const bool allowableShown =
        record.deckFamily == code::kFamilyPx && record.deckModel == code::kModelPx75Valpha;
    Label9->setVisible(allowableShown);
    Label10->setVisible(allowableShown);
    CoatingUpdate();
}

void TForm1::ComboBox3Change()
{
    CoatingUpdate();
}

void TForm1::ComboBox7Change()
{
    CoatingUpdate();
}

void TForm1::CoatingUpdate()
{
    const CInputData record = WindowRecord(*this);
    double weight = 0;
    if (LookupDeckWeight(record, weight))
        SharedCalcResult().deckWeight = weight;
    if (record.coatingCode == code::kCoatingOther) {
        Edit99->clear();
        SetHint(*Edit99, QStringLiteral("デッキの単位重量を設定して下さい。"), true);
        Edit99->setFocus();
    } else {
        Edit99->setText(ShortestDecimal(SharedCalcResult().deckWeight));
        SetHint(*Edit99, QStringLiteral("選択されたデッキの単位重量です。"), true);
    }
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
    return WindowRecord(*this).coatingCode == code::kCoatingOther;
}

// ---- Numeric inputs ----

bool TForm1::EditKeyPress(const QString &typed)
{
    if (typed.size() != 1)
        return typed.isEmpty(); // keys that type nothing (arrows, Home) are no characters
    const QChar c = typed.front();
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QChar(8);
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
    const CInputData record = WindowRecord(*this);
    const bool valpha =
        record.deckFamily == code::kFamilyPx && record.deckModel == code::kModelPx75Valpha;
    Edit1->setStatusTip(valpha ? QStringLiteral("計算可能な範囲は、PX75Vαの場合『1000～5700mm』です。")
                               : QStringLiteral("計算可能な範囲は『1000～4900mm』です。"));
    if (m_hints)
        m_hints->Track(Edit1);
}

void TForm1::LeaveCheck(QLineEdit *field, int upperBound, const QString &notNumber,
                        const QString &restored, const QString &tooLarge)
{
    // The corrected text goes in before the focus returns, so that the control losing the
    // focus again sees a valid field.
    if (!ReadWholeNumber(field->text().toStdString())) {
        ShowMessage(this, notNumber);
        field->setText(restored);
        field->setFocus();
    }
    const auto value = ReadWholeNumber(field->text().toStdString());
    if (value && *value > upperBound) {
        ShowMessage(this, tooLarge);
        field->setText(QString::number(upperBound));
        field->setFocus();
    }
}

void TForm1::Edit1Exit()
{
    LeaveCheck(Edit1, UpDown1->Upper(), QStringLiteral("『スパン』を設定して下さい"),
               QString::number(UpDown1->Lower()),
               QStringLiteral("計算可能な『スパン』の最大値は、9900 mmです"));
}

void TForm1::Edit3Exit()
{
    LeaveCheck(Edit3, UpDown3->Upper(), QStringLiteral("『コンクリート厚』を設定して下さい"),
               QString::number(UpDown3->Lower()),
               QStringLiteral("計算可能な『コンクリート厚』の最大値は、800 mmです"));
}

void TForm1::Edit6Exit()
{
    LeaveCheck(Edit6, UpDown6->Upper(), QStringLiteral("『その他荷重』の値を設定して下さい"),
               QStringLiteral("0"),
               QStringLiteral("計算可能な『その他荷重』の最大値は、9000 N/㎡です"));
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
    PaintGroupCaptions({RadioButton7, RadioButton8});
    MaskEdit1->setEnabled(false);
    ShowHelpPage(5);
}

void TForm1::RadioButton8Click()
{
    PaintGroupCaptions({RadioButton7, RadioButton8});
    MaskEdit1->setEnabled(true);
    MaskEdit1->setFocus();
    ShowHelpPage(5);
}

QString TForm1::MaskEdit1Text() const
{
    QString text = MaskEdit1->displayText();
    text.replace(QLatin1Char('_'), QLatin1Char(' '));
    return text;
}
