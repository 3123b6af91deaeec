#include "ui/Udata_IO.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/Inputdata.h"
#include "ui/FileDialogs.h"
#include "ui/MessageSeam.h"
#include "ui/U_krv.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

QString ChosenFile(QFileDialog &dialog)
{
    if (korvane::ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

QString FolderOf(const QString &path) { return QFileInfo(path).absolutePath(); }

[[noreturn]] void ThrowUnwritable(const QString &path, const QString &reason)
{
    throw korvane::FileError(
        QStringLiteral("ファイル \"%1\" に書き込めません。(%2)").arg(path, reason).toStdString());
}

// Writes into a temporary file beside the target and replaces the target only once every
// byte is on disk. The buffer is flushed before the commit because a commit does not see a
// write that fails while the file is closed, and would put a cut-off file in place.
void WriteWholeFile(const QString &path, const std::string &bytes)
{
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

TForm6::TForm6(QWidget *parent)
    : QWidget(parent), OpenDialog1([this] { return BuildDialog(QFileDialog::AcceptOpen); }),
      SaveDialog1([this] { return BuildDialog(QFileDialog::AcceptSave); })
{
}

// A dialog starts in the user's home folder, over the window that owns it.
QFileDialog *TForm6::BuildDialog(QFileDialog::AcceptMode mode)
{
    QFileDialog *dialog = korvane::MakeDesignCaseDialog(m_owner ? m_owner.data() : this, mode);
    dialog->setDirectory(QDir::homePath());
    return dialog;
}

QString TForm6::ChooseFileToOpen()
{
    if (!lastOpenName.isEmpty())
        OpenDialog1->setDirectory(FolderOf(lastOpenName));
    else if (!lastSaveName.isEmpty())
        OpenDialog1->setDirectory(FolderOf(lastSaveName));
    return ChosenFile(*OpenDialog1);
}

korvane::DataFileCase TForm6::OpenDataFile(TForm1 &form, const std::string &path)
{
    korvane::DataFileCase opened = korvane::ReadDataFile(path);
    Memo1 = opened.lines;
    lastOpenName = QString::fromStdString(korvane::DisplayPath(path));
    form.setWindowTitle(QStringLiteral("Korvane for Win [") + lastOpenName + QLatin1Char(']'));
    return opened;
}

QString TForm6::ProposedSaveFolder() const
{
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return last.isEmpty() ? SaveDialog1->directory().absolutePath() : FolderOf(last);
}

QString TForm6::ProposedSaveName() const
{
    const QString &last = !lastSaveName.isEmpty() ? lastSaveName : lastOpenName;
    return last.isEmpty() ? QStringLiteral("Data.fdt")
                          : korvane::WithFdtExtension(QFileInfo(last).fileName());
}

void TForm6::SaveDataFile()
{
    SaveDialog1->setDirectory(ProposedSaveFolder());
    SaveDialog1->selectFile(ProposedSaveName());
    const QString chosen = ChosenFile(*SaveDialog1);
    if (chosen.isEmpty())
        return;
    lastSaveName = chosen;

    WriteWholeFile(lastSaveName, korvane::DataFileBytes(Memo1));
}

namespace korvane {

void OpenDesignCase(TForm1 &form, TForm6 &files)
{
    const QString chosen = files.ChooseFileToOpen();
    if (chosen.isEmpty())
        return;
    OpenDesignCaseFile(form, files, QFile::encodeName(chosen).toStdString());
}

void OpenDesignCaseFile(TForm1 &form, TForm6 &files, const std::string &path)
{
    DataFileCase opened = files.OpenDataFile(form, path);
    form.OpenCase(opened.record);
    if (!opened.warnings.empty())
        ShowMessage(&form, ReadingWarningsMessage(files.lastOpenName, opened.warnings));
}

QString ReadingWarningsMessage(const QString &fileName, const std::vector<std::string> &warnings)
{
    QString text = QStringLiteral("ファイル \"%1\" には読めなかった値があり、既定値で補って"
                                  "読み込みました。\n計算の前に入力値を確認して下さい。\n")
                       .arg(fileName);
    for (const std::string &warning : warnings)
        text += QStringLiteral("\n・") + QString::fromStdString(warning);
    return text;
}

void SaveDesignCase(TForm1 &form, TForm6 &files)
{
    files.Memo1.clear();
    form.ReadCase().WriteLines(files.Memo1);
    files.SaveDataFile();
}

QString WithFdtExtension(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return fileName + QStringLiteral(".fdt");
    return fileName.left(dot) + QStringLiteral(".fdt");
}

} // namespace korvane
