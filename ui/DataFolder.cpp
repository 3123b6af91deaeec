#include "ui/DataFolder.h"

#include <QCoreApplication>

namespace korvane {

QString DataFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/load_data/");
}

} // namespace korvane
