#pragma once
// Small controls that Qt lacks in the form the windows need: spin arrows bound to a text
// field that may hold any text, and a pick-only list that reports its opening.

#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <initializer_list>
#include <utility>

class QScrollArea;
class QToolButton;

namespace korvane {

// A text field that selects its whole text when the program or the keyboard (Tab, Shift+Tab)
// puts the focus into it, so that what the user types next replaces the text, as the
// platform's own fields do; a mouse click places the cursor instead. A text the program
// writes into the field while it is so selected (a corrected value written after the focus)
// is selected too, until the user presses a key or the mouse in the field.
class EntryField : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryField(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void SelectWholeText();
    void KeepSelectionOnProgramText();

    bool m_keepSelected = false;    // selected by the focus, not yet touched by the user
    bool m_focusedAtSwitch = false; // held the focus when its window was left
};

// Up and down arrows that step the whole number of an associated text field within bounds
// and write it back as plain digits. The Up and Down keys in the field step it the same way.
class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    UpDownArrows(QLineEdit *associate, int lower, int upper, int step, QWidget *parent);

    int Lower() const { return m_lower; }
    int Upper() const { return m_upper; }
    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }

    QToolButton *UpButton() const { return m_up; }
    QToolButton *DownButton() const { return m_down; }

signals:
    void Clicked(); // either arrow was clicked

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Step(int direction);

    QLineEdit *m_associate;
    QToolButton *m_up;
    QToolButton *m_down;
    int m_lower;
    int m_upper;
    int m_step;
    int m_position;
};

// A pick-only drop-down list that signals when its list is opened.
class DropDownList : public QComboBox {
    Q_OBJECT
public:
    explicit DropDownList(QWidget *parent = nullptr);
    void showPopup() override;

signals:
    void DropDown();
};

// Moves a scroll area's vertical position by a wheel delta (120 a notch), nothing more: the
// result and help windows scroll their pictures so.
void ScrollByWheel(QScrollArea &area, int wheelDelta);

// Gives each control the name of its member as object name: the windows keep their controls
// private, and tests and users' tools find a control by that name.
void NameObjects(std::initializer_list<std::pair<QObject *, const char *>> objects);

} // namespace korvane
