#pragma once
// The program's windows, created in start-up order and living until the program ends.

#include <memory>

class QWidget;

namespace korvane {
class MainWindow;
class ResultWindow;
class DesignCaseFiles;

struct ProgramWindows {
    ProgramWindows();
    ~ProgramWindows();

    std::unique_ptr<MainWindow> mainWindow;
    std::unique_ptr<QWidget> summary; // SummaryWindow, made when first asked for
    std::unique_ptr<QWidget> help;    // HelpWindow
    std::unique_ptr<DesignCaseFiles> caseFiles;
    std::unique_ptr<ResultWindow> resultWindow; // made by the first calculation
};

// Creates the main window (which runs its start-up), the help window and the data-file dialog
// holder, in that order, and links them; the main window makes the summary window when the
// user first asks for it and the result window when it first calculates.
std::unique_ptr<ProgramWindows> CreateProgramWindows();

} // namespace korvane
