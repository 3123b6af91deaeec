#pragma once
// The main window's case-file commands: a design case read from a file into the inputs, and
// the inputs' case written to one, through the dialogs and buffer of DesignCaseFiles.

#include <string>

namespace korvane {
class DesignCaseFiles;
class MainWindow;

// "データ読込": reads a chosen file into the window, with the notices of older files.
void OpenDesignCase(MainWindow &form, DesignCaseFiles &files);

// Reads the data file at `path` (bytes) into the window as "データ読込" does once a file is
// chosen: caption, notices of older files, the case, then one message listing the lines
// the file did not give and the defaults that stand in. Also the way in for a file given
// on the command line or dropped onto the main window. Throws as DesignCaseFiles::OpenDataFile.
void OpenDesignCaseFile(MainWindow &form, DesignCaseFiles &files, const std::string &path);

// "データ保存": writes the window's case in the current format to a chosen file.
void SaveDesignCase(MainWindow &form, DesignCaseFiles &files);

} // namespace korvane
