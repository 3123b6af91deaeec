// The main window's command buttons that hand the case to other windows. Each runs guarded:
// a file that cannot be read or written, or a work-load entry that is not a number, is shown
// as an error and the window stays as it was.

#include "ui/main/MainWindow.h"

#include "ui/GuardedRun.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/CalculationRun.h"
#include "ui/main/CaseFileCommands.h"

namespace korvane {

void MainWindow::Calculate() {
    if (!m_result && !m_makeResult)
        return;
    korvane::RunGuarded(this, [this] {
        if (!m_result)
            m_result = m_makeResult();
        korvane::RunCalculation(*this, *m_result);
    });
}

void MainWindow::ReadData() {
    if (m_files)
        korvane::RunGuarded(this, [this] { korvane::OpenDesignCase(*this, *m_files); });
}

void MainWindow::SaveData() {
    if (m_files)
        korvane::RunGuarded(this, [this] { korvane::SaveDesignCase(*this, *m_files); });
}

} // namespace korvane
