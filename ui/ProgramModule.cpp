#include "ui/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <stdexcept>

namespace korvane {

namespace {

QStringList ModuleCandidates(const QString &name) {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString fileName = QStringLiteral("lib%1.so").arg(name);
    return {programFolder.filePath(fileName),
            QDir::cleanPath(
                programFolder.filePath(QStringLiteral(KORVANE_INSTALLED_MODULES "/") + fileName)),
            name};
}

} // namespace

QFunctionPointer ProgramModuleEntry(const char *name, const char *entry) {
    const QString moduleName = QString::fromLatin1(name);
    QString reason;
    for (const QString &candidate : ModuleCandidates(moduleName)) {
        // Found by path only where the file is there, so that the reason reported is the
        // one of a module that exists but does not load.
        if (candidate.contains(QLatin1Char('/')) && !QFileInfo::exists(candidate))
            continue;
        QLibrary library(candidate);
        // Every symbol resolved now: a module that does not fit the program fails here,
        // not in the middle of a window.
        library.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (library.load()) {
            if (QFunctionPointer function = library.resolve(entry))
                return function;
        }
        if (reason.isEmpty())
            reason = library.errorString();
    }
    throw std::runtime_error(QStringLiteral("プログラムの部品 %1 を読み込めません。(%2)")
                                 .arg(moduleName, reason)
                                 .toStdString());
}

} // namespace korvane
