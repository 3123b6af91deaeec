#pragma once
// The data folder: "load_data/" beside the running program. It holds the help pictures
// and the summary text, which are supplied with the program.

#include <QString>

namespace korvane {

// Folder of the running executable followed by "/load_data/".
QString DataFolder();

} // namespace korvane

using korvane::DataFolder;
