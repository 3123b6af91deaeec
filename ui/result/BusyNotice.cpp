#include "ui/result/BusyNotice.h"

#include "ui/Look.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

using namespace korvane;

namespace {

constexpr int kNoticeWidth = 192;
constexpr int kNoticeHeight = 73;

} // namespace

BusyNoticeWindow::BusyNoticeWindow(QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setFixedSize(kNoticeWidth, kNoticeHeight);
    setCursor(Qt::WaitCursor);
    korvane::SetBackground(*this, kWindowGrey);

    panel = new QFrame(this);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    auto *caption = new QLabel(QStringLiteral("　計算中 ・・・"), panel);
    caption->setAlignment(Qt::AlignCenter);
    caption->setFont(korvane::WindowFont(16, true));
    QPalette palette = caption->palette();
    palette.setColor(QPalette::WindowText, kChosenCrimson);
    caption->setPalette(palette);
    auto *panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(caption);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

namespace korvane {

BusyNotice::BusyNotice(QWidget *owner) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_cursorSet = true;
    m_notice = new BusyNoticeWindow(owner);
    m_notice->setAttribute(Qt::WA_DeleteOnClose);
    m_notice->show();
    QCoreApplication::processEvents();
}

BusyNotice::~BusyNotice() {
    ReleaseNotice();
    if (m_cursorSet)
        QGuiApplication::restoreOverrideCursor();
}

void BusyNotice::ReleaseNotice() {
    if (!m_notice)
        return;
    m_notice->hide();
    m_notice->deleteLater();
    m_notice = nullptr;
}

} // namespace korvane
