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
    std::unique_ptr<QWidget> summary; // SummaryWindow
    std::unique_ptr<QWidget> help;    // HelpWindow
    std::unique_ptr<DesignCaseFiles> caseFiles;
    std::unique_ptr<ResultWindow> resultWindow;
};

// Creates the main window (which runs its start-up), the summary window, the help window,
// the data-file dialog holder and the result window, in that order, and links them.
std::unique_ptr<ProgramWindows> CreateProgramWindows();

} // namespace korvane
