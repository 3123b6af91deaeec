#include "ui/deckchoice/DeckTableOutput.h"

#include "core/DeckTableText.h"
#include "sheet/print/PrintTable.h"
#include "sheet/qt/TodayDate.h"
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

QLabel *NewTableHeading(const DesignCase &record, QWidget *parent) {
    auto *heading =
        new QLabel(QString::fromStdString(TableHeadingLine(record, TodayShortDate())), parent);
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
    PrintOutcome outcome;
    {
        BusyNotice busy(parent);
        outcome = PrintTablePage(printer, table, drawBelow);
    }
    if (!outcome.printed)
        ShowGeneralError(PrintFailureText(printer, outcome.reason), parent);
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
