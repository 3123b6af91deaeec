// The main window's command buttons that hand the case to other windows.

#include "ui/U_krv.h"

#include "ui/CalculationRun.h"
#include "ui/Udata_IO.h"

void TForm1::BitBtn1Click()
{
    if (m_result)
        korvane::RunCalculation(*this, *m_result);
}

void TForm1::BitBtn3Click()
{
    if (m_files)
        korvane::OpenDesignCase(*this, *m_files);
}

void TForm1::BitBtn4Click()
{
    if (m_files)
        korvane::SaveDesignCase(*this, *m_files);
}
