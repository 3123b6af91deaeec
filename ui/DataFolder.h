#pragma once
// The data folder: it holds the help pictures and the summary text, which are supplied
// with the program. In the build tree it is "load_data/" beside the running program; an
// installed program finds it under the shared data folder (share/korvane/load_data/).

#include <QString>

namespace korvane {

// The data folder of the running program, ending in "/".
QString DataFolder();

// The data folder for a program in `programFolder`: "load_data/" beside it when that
// folder exists, else the installed place, given relative to the program's folder.
QString DataFolderFor(const QString &programFolder, const QString &installedRelative);

} // namespace korvane

using korvane::DataFolder;
