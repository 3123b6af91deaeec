#include "ui/CalculationRun.h"

#include "core/U_calc.h"
#include "ui/MessageSeam.h"
#include "ui/UCalDisp.h"
#include "ui/U_dialog.h"
#include "ui/U_krv.h"

#include <QPushButton>

namespace korvane {

namespace {

constexpr int kResultWindowHeight = 760;

} // namespace

bool CheckInputData(TForm1 &form) {
    return form.PreCheckInputs();
}

void RunCalculation(TForm1 &form, TForm3 &resultWindow) {
    const CInputData record = form.ReadCase();
    if (!CheckInputData(form))
        return;
    {
        BusyNotice busy(&form);
        CaseResult calculated = CalculateCase(record);
        resultWindow.SetClientHeight(kResultWindowHeight);
        resultWindow.ShowResult(std::move(calculated));
        resultWindow.setWindowTitle(QStringLiteral("Korvane for Win [ 計算結果の表示 ]"));
        form.hide();
        busy.ReleaseNotice();
    }
    ExecModal(resultWindow);
    form.show();
    form.activateWindow();
    form.BitBtn1->setFocus();
}

} // namespace korvane
