#pragma once
// Every modal message box and modal window of the program goes through these two calls, so
// that a test can answer them without a person and see what was shown.

#include <QString>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace korvane {

// Title of the program's message boxes.
inline constexpr const char *kAppTitle = "Korvane for Win";

// Shows `text` in a modal box with one OK button, titled with the program's title unless
// another title is given.
void ShowMessage(QWidget *parent, const QString &text, const QString &title = {});

// Shows `dialog` modally and returns its result once it is done (accepted, rejected or
// closed); hiding it for a while does not end the wait.
int ExecModal(QDialog &dialog);

// The real modal run of ExecModal: shows the dialog and waits until it is done (accepted,
// rejected or closed), hidden spells included. Tests answer the windows around it.
int RunModal(QDialog &dialog);

// The message box ShowMessage shows, not yet shown; and the least width of one with that
// caption, so that the window manager's title bar shows the whole caption.
std::unique_ptr<QDialog> NewMessageBox(QWidget *parent, const QString &text, const QString &title);
int MessageBoxMinimumWidth(const QString &title);

using MessageHandler =
    std::function<void(QWidget *parent, const QString &text, const QString &title)>;
using ModalHandler = std::function<int(QDialog &dialog)>;

// Replace the handlers (tests); an empty function restores the real one. Each returns the
// handler it replaced.
MessageHandler SetMessageHandler(MessageHandler handler);
ModalHandler SetModalHandler(ModalHandler handler);

} // namespace korvane
