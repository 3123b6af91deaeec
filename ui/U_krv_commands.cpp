// The main window's command buttons that hand the case to other windows. Each runs guarded:
// a file that cannot be read or written, or a work-load entry that is not a number, is shown
// as an error and the window stays as it was.

#include "ui/U_krv.h"

#include "ui/CalculationRun.h"
#include "ui/GuardedRun.h"
#include "ui/Udata_IO.h"

void TForm1::BitBtn1Click() {
    if (m_result)
        korvane::RunGuarded(this, [this] { korvane::RunCalculation(*this, *m_result); });
}

void TForm1::BitBtn3Click() {
    if (m_files)
        korvane::RunGuarded(this, [this] { korvane::OpenDesignCase(*this, *m_files); });
}

void TForm1::BitBtn4Click() {
    if (m_files)
        korvane::RunGuarded(this, [this] { korvane::SaveDesignCase(*this, *m_files); });
}
