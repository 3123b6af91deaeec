#pragma once
// The titles of the program's windows, all from the one application title.

#include "ui/MessageSeam.h"

#include <QString>

namespace korvane {

// "Korvane for Win [ 最大スパン表 ]": the application title, then the window's name.
inline QString WindowTitleOf(const QString &name) {
    return QString::fromUtf8(kAppTitle) + QStringLiteral(" [ ") + name + QStringLiteral(" ]");
}

// "Korvane for Win [C:\...\case.fdt]": the main window with the file it last opened.
inline QString MainWindowTitleWithFile(const QString &fileName) {
    return QString::fromUtf8(kAppTitle) + QStringLiteral(" [") + fileName + QLatin1Char(']');
}

} // namespace korvane
