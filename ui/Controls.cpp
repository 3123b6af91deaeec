#include "ui/Controls.h"

#include "core/FieldArrows.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

namespace korvane {

EntryField::EntryField(QWidget *parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &EntryField::KeepSelectionOnProgramText);
}

void EntryField::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    switch (event->reason()) {
    case Qt::OtherFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        SelectWholeText();
        break;
    case Qt::ActiveWindowFocusReason:
        // Back in a window that was left with the focus here: the field stays as the user
        // left it. Focused by the program while its window was inactive (behind a message
        // box): selected.
        if (!m_focusedAtSwitch)
            SelectWholeText();
        break;
    default:
        break;
    }
}

void EntryField::focusOutEvent(QFocusEvent *event) {
    // A leave check that gave the focus back while the focus was going out has already
    // focused (and selected) the field again: this focus-out is over.
    if (hasFocus())
        return;
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        m_keepSelected = false;
    QLineEdit::focusOutEvent(event);
}

bool EntryField::event(QEvent *event) {
    // Reaches every control of a window as it is left, before the focus goes out.
    if (event->type() == QEvent::WindowDeactivate)
        m_focusedAtSwitch = window()->focusWidget() == this;
    // A window shown anew (not restored from an icon) is no return to it.
    if (event->type() == QEvent::Show && !event->spontaneous())
        m_focusedAtSwitch = false;
    return QLineEdit::event(event);
}

void EntryField::keyPressEvent(QKeyEvent *event) {
    m_keepSelected = false;
    QLineEdit::keyPressEvent(event);
}

void EntryField::mousePressEvent(QMouseEvent *event) {
    m_keepSelected = false;
    QLineEdit::mousePressEvent(event);
}

void EntryField::SelectWholeText() {
    // A masked field would otherwise put the cursor on its first blank; selected, its whole
    // mask is replaced by what is typed.
    selectAll();
    m_keepSelected = true;
}

void EntryField::KeepSelectionOnProgramText() {
    if (m_keepSelected && hasFocus())
        selectAll();
}

UpDownArrows::UpDownArrows(QLineEdit *associate, int lower, int upper, int step, QWidget *parent)
    : QWidget(parent), m_associate(associate), m_up(new QToolButton(this)),
      m_down(new QToolButton(this)), m_lower(lower), m_upper(upper), m_step(step),
      m_position(lower) {
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 5));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
    m_associate->installEventFilter(this);
}

bool UpDownArrows::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_associate && event->type() == QEvent::KeyPress && isEnabled()) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers chord = key->modifiers() & ~Qt::KeypadModifier;
        if (chord == Qt::NoModifier && key->key() == Qt::Key_Up) {
            Step(+1);
            return true;
        }
        if (chord == Qt::NoModifier && key->key() == Qt::Key_Down) {
            Step(-1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownArrows::resizeEvent(QResizeEvent *) {
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDownArrows::Step(int direction) {
    // From the field's number when it holds one, else from the last position the arrows wrote.
    m_position = ArrowStep(FieldBounds{m_lower, m_upper, m_step}, m_associate->text().toStdString(),
                           m_position, direction);
    m_associate->setText(QString::number(m_position));
    emit Clicked();
}

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent) {
    setEditable(false);
}

void DropDownList::showPopup() {
    emit DropDown();
    QComboBox::showPopup();
}

void ScrollByWheel(QScrollArea &area, int wheelDelta) {
    QScrollBar *bar = area.verticalScrollBar();
    bar->setValue(bar->value() - wheelDelta);
}

void NameObjects(std::initializer_list<std::pair<QObject *, const char *>> objects) {
    for (const auto &[object, name] : objects)
        object->setObjectName(QString::fromLatin1(name));
}

} // namespace korvane
