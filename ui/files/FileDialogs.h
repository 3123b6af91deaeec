#pragma once
// The open and save dialogs of design cases: built on first use (building one loads icon
// themes, which would slow the start-up), centred over the window that owns them, wide
// enough for their name, size, type and date columns, in Japanese throughout, and leaving
// no completion pop-up behind when they close.

#include <QFileDialog>
#include <QPointer>

#include <functional>
#include <string>

namespace korvane {

// A dialog of the data files, with the filters of design cases.
QFileDialog *MakeDesignCaseDialog(QWidget *owner, QFileDialog::AcceptMode mode);

// A dialog of files with the given filters; a save dialog adds the suffix to a bare name
// and asks before it replaces a file.
QFileDialog *MakeFileDialog(QWidget *owner, QFileDialog::AcceptMode mode,
                            const QStringList &filters, const QString &defaultSuffix);

// Runs the dialog modally (through the modal seam, so tests answer it); the chosen file's
// full path, or an empty text when the user cancelled.
QString ChosenFile(QFileDialog &dialog);

// Writes the bytes to `path` through a temporary file beside it, which replaces the file
// only once every byte is on disk. Throws FileError (the message names the file and why)
// and leaves an existing file as it was when the file cannot be written.
void WriteWholeFile(const QString &path, const std::string &bytes);

// Holds a file dialog that is built the first time it is used.
class FileDialogOnDemand {
public:
    using Builder = std::function<QFileDialog *()>;
    explicit FileDialogOnDemand(Builder build) : m_build(std::move(build)) {}

    QFileDialog *Get() const;
    bool IsBuilt() const { return !m_dialog.isNull(); }

    QFileDialog *operator->() const { return Get(); }
    QFileDialog &operator*() const { return *Get(); }

private:
    Builder m_build;
    mutable QPointer<QFileDialog> m_dialog;
};

} // namespace korvane
