#include "ui/main/ProgramWindows.h"

#include "ui/files/DesignCaseFiles.h"
#include "ui/main/MainWindow.h"
#include "ui/result/ResultWindow.h"

#include "ui/help/HelpWindow.h"
#include "ui/help/SummaryWindow.h"

namespace korvane {

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows() {
    // The main window goes last: the others may point at it.
    resultWindow.reset();
    caseFiles.reset();
    help.reset();
    summary.reset();
    mainWindow.reset();
}

std::unique_ptr<ProgramWindows> CreateProgramWindows() {
    auto windows = std::make_unique<ProgramWindows>();
    windows->mainWindow = std::make_unique<MainWindow>();
    auto summary = std::make_unique<SummaryWindow>();
    windows->mainWindow->SetSummaryWindow(summary.get());
    windows->summary = std::move(summary);
    auto help = std::make_unique<HelpWindow>();
    windows->mainWindow->SetHelpWindow(help.get());
    windows->help = std::move(help);
    windows->caseFiles = std::make_unique<DesignCaseFiles>();
    windows->caseFiles->SetDialogOwner(windows->mainWindow.get());
    windows->mainWindow->SetCaseFiles(windows->caseFiles.get());
    windows->resultWindow = std::make_unique<ResultWindow>();
    windows->mainWindow->SetResultWindow(windows->resultWindow.get());
    windows->resultWindow->SetPrintSettingsWindow(windows->mainWindow->PrintSettingsWindow());
    return windows;
}

} // namespace korvane
