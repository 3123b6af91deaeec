#include "ui/Controls.h"

#include "core/WholeNumber.h"

#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace korvane {

UpDownArrows::UpDownArrows(QLineEdit *associate, int lower, int upper, int step,
                           QWidget *parent)
    : QWidget(parent), m_associate(associate), m_up(new QToolButton(this)),
      m_down(new QToolButton(this)), m_lower(lower), m_upper(upper), m_step(step),
      m_position(lower)
{
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setIconSize(QSize(7, 5));
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });
}

void UpDownArrows::resizeEvent(QResizeEvent *)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
}

void UpDownArrows::Step(int direction)
{
    // The field's number when it holds one, else the last position the arrows wrote.
    const std::string text = m_associate->text().toStdString();
    if (const auto value = ReadWholeNumber(text))
        m_position = std::clamp(*value, m_lower, m_upper);
    const long long next = static_cast<long long>(m_position) + direction * m_step;
    m_position = static_cast<int>(std::clamp<long long>(next, m_lower, m_upper));
    m_associate->setText(QString::number(m_position));
    emit clicked();
}

DropDownList::DropDownList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
}

void DropDownList::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

} // namespace korvane
