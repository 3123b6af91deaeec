// The desktop program: the application object, the windows in their start-up order, and the
// message loop until the main window closes. A data file named on the command line is
// opened once the main window has had its first filling.

#include "ui/Application.h"
#include "ui/GuardedRun.h"
#include "ui/main/DesktopOpening.h"
#include "ui/main/MainWindow.h"
#include "ui/main/ProgramWindows.h"

#include <QIcon>

int main(int argc, char **argv) {
    // The windows paint without OpenGL; not loading the X server's GL integration shortens
    // the start-up.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    korvane::Application app(argc, argv);
    // The icon's images, rendered from its SVG when the program was built (app/CMakeLists.txt).
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/icons/korvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    std::unique_ptr<korvane::ProgramWindows> windows;
    try {
        windows = korvane::CreateProgramWindows();
    } catch (const std::exception &error) {
        korvane::ShowGeneralError(QString::fromUtf8(error.what()));
        return 1;
    }
    korvane::AcceptDroppedDataFiles(*windows->mainWindow, *windows->caseFiles);
    windows->mainWindow->show();
    if (const auto file = korvane::DataFileArgument(argc, argv))
        korvane::OpenAtStart(*windows->mainWindow, *windows->caseFiles, *file);
    return app.exec();
}
