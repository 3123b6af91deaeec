#include "ui/Application.h"

#include "ui/Look.h"
#include "ui/MessageSeam.h"

#include <QLibraryInfo>
#include <QTranslator>

#include <exception>

namespace korvane {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // Only the name: a display name would be appended to every window caption.
    setApplicationName(QString::fromUtf8(kAppTitle));
    InstallWindowFonts();
    InstallJapaneseDialogs();
}

// The platform's own dialogs (print, open, save) and standard buttons speak Japanese like
// the rest of the program, whatever the system's language.
void Application::InstallJapaneseDialogs()
{
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ja"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        ShowGeneralError(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowGeneralError(QStringLiteral("不明なエラーが発生しました。"));
    }
    return false;
}

void ShowGeneralError(const QString &text)
{
    ShowMessage(QApplication::activeWindow(), text);
}

} // namespace korvane
