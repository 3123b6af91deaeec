#include "ui/files/DesignCaseFiles.h"

#include "core/DataFile.h"
#include "core/DesignCase.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "ui/WindowTitle.h"
#include "ui/files/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace korvane;

namespace {

QString FolderOf(const QString &path) {
    return QFileInfo(path).absolutePath();
}

} // namespace

DesignCaseFiles::DesignCaseFiles(QWidget *parent)
    : QWidget(parent), openDialog([this] { return BuildDialog(QFileDialog::AcceptOpen); }),
      saveDialog([this] { return BuildDialog(QFileDialog::AcceptSave); }) {}

// A dialog starts in the user's home folder, over the window that owns it.
QFileDialog *DesignCaseFiles::BuildDialog(QFileDialog::AcceptMode mode) {
    QFileDialog *dialog = korvane::MakeDesignCaseDialog(m_owner ? m_owner.data() : this, mode);
    dialog->setDirectory(QDir::homePath());
    return dialog;
}

QString DesignCaseFiles::ChooseFileToOpen() {
    if (!lastOpenName.isEmpty())
        openDialog->setDirectory(FolderOf(lastOpenName));
    else if (!lastSaveName.isEmpty())
        openDialog->setDirectory(FolderOf(lastSaveName));
    return korvane::ChosenFile(*openDialog);
}

DataFileCase DesignCaseFiles::OpenDataFile(QWidget &captionWindow, const std::string &path) {
    DataFileCase opened = ReadDataFile(path);
    fileLines = opened.lines;
    lastOpenName = QString::fromStdString(DisplayPath(path));
    captionWindow.setWindowTitle(korvane::MainWindowTitleWithFile(lastOpenName));
    return opened;
}

QString DesignCaseFiles::ProposedSaveFolder() const {
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return last.isEmpty() ? saveDialog->directory().absolutePath() : FolderOf(last);
}

QString DesignCaseFiles::ProposedSaveName() const {
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return QString::fromStdString(
        korvane::ProposedSaveName(QFileInfo(last).fileName().toStdString()));
}

void DesignCaseFiles::SaveDataFile() {
    saveDialog->setDirectory(ProposedSaveFolder());
    saveDialog->selectFile(ProposedSaveName());
    const QString chosen = korvane::ChosenFile(*saveDialog);
    if (chosen.isEmpty())
        return;
    lastSaveName = chosen;

    korvane::WriteWholeFile(lastSaveName, DataFileBytes(fileLines));
}

namespace korvane {

QString ReadingWarningsMessage(const QString &fileName, const std::vector<std::string> &warnings) {
    return QString::fromStdString(ReadingWarningsText(fileName.toStdString(), warnings));
}

} // namespace korvane
