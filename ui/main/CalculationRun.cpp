#include "ui/main/CalculationRun.h"

#include "core/Calculation.h"
#include "ui/MessageSeam.h"
#include "ui/WindowTitle.h"
#include "ui/main/MainWindow.h"
#include "ui/result/BusyNotice.h"
#include "ui/result/ResultWindow.h"

#include <QPushButton>

namespace korvane {

namespace {

constexpr int kResultWindowHeight = 760;

} // namespace

void RunCalculation(MainWindow &form, ResultWindow &resultWindow) {
    const DesignCase record = form.ReadCase();
    if (!form.PreCheckInputs())
        return;
    {
        BusyNotice busy(&form);
        CaseResult calculated = CalculateCase(record);
        resultWindow.SetClientHeight(kResultWindowHeight);
        resultWindow.ShowResult(std::move(calculated));
        resultWindow.setWindowTitle(WindowTitleOf(QStringLiteral("計算結果の表示")));
        form.hide();
        busy.ReleaseNotice();
    }
    ExecModal(resultWindow);
    form.show();
    form.activateWindow();
    form.FocusCalculateButton();
}

} // namespace korvane
