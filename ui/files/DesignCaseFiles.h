#pragma once
// Opening and saving design cases: the open and save dialogs, the names of the files last
// opened and saved, and the line buffer through which a file is read and written. The
// holder window itself is never shown.

#include "core/DataFile.h"
#include "ui/files/FileDialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

namespace korvane {

class DesignCaseFiles : public QWidget {
    Q_OBJECT
public:
    explicit DesignCaseFiles(QWidget *parent = nullptr);

    // The window the dialogs open over (the main window); without one they belong to
    // this hidden holder.
    void SetDialogOwner(QWidget *owner) { m_owner = owner; }

    // Built on first use, so that the start-up does not wait for them.
    FileDialogOnDemand openDialog;
    FileDialogOnDemand saveDialog;
    // The lines of the file last opened or saved.
    std::vector<std::string> fileLines;

    QString lastOpenName;
    QString lastSaveName;

    // Runs the open dialog, starting in the folder of the file last opened (or saved);
    // the chosen file's full path, or an empty text when the user cancelled.
    QString ChooseFileToOpen();

    // Reads the data file at `path` (its name as bytes, whatever their encoding) into the
    // line buffer, remembers it as the file last opened and names it in the caption of
    // `captionWindow` (the main window). The file is read whole first: one that cannot be read
    // throws (FileError, ConversionError) and leaves the line buffer, the names and the caption as
    // they were, so that a later save does not propose the file that was not read.
    DataFileCase OpenDataFile(QWidget &captionWindow, const std::string &path);

    // Runs the save dialog and writes the line buffer to the chosen file. The file is
    // replaced only once the new one is complete; a failure throws FileError and
    // leaves an existing file as it was.
    void SaveDataFile();

    // The folder and name the save dialog proposes.
    QString ProposedSaveFolder() const;
    QString ProposedSaveName() const;

private:
    QFileDialog *BuildDialog(QFileDialog::AcceptMode mode);

    QPointer<QWidget> m_owner;
};

// The one message after an open that lists what the file did not give.
QString ReadingWarningsMessage(const QString &fileName, const std::vector<std::string> &warnings);

} // namespace korvane
