#include "ui/MessageSeam.h"

#include <QDialog>
#include <QMessageBox>

#include <utility>

namespace korvane {

namespace {

void RealMessage(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

MessageHandler &CurrentMessageHandler()
{
    static MessageHandler handler;
    return handler;
}

ModalHandler &CurrentModalHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

void ShowMessage(QWidget *parent, const QString &text, const QString &title)
{
    const QString caption = title.isEmpty() ? QString::fromUtf8(kAppTitle) : title;
    if (const MessageHandler &handler = CurrentMessageHandler())
        handler(parent, text, caption);
    else
        RealMessage(parent, text, caption);
}

int ExecModal(QDialog &dialog)
{
    if (const ModalHandler &handler = CurrentModalHandler())
        return handler(dialog);
    return dialog.exec();
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    return std::exchange(CurrentMessageHandler(), std::move(handler));
}

ModalHandler SetModalHandler(ModalHandler handler)
{
    return std::exchange(CurrentModalHandler(), std::move(handler));
}

} // namespace korvane
