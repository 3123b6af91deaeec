#pragma once
// The application object of the desktop program. An error that escapes a window's handler
// ends up here and is shown in a message box with its text (the general error display);
// the program then goes on and the windows keep their state.

#include <QApplication>

namespace korvane {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

private:
    void InstallJapaneseDialogs();
};

// Shows the text of an error that no handler caught.
void ShowGeneralError(const QString &text);

} // namespace korvane
