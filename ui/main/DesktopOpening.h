#pragma once
// Opening a design case from the desktop: a data file named on the command line (a double
// click in a file manager starts "korvane FILE.fdt") and a data file dropped onto the main
// window. Both go the way of the open command once a file is chosen.

#include <QString>

#include <optional>
#include <string>

class QMimeData;

namespace korvane {
class DesignCaseFiles;
class MainWindow;

// The data file among the program's arguments, after the application object has taken
// its own options: the first argument that is not an option, its bytes as given.
std::optional<std::string> DataFileArgument(int argc, char **argv);

// Opens the file at `path` (bytes) as the open command does. A file that cannot be read
// is shown by the general error display; the window keeps the case it shows.
void OpenDesignCaseShowingErrors(MainWindow &form, DesignCaseFiles &files, const std::string &path);

// Opens `path` once the main window has had its first filling, so that the file's case
// wins over the default case. Call after showing the main window, whose showing queues
// that first filling.
void OpenAtStart(MainWindow &form, DesignCaseFiles &files, const std::string &path);

// The one local file that a drop carries, as bytes; none for several files, for a
// folder-less URL or for anything that is not a local file.
std::optional<std::string> DroppedDataFile(const QMimeData &data);

// Lets the main window take a data file dropped onto it.
void AcceptDroppedDataFiles(MainWindow &form, DesignCaseFiles &files);

} // namespace korvane
