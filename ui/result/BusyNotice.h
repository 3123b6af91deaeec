#pragma once
// The "計算中" notice: a small borderless window that stays on top while a sheet is being
// calculated or printed. It has no behaviour of its own; a new one is made for each showing.

#include <QWidget>

#include <memory>

class QFrame;

namespace korvane {

class BusyNoticeWindow : public QWidget {
    Q_OBJECT
public:
    explicit BusyNoticeWindow(QWidget *owner = nullptr);

    QFrame *panel = nullptr;
};

// While it lives: the hourglass cursor for the whole program and the notice on screen,
// painted once before the work starts. Both are undone when it ends, also when the work
// ends in an error, so that no notice or hourglass is left behind.
class BusyNotice {
public:
    explicit BusyNotice(QWidget *owner);
    ~BusyNotice();
    BusyNotice(const BusyNotice &) = delete;
    BusyNotice &operator=(const BusyNotice &) = delete;

    // Releases the notice now (it goes once pending events are handled); the cursor stays.
    void ReleaseNotice();

private:
    BusyNoticeWindow *m_notice = nullptr;
    bool m_cursorSet = false;
};

} // namespace korvane
