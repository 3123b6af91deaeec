#pragma once
// Small controls that Qt lacks in the form the windows need: spin arrows bound to a text
// field that may hold any text, and a pick-only list that reports its opening.

#include <QComboBox>
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace korvane {

// Up and down arrows that step the whole number of an associated text field within bounds
// and write it back as plain digits.
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
    void clicked(); // either arrow was clicked

protected:
    void resizeEvent(QResizeEvent *event) override;

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
    void dropDown();
};

} // namespace korvane
