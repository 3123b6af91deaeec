#pragma once
// The general error display and the guard every window handler that can fail runs in. An
// error is caught where the handler runs and shown in a message box with its text; no error
// crosses Qt's event loop, and the program goes on with its windows as the error left them.

#include <QString>

#include <functional>

class QWidget;

namespace korvane {

// Shows the text of an error in a message box with the program's title, over `parent` or,
// without one, over the active window.
void ShowGeneralError(const QString &text, QWidget *parent = nullptr);

// Runs `handler`. An error it raises is shown with ShowGeneralError over `parent` (running
// out of memory in words of its own); the return value says whether it ran without error.
bool RunGuarded(QWidget *parent, const std::function<void()> &handler);

// The text shown when a handler runs out of memory.
QString OutOfMemoryText();

} // namespace korvane
