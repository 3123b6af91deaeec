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
    // The summary window is made when the user first asks for it; it centres itself on the
    // screen as it did when it was made at start-up.
    windows->mainWindow->SetSummaryWindowMaker([owner = windows.get()] {
        auto summary = std::make_unique<SummaryWindow>();
        SummaryWindow *made = summary.get();
        owner->summary = std::move(summary);
        return made;
    });
    auto help = std::make_unique<HelpWindow>();
    windows->mainWindow->SetHelpWindow(help.get());
    windows->help = std::move(help);
    windows->caseFiles = std::make_unique<DesignCaseFiles>();
    windows->caseFiles->SetDialogOwner(windows->mainWindow.get());
    windows->mainWindow->SetCaseFiles(windows->caseFiles.get());
    // The result window is made by the first calculation: it places itself on the screen as
    // it did when it was made at start-up, and lives until the program ends like the others.
    windows->mainWindow->SetResultWindowMaker([owner = windows.get()] {
        owner->resultWindow = std::make_unique<ResultWindow>();
        owner->resultWindow->SetPrintSettingsWindow(owner->mainWindow->PrintSettingsWindow());
        return owner->resultWindow.get();
    });
    return windows;
}

} // namespace korvane
