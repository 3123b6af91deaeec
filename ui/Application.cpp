#include "ui/Application.h"

#include "ui/Look.h"
#include "ui/MessageSeam.h"

#include <QLibraryInfo>
#include <QTranslator>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace korvane {

Application::Application(int &argc, char **argv) : QApplication(argc, argv) {
    // Only the name: a display name would be appended to every window caption.
    setApplicationName(QString::fromUtf8(kAppTitle));
    InstallWindowFonts();
    InstallJapaneseDialogs();
}

// The platform's own dialogs (print, open, save) and standard buttons speak Japanese like
// the rest of the program, whatever the system's language.
void Application::InstallJapaneseDialogs() {
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

void ReturnFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace korvane
