#include "ui/CalculationRun.h"

#include "core/PreCheck.h"
#include "core/U_calc.h"
#include "sheet/qt/SheetOutput.h"
#include "ui/MessageSeam.h"
#include "ui/UCalDisp.h"
#include "ui/U_dialog.h"
#include "ui/U_krv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvane {

namespace {

constexpr int kResultWindowHeight = 760;

QLineEdit *FieldNamed(TForm1 &form, const std::string &control)
{
    if (control == "Edit99")
        return form.Edit99;
    if (control == "Edit1")
        return form.Edit1;
    if (control == "Edit3")
        return form.Edit3;
    if (control == "MaskEdit1")
        return form.MaskEdit1;
    if (control == "Edit6")
        return form.Edit6;
    return nullptr;
}

} // namespace

bool CheckInputData(TForm1 &form, const CInputData &record)
{
    const WorkLoadEntry workLoad{form.RadioButton8->isChecked(),
                                 form.MaskEdit1Text().toStdString()};
    const auto failure = PreCheck(record, workLoad);
    if (!failure) {
        form.BitBtn1->setFocus();
        return true;
    }
    ShowMessage(&form, QString::fromStdString(failure->message));
    if (QLineEdit *field = FieldNamed(form, failure->control)) {
        field->setFocus();
        if (failure->corrected)
            field->setText(QString::fromStdString(*failure->corrected));
    }
    return false;
}

void RunCalculation(TForm1 &form, TForm3 &resultWindow)
{
    CInputData record;
    ReadInputData(form, record);
    if (!CheckInputData(form, record))
        return;
    {
        BusyNotice busy(&form);
        CCalcResult &result = SharedCalcResult();
        PrepareCalculation(record, result);
        ComputeResponses(record, result);

        resultWindow.SetClientHeight(kResultWindowHeight);
        resultWindow.inputData = record;
        resultWindow.ShowPicture(
            RenderScreenSheet(record, result, resultWindow.devicePixelRatioF()));
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
