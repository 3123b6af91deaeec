#include "ui/deckchoice/DeckTableOutput.h"

#include "sheet/print/PrintTable.h"
#include "ui/GuardedRun.h"
#include "ui/files/FileDialogs.h"
#include "ui/result/BusyNotice.h"
#include "ui/result/PrinterChoice.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>

#include <memory>

namespace korvane {

namespace {

// The folder the CSV dialog opens in: where the last CSV file of this run went, or home.
QString &CsvFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

} // namespace

QLabel *NewTableHeading(const PrintedTable &page, QWidget *parent) {
    QString text = page.dateText;
    if (!page.projectTitle.isEmpty())
        text = QStringLiteral("物件名：") + page.projectTitle + QStringLiteral("　　") + text;
    auto *heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("tableHeading"));
    heading->setTextFormat(Qt::PlainText);
    return heading;
}

void PrintTable(QWidget *parent, const PrintedTable &table, const DrawBelowTable &drawBelow) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    if (!ChoosePrinter(printer, parent))
        return;
    bool printed = false;
    {
        BusyNotice busy(parent);
        printed = PrintTablePage(printer, table, drawBelow);
    }
    if (!printed)
        ShowGeneralError(PrintFailureText(printer), parent);
}

void ExportCsv(QWidget *parent, const QString &proposedName, const std::string &text) {
    const std::unique_ptr<QFileDialog> dialog(
        MakeFileDialog(parent, QFileDialog::AcceptSave, {QStringLiteral("CSV ファイル (*.csv)")},
                       QStringLiteral("csv")));
    dialog->setWindowTitle(QStringLiteral("CSV出力"));
    dialog->setDirectory(CsvFolder());
    dialog->selectFile(proposedName);
    const QString chosen = ChosenFile(*dialog);
    if (chosen.isEmpty())
        return;
    WriteWholeFile(chosen, text);
    CsvFolder() = QFileInfo(chosen).absolutePath();
}

} // namespace korvane
