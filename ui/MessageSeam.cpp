#include "ui/MessageSeam.h"

#include <QDialog>
#include <QEventLoop>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

namespace korvane {

namespace {

// Room the window manager's title bar takes besides the caption's text: the window icon,
// up to three caption buttons, the frame and the caption's padding.
constexpr int kTitleBarAllowance = 120;

// Widest text line of a message box: a long list of warnings (every field of an empty file)
// wraps instead of making a box wider than the screen, which the fixed-size box could not
// be shrunk from.
constexpr int kMessageTextMaxWidth = 640;

void WrapLongLines(QLabel &label) {
    int widest = kMessageTextMaxWidth;
    if (const QScreen *screen = label.screen())
        widest = std::min(widest, screen->availableGeometry().width() * 3 / 4);
    if (label.sizeHint().width() <= widest)
        return;
    label.setWordWrap(true);
    label.setFixedWidth(widest);
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
        WrapLongLines(*label);
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
        layout->addWidget(label);
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
