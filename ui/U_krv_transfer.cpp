// The two transfers between the main window and a design record.

#include "ui/U_krv.h"

#include "core/PrintSettings.h"
#include "core/TextCodec.h"
#include "core/WholeNumber.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/U_PrintData.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

using namespace korvane;

namespace {

std::int32_t FieldNumber(const QString &text, std::int32_t fallback)
{
    return ReadWholeNumberOr(text.toStdString(), fallback);
}

// A window text as the record holds it: what code page 932 keeps of it.
std::string ToRecordText(const QString &text)
{
    return Cp932ToUtf8(Utf8ToCp932(text.toStdString()));
}

// Thickness list position <-> thickness code. The ridge deck's list starts with 0.7 mm,
// whose code 5 is the last; the other codes follow it in list order.
int ThicknessCodeAt(int family, int position)
{
    if (family != code::kFamilyPx)
        return position >= 1 && position <= 5 ? position - 1 : code::kThickness07;
    return position >= 0 && position <= 4 ? position : 0;
}

int ThicknessPositionOf(int family, int thicknessCode)
{
    if (family != code::kFamilyPx) {
        if (thicknessCode == code::kThickness07)
            return 0;
        return thicknessCode >= 0 && thicknessCode <= 4 ? thicknessCode + 1 : 0;
    }
    return thicknessCode >= 0 && thicknessCode <= 4 ? thicknessCode : 0;
}

// Chooses an option without running its click handler.
void Choose(QAbstractButton *option)
{
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

void PaintCaptions(std::initializer_list<QRadioButton *> group)
{
    for (QRadioButton *option : group)
        PaintOptionCaption(*option, option->isChecked());
}

void ShowPrintSettings(TForm7 &settingsWindow, const CInputData &record)
{
    PrintSettings &settings = SharedPrintSettings();
    settingsWindow.Edit1->setText(QString::fromStdString(record.projectTitle));
    settings.projectTitle = ToRecordText(settingsWindow.Edit1->text());
    settingsWindow.Edit2->setEnabled(true);
    settingsWindow.CheckPositionOption(record.pageNumberPos);
    settingsWindow.Edit2->setText(QString::fromStdString(record.pageText));
    settings.pageText = ToRecordText(settingsWindow.Edit2->text());
    if (record.pageNumberPos == 0)
        settingsWindow.Edit2->setEnabled(false);
    settingsWindow.RefreshPositionOptions();
}

} // namespace

void ReadInputData(const TForm1 &form, CInputData &record)
{
    record.SetDefaults();
    record.deckFamily = form.RadioButton10->isChecked() ? code::kFamilyRidge : code::kFamilyPx;
    const int model = form.ComboBox2->currentIndex();
    record.deckModel = model == 1 || model == 2 ? model : 0;
    record.thicknessCode = ThicknessCodeAt(record.deckFamily, form.ComboBox3->currentIndex());
    const int coating = form.ComboBox7->currentIndex();
    record.coatingCode = coating >= 0 && coating <= 4 ? coating : 0;
    record.unitWeight = FieldNumber(form.Edit99->text(), 0);
    record.spanLength = FieldNumber(form.Edit1->text(), 2500);
    record.shoringCode = form.RadioButton1->isChecked()   ? code::kShoringNone
                         : form.RadioButton2->isChecked() ? code::kShoringOneRow
                                                          : code::kShoringTwoRows;
    record.alphaClass = form.RadioButton4->isChecked()   ? code::kClassSteel
                        : form.RadioButton5->isChecked() ? code::kClass1
                        : form.RadioButton6->isChecked() ? code::kClass2
                                                         : code::kClass3;
    record.concreteKind = form.SpeedButton4->isChecked()   ? code::kConcreteNormal
                          : form.SpeedButton5->isChecked() ? code::kConcreteLight1
                                                           : code::kConcreteLight2;
    record.slabThickness = FieldNumber(form.Edit3->text(), 0);
    record.workLoadValue = form.RadioButton7->isChecked()
                               ? code::kStandardWorkLoad
                               : FieldNumber(form.MaskEdit1Text(), 0);
    record.otherLoadValue = FieldNumber(form.Edit6->text(), 0);
    record.projectTitle = SharedPrintSettings().projectTitle;
    record.pageNumberPos = SharedPrintSettings().pageNumberPos;
    if (const TForm7 *settingsWindow = form.Form7())
        record.pageText = ToRecordText(settingsWindow->Edit2->text());
}

void ShowInputData(TForm1 &form, CInputData record)
{
    const int version = FormatVersion(record.versionText);
    if (record.deckFamily != code::kFamilyPx) {
        Choose(form.RadioButton10);
        form.RadioButton10Click();
    } else {
        Choose(form.RadioButton11);
        form.RadioButton11Click();
    }
    form.ComboBox2->setCurrentIndex(record.deckModel == 1 || record.deckModel == 2
                                        ? record.deckModel
                                        : 0);
    form.ComboBox2Change();
    if (version == 20 && form.ComboBox2->currentIndex() == 1)
        ShowMessage(&form,
                    QStringLiteral("デッキの断面形状改良により、以前と重量が異なります。\n"
                                   "ご了解下さい。"),
                    QStringLiteral("確認"));
    form.ComboBox3->setCurrentIndex(
        ThicknessPositionOf(record.deckFamily != code::kFamilyPx ? code::kFamilyRidge
                                                                 : code::kFamilyPx,
                            record.thicknessCode));
    form.ComboBox3Change();
    // A discontinued model shows as the first model with its coating code as it stands, so
    // that "他" keeps the user's own weight.
    const bool knownCoating = record.coatingCode >= 0 && record.coatingCode <= 4;
    form.ComboBox7->setCurrentIndex(knownCoating ? record.coatingCode : -1);
    form.ComboBox7Change();
    form.Edit99->setText(QString::number(record.unitWeight));
    form.Edit1->setText(QString::number(record.spanLength));

    form.GroupBox1->setEnabled(true);
    Choose(record.shoringCode == code::kShoringOneRow    ? form.RadioButton2
           : record.shoringCode == code::kShoringTwoRows ? form.RadioButton3
                                                         : form.RadioButton1);
    form.RadioButton2->setVisible(true);
    form.RadioButton3->setVisible(true);
    PaintCaptions({form.RadioButton1, form.RadioButton2, form.RadioButton3});

    Choose(record.alphaClass == code::kClass1   ? form.RadioButton5
           : record.alphaClass == code::kClass2 ? form.RadioButton6
           : record.alphaClass == code::kClass3 ? form.RadioButton9
                                                : form.RadioButton4);
    PaintCaptions({form.RadioButton4, form.RadioButton5, form.RadioButton6, form.RadioButton9});

    Choose(record.concreteKind == code::kConcreteLight1   ? form.SpeedButton5
           : record.concreteKind == code::kConcreteLight2 ? form.SpeedButton6
                                                          : form.SpeedButton4);
    form.Edit3->setText(QString::number(record.slabThickness));

    if (record.workLoadValue == code::kStandardWorkLoad) {
        form.MaskEdit1->setText(QStringLiteral("2450"));
        form.MaskEdit1->setEnabled(false);
        Choose(form.RadioButton7);
    } else {
        Choose(form.RadioButton8);
        form.MaskEdit1->setEnabled(true);
        form.MaskEdit1->setText(QString::number(record.workLoadValue));
    }
    PaintCaptions({form.RadioButton7, form.RadioButton8});
    form.Edit6->setText(QString::number(record.otherLoadValue));

    if (TForm7 *settingsWindow = form.Form7())
        ShowPrintSettings(*settingsWindow, record);
}
