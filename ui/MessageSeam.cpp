#include "ui/MessageSeam.h"

#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

#include <memory>
#include <utility>

namespace korvane {

namespace {

// Room the window manager's title bar takes besides the caption's text: the window icon,
// up to three caption buttons, the frame and the caption's padding.
constexpr int kTitleBarAllowance = 120;

// Room the box takes besides its text: margins, the OK button, the window frame and title.
constexpr int kBoxWidthAllowance = 2 * 24 + 40;
constexpr int kBoxHeightAllowance = 18 + 16 + 12 + 40 + 60;

// The largest text the box can show on the screen it opens on.
QSize RoomForText(const QWidget *parent) {
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {4096, 4096};
    const QSize available = screen->availableGeometry().size();
    return {std::max(200, available.width() - kBoxWidthAllowance),
            std::max(100, available.height() - kBoxHeightAllowance)};
}

// The text as it is where it fits; wider than the screen it wraps to the screen's width (a
// long line of a list breaks, the lines stay), and taller than the screen it scrolls.
QWidget *FittedText(QLabel *label, const QSize &room) {
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString &line : label->text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest <= room.width() && label->sizeHint().height() <= room.height())
        return label;
    label->setWordWrap(true);
    const int width = std::min(widest, room.width());
    label->setFixedWidth(width);
    const int height = label->heightForWidth(width);
    if (height <= room.height())
        return label;
    auto *scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("messageScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidget(label);
    scroller->setFixedSize(width + scroller->verticalScrollBar()->sizeHint().width(),
                           room.height());
    return scroller;
}

// A plain message box: the text, one OK button centred below it, and a width that shows
// the whole caption in the title bar however short the text is.
class MessageBoxWindow : public QDialog {
public:
    MessageBoxWindow(QWidget *parent, const QString &text, const QString &title)
        : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
        setWindowTitle(title);
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        const QSize room = RoomForText(parent);
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        ok->setMinimumWidth(80);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);

        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addStretch();
        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 18, 24, 12);
        layout->setSpacing(16);
        layout->addWidget(FittedText(label, room));
        layout->addLayout(buttons);
        layout->addStrut(MessageBoxMinimumWidth(title));
        layout->setSizeConstraint(QLayout::SetFixedSize);
        ok->setFocus();
    }
};

} // namespace

// Unlike QDialog::exec, hiding the dialog for a while does not end the wait, so a window
// that steps aside for another modal window (the result window while the print settings
// are open) is still waited for, and still modal, when it comes back.
int RunModal(QDialog &dialog) {
    const QPointer<QDialog> guard(&dialog);
    int result = QDialog::Rejected;
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, [&](int code) {
        result = code;
        loop.quit();
    });
    QObject::connect(&dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    const bool wasShowModal = dialog.testAttribute(Qt::WA_ShowModal);
    dialog.setAttribute(Qt::WA_ShowModal, true);
    dialog.setResult(0);
    dialog.show();
    loop.exec(QEventLoop::DialogExec);
    if (guard && !guard->isVisible())
        guard->setAttribute(Qt::WA_ShowModal, wasShowModal);
    return result;
}

namespace {

void RealMessage(QWidget *parent, const QString &text, const QString &title) {
    MessageBoxWindow box(parent, text, title);
    RunModal(box);
}

MessageHandler &CurrentMessageHandler() {
    static MessageHandler handler;
    return handler;
}

ModalHandler &CurrentModalHandler() {
    static ModalHandler handler;
    return handler;
}

} // namespace

std::unique_ptr<QDialog> NewMessageBox(QWidget *parent, const QString &text, const QString &title) {
    return std::make_unique<MessageBoxWindow>(parent, text, title);
}

int MessageBoxMinimumWidth(const QString &title) {
    QFont captionFont;
    captionFont.setBold(true);
    return QFontMetrics(captionFont).horizontalAdvance(title) + kTitleBarAllowance;
}

void ShowMessage(QWidget *parent, const QString &text, const QString &title) {
    const QString caption = title.isEmpty() ? QString::fromUtf8(kAppTitle) : title;
    if (const MessageHandler &handler = CurrentMessageHandler())
        handler(parent, text, caption);
    else
        RealMessage(parent, text, caption);
}

int ExecModal(QDialog &dialog) {
    if (const ModalHandler &handler = CurrentModalHandler())
        return handler(dialog);
    return RunModal(dialog);
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    return std::exchange(CurrentMessageHandler(), std::move(handler));
}

ModalHandler SetModalHandler(ModalHandler handler) {
    return std::exchange(CurrentModalHandler(), std::move(handler));
}

} // namespace korvane
