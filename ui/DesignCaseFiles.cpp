#include "ui/DesignCaseFiles.h"

#include "core/DataFile.h"
#include "core/DesignCase.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "ui/FileDialogs.h"
#include "ui/MainWindow.h"
#include "ui/MessageSeam.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString ChosenFile(QFileDialog &dialog) {
    if (korvane::ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

QString FolderOf(const QString &path) {
    return QFileInfo(path).absolutePath();
}

[[noreturn]] void ThrowUnwritable(const QString &path, const QString &reason) {
    throw korvane::FileError(
        QStringLiteral("ファイル \"%1\" に書き込めません。(%2)").arg(path, reason).toStdString());
}

// Writes into a temporary file beside the target and replaces the target only once every
// byte is on disk. The buffer is flushed before the commit because a commit does not see a
// write that fails while the file is closed, and would put a cut-off file in place.
void WriteWholeFile(const QString &path, const std::string &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        ThrowUnwritable(path, file.errorString());
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        ThrowUnwritable(path, reason);
    }
    if (!file.commit())
        ThrowUnwritable(path, file.errorString());
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
    return ChosenFile(*openDialog);
}

korvane::DataFileCase DesignCaseFiles::OpenDataFile(MainWindow &form, const std::string &path) {
    korvane::DataFileCase opened = korvane::ReadDataFile(path);
    fileLines = opened.lines;
    lastOpenName = QString::fromStdString(korvane::DisplayPath(path));
    form.setWindowTitle(QStringLiteral("Korvane for Win [") + lastOpenName + QLatin1Char(']'));
    return opened;
}

QString DesignCaseFiles::ProposedSaveFolder() const {
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return last.isEmpty() ? saveDialog->directory().absolutePath() : FolderOf(last);
}

QString DesignCaseFiles::ProposedSaveName() const {
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return last.isEmpty() ? QStringLiteral("Data.fdt")
                          : korvane::WithFdtExtension(QFileInfo(last).fileName());
}

void DesignCaseFiles::SaveDataFile() {
    saveDialog->setDirectory(ProposedSaveFolder());
    saveDialog->selectFile(ProposedSaveName());
    const QString chosen = ChosenFile(*saveDialog);
    if (chosen.isEmpty())
        return;
    lastSaveName = chosen;

    WriteWholeFile(lastSaveName, korvane::DataFileBytes(fileLines));
}

namespace korvane {

void OpenDesignCase(MainWindow &form, DesignCaseFiles &files) {
    const QString chosen = files.ChooseFileToOpen();
    if (chosen.isEmpty())
        return;
    OpenDesignCaseFile(form, files, QFile::encodeName(chosen).toStdString());
}

void OpenDesignCaseFile(MainWindow &form, DesignCaseFiles &files, const std::string &path) {
    DataFileCase opened = files.OpenDataFile(form, path);
    form.OpenCase(opened.record);
    if (!opened.warnings.empty())
        ShowMessage(&form, ReadingWarningsMessage(files.lastOpenName, opened.warnings));
}

QString ReadingWarningsMessage(const QString &fileName, const std::vector<std::string> &warnings) {
    QString text = QStringLiteral("ファイル \"%1\" には読めなかった値があり、既定値で補って"
                                  "読み込みました。\n計算の前に入力値を確認して下さい。\n")
                       .arg(fileName);
    for (const std::string &warning : warnings)
        text += QStringLiteral("\n・") + QString::fromStdString(warning);
    return text;
}

void SaveDesignCase(MainWindow &form, DesignCaseFiles &files) {
    files.fileLines.clear();
    form.ReadCase().WriteLines(files.fileLines);
    files.SaveDataFile();
}

QString WithFdtExtension(const QString &fileName) {
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileName + QStringLiteral(".fdt");
    return fileName.left(dot) + QStringLiteral(".fdt");
}

} // namespace korvane
