#include "ui/result/PrinterChoice.h"

#include "ui/MessageSeam.h"

#include <QPrintDialog>
#include <QPrinter>

#include <utility>

namespace korvane {

namespace {

bool ChoosePrinterWithDialog(QPrinter &printer, QWidget *parent) {
    QPrintDialog dialog(&printer, parent);
    return ExecModal(dialog) == QDialog::Accepted;
}

PrinterChoice &CurrentPrinterChoice() {
    static PrinterChoice choice = ChoosePrinterWithDialog;
    return choice;
}

} // namespace

bool ChoosePrinter(QPrinter &printer, QWidget *parent) {
    return CurrentPrinterChoice()(printer, parent);
}

PrinterChoice SetPrinterChoice(PrinterChoice choice) {
    if (!choice)
        choice = ChoosePrinterWithDialog;
    return std::exchange(CurrentPrinterChoice(), std::move(choice));
}

QString PrintFailureText(const QPrinter &printer, const std::string &reason) {
    const QString where = printer.outputFileName().isEmpty()
                              ? QStringLiteral("プリンタ \"%1\"").arg(printer.printerName())
                              : QStringLiteral("ファイル \"%1\"").arg(printer.outputFileName());
    QString text = QStringLiteral("%1 に印刷できませんでした。").arg(where);
    if (!reason.empty())
        text += QStringLiteral("(%1)").arg(QString::fromStdString(reason));
    return text;
}

} // namespace korvane
