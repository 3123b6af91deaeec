#pragma once
// The printer a page goes to: the print dialog by default; tests replace it so that a page
// goes to a PDF file without a person. Shared by every window that prints.

#include <QString>

#include <functional>
#include <string>

class QPrinter;
class QWidget;

namespace korvane {

// Sets up `printer` as the user chooses it; false when the user cancelled.
using PrinterChoice = std::function<bool(QPrinter &printer, QWidget *parent)>;

bool ChoosePrinter(QPrinter &printer, QWidget *parent);

// Replaces the choice (an empty one restores the print dialog); returns the one replaced.
PrinterChoice SetPrinterChoice(PrinterChoice choice);

// What the user is told when the printer could not take the page, with the reason where it is
// known ("ディスクがいっぱいです", as every failed file write names it).
QString PrintFailureText(const QPrinter &printer, const std::string &reason = {});

} // namespace korvane
