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

// Hands the pages of memory that the program has freed back to the system (where the C
// library keeps them for later use otherwise), so that an idle program holds only what it
// uses. Does nothing where the C library has no such call.
void ReturnFreedMemory();

} // namespace korvane
