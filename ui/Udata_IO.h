#pragma once
// Opening and saving design cases: the open and save dialogs, the names of the files last
// opened and saved, and the line buffer through which a file is read and written. The
// holder window itself is never shown.

#include "ui/FileDialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class TForm1;

class TForm6 : public QWidget {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    // The window the dialogs open over (the main window); without one they belong to
    // this hidden holder.
    void SetDialogOwner(QWidget *owner) { m_owner = owner; }

    // Built on first use, so that the start-up does not wait for them.
    korvane::FileDialogOnDemand OpenDialog1;
    korvane::FileDialogOnDemand SaveDialog1;
    // The lines of the file last opened or saved.
    std::vector<std::string> Memo1;

    QString lastOpenName;
    QString lastSaveName;

    // Runs the open dialog and loads the chosen file into the line buffer; 0 when a file
    // was loaded, 1 when the user cancelled. The main window's caption names the file.
    // A file that cannot be read throws korvane::FileError.
    int OpenDataFile(TForm1 &form);

    // Runs the save dialog and writes the line buffer to the chosen file. The file is
    // replaced only once the new one is complete; a failure throws korvane::FileError and
    // leaves an existing file as it was.
    void SaveDataFile();

    // The folder and name the save dialog proposes.
    QString ProposedSaveFolder() const;
    QString ProposedSaveName() const;

private:
    QFileDialog *BuildDialog(QFileDialog::AcceptMode mode);

    QPointer<QWidget> m_owner;
};

namespace korvane {

// "データ読込": reads a chosen file into the window, with the notices of older files.
void OpenDesignCase(TForm1 &form, TForm6 &files);

// "データ保存": writes the window's case in the current format to a chosen file.
void SaveDesignCase(TForm1 &form, TForm6 &files);

// The file name with the part after its last "." replaced by "fdt", or ".fdt" appended.
QString WithFdtExtension(const QString &fileName);

} // namespace korvane
