#pragma once
// The application object of the desktop program: its name, the window fonts and the
// platform dialogs in Japanese. Errors of the windows' handlers never reach it: each handler
// that can fail runs in RunGuarded (ui/GuardedRun.h), which shows them.

#include <QApplication>

namespace korvane {

class Application : public QApplication {
public:
    Application(int &argc, char **argv);

private:
    void InstallJapaneseDialogs();
};

} // namespace korvane
