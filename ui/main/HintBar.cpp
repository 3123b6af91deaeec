#include "ui/main/HintBar.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace korvane {

QString LongHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

QString ShortHint(const QString &hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

void SetHint(QWidget &control, const QString &hint, bool withTip) {
    control.setStatusTip(LongHint(hint));
    control.setToolTip(withTip ? ShortHint(hint) : QString());
}

QString HintAt(const QWidget *widget) {
    for (; widget; widget = widget->parentWidget()) {
        if (!widget->statusTip().isEmpty())
            return widget->statusTip();
        if (widget->isWindow())
            break;
    }
    return {};
}

HintTracker::HintTracker(Handler handler, QObject *parent)
    : QObject(parent), m_handler(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
}

HintTracker::~HintTracker() {
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void HintTracker::Track(const QWidget *widget) {
    Change(HintAt(widget));
}

bool HintTracker::eventFilter(QObject *watched, QEvent *event) {
    if (!watched->isWidgetType())
        return false;
    const auto *widget = static_cast<const QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseMove: {
        // A move that a control ignores goes on to its parents: take the deepest control
        // under the mouse, whoever sees the event.
        const QWidget *top = widget->window();
        const QPoint global = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        const QWidget *under = top->childAt(top->mapFromGlobal(global));
        Track(under ? under : top);
        break;
    }
    case QEvent::Leave:
        if (widget->isWindow())
            Change(QString());
        break;
    default:
        break;
    }
    return false;
}

void HintTracker::Change(const QString &hint) {
    if (hint == m_current)
        return;
    m_current = hint;
    if (m_handler)
        m_handler(m_current);
}

} // namespace korvane
