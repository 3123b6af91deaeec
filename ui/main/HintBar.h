#pragma once
// The application's current hint: the long part of the hint of the control under the mouse
// (a control without a hint shows that of the panel it sits on). Each change is handed to
// a handler, which the main window points at its status bar.

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace korvane {

// Long and short parts of a hint "short|long"; a hint without a bar is both.
QString LongHint(const QString &hint);
QString ShortHint(const QString &hint);

// Gives a control a hint: the long part becomes its status tip; the short part its pop-up
// tip when `withTip` is set.
void SetHint(QWidget &control, const QString &hint, bool withTip);

// The long hint that applies to a widget: its own or that of its nearest parent with one.
QString HintAt(const QWidget *widget);

class HintTracker : public QObject {
public:
    using Handler = std::function<void(const QString &longHint)>;

    // Watches every mouse move of the application while it lives.
    HintTracker(Handler handler, QObject *parent);
    ~HintTracker() override;

    const QString &Current() const { return m_current; }
    // Takes the hint of `widget` as the current one (the mouse is over it).
    void Track(const QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Change(const QString &hint);

    Handler m_handler;
    QString m_current;
};

} // namespace korvane
