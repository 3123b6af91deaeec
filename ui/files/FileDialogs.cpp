#include "ui/files/FileDialogs.h"

#include "core/Errors.h"
#include "core/FileWriting.h"
#include "ui/MessageSeam.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDateTime>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QSplitter>
#include <QTreeView>

namespace korvane {

namespace {

const QStringList kDesignCaseFilters = {QStringLiteral("データファイル(*.fdt)"),
                                        QStringLiteral("全てのファイル(*.*)")};

// The columns of the file list, as the file system model numbers them.
enum Column { kName = 0, kSize = 1, kType = 2, kModified = 3 };

// The file list's size, type and date in Japanese: Qt's own texts of these columns follow
// neither the dialog's translation nor a Japanese date order.
class JapaneseFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex &index, int role) const override {
        const auto *files = qobject_cast<const QFileSystemModel *>(sourceModel());
        if (!files || role != Qt::DisplayRole || index.column() == kName)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == kSize)
            return files->isDir(source) ? QString() : SizeText(files->size(source));
        if (index.column() == kModified) {
            const QDateTime modified = files->lastModified(source);
            return modified.isValid() ? modified.toString(QStringLiteral("yyyy/MM/dd HH:mm"))
                                      : QString();
        }
        return TypeText(files->fileInfo(source));
    }

private:
    static QString SizeText(qint64 bytes) {
        if (bytes < 1024)
            return QStringLiteral("%1 バイト").arg(bytes);
        const char *const units[] = {"KB", "MB", "GB", "TB"};
        double value = double(bytes) / 1024;
        int unit = 0;
        for (; value >= 1024 && unit < 3; ++unit)
            value /= 1024;
        return QStringLiteral("%1 %2").arg(value, 0, 'f', 1).arg(QLatin1String(units[unit]));
    }

    static QString TypeText(const QFileInfo &file) {
        if (file.isDir())
            return QStringLiteral("フォルダー");
        const QString suffix = file.suffix();
        return suffix.isEmpty() ? QStringLiteral("ファイル") : suffix + QStringLiteral(" ファイル");
    }
};

// Widths that show a whole date, a type and a size beside a name.
void SizeColumns(QFileDialog &dialog) {
    auto *list = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!list)
        return;
    const QFontMetrics metrics(list->font());
    const int padding = 3 * metrics.averageCharWidth() + 8;
    QHeaderView *header = list->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    header->resizeSection(kSize,
                          metrics.horizontalAdvance(QStringLiteral("999.9 バイト")) + padding);
    header->resizeSection(kType, metrics.horizontalAdvance(QStringLiteral("フォルダー")) + padding);
    header->resizeSection(kModified,
                          metrics.horizontalAdvance(QStringLiteral("2026/12/31 23:59")) + padding);
}

// The list of places beside the files, wide enough for a folder's name.
void SizePlaces(QFileDialog &dialog) {
    if (auto *split = dialog.findChild<QSplitter *>(QStringLiteral("splitter")))
        split->setSizes({170, dialog.width() - 170});
}

// A completion list still open when the dialog closes would stay on the screen and take
// the user's next click.
void CloseCompletionLists(QFileDialog &dialog) {
    for (QCompleter *completer : dialog.findChildren<QCompleter *>()) {
        if (QAbstractItemView *list = completer->popup(); list && list->isVisible())
            list->hide();
    }
}

} // namespace

QFileDialog *MakeDesignCaseDialog(QWidget *owner, QFileDialog::AcceptMode mode) {
    return MakeFileDialog(owner, mode, kDesignCaseFilters, QStringLiteral("fdt"));
}

QFileDialog *MakeFileDialog(QWidget *owner, QFileDialog::AcceptMode mode,
                            const QStringList &filters, const QString &defaultSuffix) {
    auto *dialog = new QFileDialog(owner);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setNameFilters(filters);
    dialog->setSizeGripEnabled(true);
    if (mode == QFileDialog::AcceptOpen) {
        dialog->setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(defaultSuffix);
    }
    dialog->setProxyModel(new JapaneseFileColumns(dialog));
    dialog->setViewMode(QFileDialog::Detail);
    dialog->resize(760, 460);
    SizeColumns(*dialog);
    SizePlaces(*dialog);
    QObject::connect(dialog, &QDialog::finished, dialog,
                     [dialog] { CloseCompletionLists(*dialog); });
    return dialog;
}

QString ChosenFile(QFileDialog &dialog) {
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

// The temporary file is named after the target (NAME.korvane-part), so that one left by a
// program killed before the rename is taken over by the next save of the same file.
void WriteWholeFile(const QString &path, const std::string &bytes) {
    ReplaceFileContents(QFile::encodeName(path).toStdString(), bytes);
}

QFileDialog *FileDialogOnDemand::Get() const {
    if (!m_dialog)
        m_dialog = m_build();
    return m_dialog;
}

} // namespace korvane
