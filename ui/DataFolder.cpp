#include "ui/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace korvane {

QString DataFolderFor(const QString &programFolder, const QString &installedRelative) {
    const QString beside = programFolder + QStringLiteral("/load_data/");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(programFolder + QLatin1Char('/') + installedRelative) + QLatin1Char('/');
}

QString DataFolder() {
    return DataFolderFor(QCoreApplication::applicationDirPath(),
                         QStringLiteral(KORVANE_INSTALLED_LOAD_DATA));
}

} // namespace korvane
