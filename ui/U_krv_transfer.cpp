// The main window bound to its input form model: the model copied into the controls, the
// design case put into the inputs and read out of them, the pre-check shown on the fields.

#include "ui/U_krv.h"

#include "core/PrintSettings.h"
#include "core/TextCodec.h"
#include "ui/Controls.h"
#include "ui/HintBar.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/U_PrintData.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

using namespace korvane;

namespace {

QStringList ListItems(const std::vector<std::string> &items) {
    QStringList list;
    for (const std::string &item : items)
        list << QString::fromStdString(item);
    return list;
}

// Gives a list the model's items and position without running its handler.
void ShowList(QComboBox &list, const std::vector<std::string> &items, int position) {
    const QSignalBlocker quiet(list);
    const QStringList wanted = ListItems(items);
    QStringList shown;
    for (int i = 0; i < list.count(); ++i)
        shown << list.itemText(i);
    if (shown != wanted) {
        list.clear();
        list.addItems(wanted);
    }
    list.setCurrentIndex(position);
}

// Writes a text into a field only when it differs, so that the cursor and the selection of
// a field the user is editing stay where they are.
void ShowText(QLineEdit &field, const QString &text) {
    if (field.text() != text)
        field.setText(text);
}

// Chooses an option without running its click handler.
void Choose(QAbstractButton *option) {
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

// A window text as the record holds it: what code page 932 keeps of it.
std::string ToRecordText(const QString &text) {
    return Cp932ToUtf8(Utf8ToCp932(text.toStdString()));
}

void ShowPrintSettings(TForm7 &settingsWindow, const CInputData &record) {
    PrintSettings &settings = settingsWindow.Settings();
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

// The improved-section notice asks the user to take note; the others are plain messages.
void ShowNotices(TForm1 &form, const std::vector<std::string> &notices) {
    for (const std::string &notice : notices)
        if (notice == kImprovedSectionNotice)
            ShowMessage(&form, QString::fromStdString(notice), QStringLiteral("確認"));
        else
            ShowMessage(&form, QString::fromStdString(notice));
}

} // namespace

QLineEdit *TForm1::FieldOf(InputField field) const {
    switch (field) {
    case InputField::unitWeight:
        return Edit99;
    case InputField::span:
        return Edit1;
    case InputField::slabThickness:
        return Edit3;
    case InputField::workLoad:
        return MaskEdit1;
    case InputField::otherLoad:
        break;
    }
    return Edit6;
}

void TForm1::refresh() {
    const bool nested = std::exchange(m_refreshing, true);
    refreshDeckBand();
    refreshChoices();
    refreshFields();
    m_refreshing = nested;
}

void TForm1::refreshDeckBand() {
    Choose(m_inputs.RidgeFamily() ? RadioButton10 : RadioButton11);
    PaintGroupCaptions({RadioButton10, RadioButton11});
    ShowList(*ComboBox2, m_inputs.ModelItems(), m_inputs.ModelPosition());
    ShowList(*ComboBox3, m_inputs.ThicknessItems(), m_inputs.ThicknessPosition());
    ShowList(*ComboBox7, InputForm::CoatingItems(), m_inputs.CoatingPosition());
    Label9->setVisible(m_inputs.AllowableStressShown());
    Label10->setVisible(m_inputs.AllowableStressShown());
    if (m_inputs.UnitWeightHint() != m_shownWeightHint) {
        m_shownWeightHint = m_inputs.UnitWeightHint();
        SetHint(*Edit99, QString::fromStdString(m_shownWeightHint), true);
    }
}

void TForm1::refreshChoices() {
    Choose(m_inputs.ShoringCode() == code::kShoringOneRow    ? RadioButton2
           : m_inputs.ShoringCode() == code::kShoringTwoRows ? RadioButton3
                                                             : RadioButton1);
    PaintGroupCaptions({RadioButton1, RadioButton2, RadioButton3});
    Choose(m_inputs.AlphaClass() == code::kClass1   ? RadioButton5
           : m_inputs.AlphaClass() == code::kClass2 ? RadioButton6
           : m_inputs.AlphaClass() == code::kClass3 ? RadioButton9
                                                    : RadioButton4);
    PaintGroupCaptions({RadioButton4, RadioButton5, RadioButton6, RadioButton9});
    Choose(m_concreteGroup->button(m_inputs.ConcreteKind()));
    Choose(m_inputs.OtherWorkLoad() ? RadioButton8 : RadioButton7);
    PaintGroupCaptions({RadioButton7, RadioButton8});
}

void TForm1::refreshFields() {
    ShowText(*Edit99, QString::fromStdString(m_inputs.Text(InputField::unitWeight)));
    ShowText(*Edit1, QString::fromStdString(m_inputs.Text(InputField::span)));
    ShowText(*Edit3, QString::fromStdString(m_inputs.Text(InputField::slabThickness)));
    ShowText(*Edit6, QString::fromStdString(m_inputs.Text(InputField::otherLoad)));
    const QString workLoad = QString::fromStdString(m_inputs.Text(InputField::workLoad));
    if (MaskEdit1Text() != workLoad)
        MaskEdit1->setText(workLoad.trimmed());
    MaskEdit1->setEnabled(m_inputs.WorkLoadFieldEnabled());
}

void TForm1::react(const FormReaction &reaction) {
    if (reaction.message)
        ShowMessage(this, QString::fromStdString(*reaction.message));
    refresh();
    if (reaction.focus)
        FieldOf(*reaction.focus)->setFocus();
}

void TForm1::ShowCase(const CInputData &record) {
    finishShowing(m_inputs.ShowCase(record), record);
}

void TForm1::OpenCase(const CInputData &record) {
    finishShowing(m_inputs.OpenCase(record), record);
}

void TForm1::finishShowing(const std::vector<std::string> &notices, const CInputData &record) {
    refresh();
    if (m_inputs.UnitWeightEditable())
        Edit99->setFocus(); // the coating "他" asks for the user's weight
    ShowHelpPage(1);
    ShowNotices(*this, notices);
    if (m_form7)
        ShowPrintSettings(*m_form7, record);
}

CInputData TForm1::ReadCase() const {
    CInputData record = m_inputs.ReadCase();
    if (m_form7) {
        record.projectTitle = m_form7->Settings().projectTitle;
        record.pageNumberPos = m_form7->Settings().pageNumberPos;
        record.pageText = ToRecordText(m_form7->Edit2->text());
    }
    return record;
}

bool TForm1::PreCheckInputs() {
    const auto failure = m_inputs.PreCheck();
    if (!failure) {
        BitBtn1->setFocus();
        return true;
    }
    ShowMessage(this, QString::fromStdString(failure->message));
    // The focus goes to the field before its corrected text, which the field then selects.
    FieldOf(failure->field)->setFocus();
    m_inputs.ApplyCorrection(*failure);
    refresh();
    return false;
}

void ReadInputData(const TForm1 &form, CInputData &record) {
    record = form.ReadCase();
}

void ShowInputData(TForm1 &form, CInputData record) {
    form.ShowCase(record);
}
