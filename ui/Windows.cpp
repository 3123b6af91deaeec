#include "ui/Windows.h"

#include "ui/U_krv.h"
#include "ui/UCalDisp.h"
#include "ui/Udata_IO.h"

#include "ui/U_summary.h"
#include "ui/Uhelp.h"

namespace korvane {

ProgramWindows::ProgramWindows() = default;

ProgramWindows::~ProgramWindows()
{
    // The main window goes last: the others may point at it.
    form3.reset();
    form6.reset();
    help.reset();
    summary.reset();
    form1.reset();
}

std::unique_ptr<ProgramWindows> CreateProgramWindows()
{
    auto windows = std::make_unique<ProgramWindows>();
    windows->form1 = std::make_unique<TForm1>();
    auto summary = std::make_unique<TSummary>();
    windows->form1->SetSummaryWindow(summary.get());
    windows->summary = std::move(summary);
    auto help = std::make_unique<TForm4>();
    windows->form1->SetHelpWindow(help.get());
    windows->help = std::move(help);
    windows->form6 = std::make_unique<TForm6>();
    windows->form6->SetDialogOwner(windows->form1.get());
    windows->form1->SetDataFileWindow(windows->form6.get());
    windows->form3 = std::make_unique<TForm3>();
    windows->form1->SetResultWindow(windows->form3.get());
    windows->form3->SetPrintSettingsWindow(windows->form1->Form7());
    return windows;
}

} // namespace korvane
