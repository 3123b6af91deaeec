// The main window bound to its input form model: the model copied into the controls, the
// design case put into the inputs and read out of them, the pre-check shown on the fields.

#include "ui/main/MainWindow.h"

#include "core/PrintSettings.h"
#include "core/TextCodec.h"
#include "ui/Controls.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/help/HelpTopic.h"
#include "ui/main/HintBar.h"
#include "ui/result/PrintSettingsDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>
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
    return AsRecordText(text.toStdString());
}

// The improved-section notice asks the user to take note; the others are plain messages.
void ShowNotices(MainWindow &form, const std::vector<std::string> &notices) {
    for (const std::string &notice : notices)
        if (notice == kImprovedSectionNotice)
            ShowMessage(&form, QString::fromStdString(notice), QStringLiteral("確認"));
        else
            ShowMessage(&form, QString::fromStdString(notice));
}

} // namespace

QLineEdit *MainWindow::FieldOf(InputField field) const {
    switch (field) {
    case InputField::unitWeight:
        return unitWeightField;
    case InputField::span:
        return spanField;
    case InputField::slabThickness:
        return slabThicknessField;
    case InputField::workLoad:
        return workLoadField;
    case InputField::otherLoad:
        break;
    }
    return otherLoadField;
}

void MainWindow::Refresh() {
    const bool nested = std::exchange(m_refreshing, true);
    RefreshDeckBand();
    RefreshChoices();
    RefreshFields();
    m_refreshing = nested;
}

void MainWindow::RefreshDeckBand() {
    Choose(m_inputs.RidgeFamily() ? ridgeDeckOption : pxDeckOption);
    PaintGroupCaptions({ridgeDeckOption, pxDeckOption});
    ShowList(*modelList, m_inputs.ModelItems(), m_inputs.ModelPosition());
    ShowList(*thicknessList, m_inputs.ThicknessItems(), m_inputs.ThicknessPosition());
    ShowList(*coatingList, InputForm::CoatingItems(), m_inputs.CoatingPosition());
    allowableSymbolLabel->setVisible(m_inputs.AllowableStressShown());
    allowableValueLabel->setVisible(m_inputs.AllowableStressShown());
    if (m_inputs.UnitWeightHint() != m_shownWeightHint) {
        m_shownWeightHint = m_inputs.UnitWeightHint();
        SetHint(*unitWeightField, QString::fromStdString(m_shownWeightHint), true);
    }
}

void MainWindow::RefreshChoices() {
    Choose(m_inputs.ShoringCode() == code::kShoringOneRow    ? shoringOneRowOption
           : m_inputs.ShoringCode() == code::kShoringTwoRows ? shoringTwoRowsOption
                                                             : noShoringOption);
    PaintGroupCaptions({noShoringOption, shoringOneRowOption, shoringTwoRowsOption});
    Choose(m_inputs.AlphaClass() == code::kClass1   ? alphaClass1Option
           : m_inputs.AlphaClass() == code::kClass2 ? alphaClass2Option
           : m_inputs.AlphaClass() == code::kClass3 ? alphaClass3Option
                                                    : steelBeamOption);
    PaintGroupCaptions({steelBeamOption, alphaClass1Option, alphaClass2Option, alphaClass3Option});
    Choose(m_concreteGroup->button(m_inputs.ConcreteKind()));
    Choose(m_inputs.OtherWorkLoad() ? otherWorkLoadOption : standardWorkLoadOption);
    PaintGroupCaptions({standardWorkLoadOption, otherWorkLoadOption});
}

void MainWindow::RefreshFields() {
    ShowText(*unitWeightField, QString::fromStdString(m_inputs.Text(InputField::unitWeight)));
    ShowText(*spanField, QString::fromStdString(m_inputs.Text(InputField::span)));
    ShowText(*slabThicknessField, QString::fromStdString(m_inputs.Text(InputField::slabThickness)));
    ShowText(*otherLoadField, QString::fromStdString(m_inputs.Text(InputField::otherLoad)));
    const QString workLoad = QString::fromStdString(m_inputs.Text(InputField::workLoad));
    if (WorkLoadText() != workLoad)
        workLoadField->setText(workLoad.trimmed());
    workLoadField->setEnabled(m_inputs.WorkLoadFieldEnabled());
}

void MainWindow::React(const FormReaction &reaction) {
    if (reaction.message)
        ShowMessage(this, QString::fromStdString(*reaction.message));
    Refresh();
    if (reaction.focus)
        FieldOf(*reaction.focus)->setFocus();
}

void MainWindow::ShowCase(const DesignCase &record) {
    FinishShowing(m_inputs.ShowCase(record), record);
}

void MainWindow::OpenCase(const DesignCase &record) {
    FinishShowing(m_inputs.OpenCase(record), record);
}

void MainWindow::FinishShowing(const std::vector<std::string> &notices, const DesignCase &record) {
    Refresh();
    if (m_inputs.UnitWeightEditable())
        unitWeightField->setFocus(); // the coating "他" asks for the user's weight
    ShowHelpPage(HelpTopic::kDeck);
    ShowNotices(*this, notices);
    if (m_printSettings)
        m_printSettings->ShowCaseSettings(record);
}

DesignCase MainWindow::ReadCase() const {
    DesignCase record = m_inputs.ReadCase();
    if (m_printSettings) {
        record.projectTitle = m_printSettings->Settings().projectTitle;
        record.pageNumberPos = m_printSettings->Settings().pageNumberPos;
        record.pageText = ToRecordText(m_printSettings->TypedPageText());
    }
    return record;
}

bool MainWindow::PreCheckInputs() {
    const auto failure = m_inputs.PreCheck();
    if (!failure) {
        calculateButton->setFocus();
        return true;
    }
    ShowPreCheckFailure(*failure);
    return false;
}

bool MainWindow::PreCheckConditions() {
    const auto failure = m_inputs.PreCheckConditions();
    if (failure)
        ShowPreCheckFailure(*failure);
    return !failure;
}

void MainWindow::ShowPreCheckFailure(const PreCheckFailure &failure) {
    ShowMessage(this, QString::fromStdString(failure.message));
    // The focus goes to the field before its corrected text, which the field then selects.
    FieldOf(failure.field)->setFocus();
    m_inputs.ApplyCorrection(failure);
    Refresh();
    FieldOf(failure.field)->selectAll(); // typing replaces the refused text
}

void MainWindow::TakeDeck(const TakenDeck &taken) {
    React(m_inputs.TakeDeck(taken));
    calculateButton->setFocus();
}

void MainWindow::FocusCalculateButton() {
    calculateButton->setFocus();
}

void MainWindow::ShowStatusNote(const QString &note) {
    statusBar->showMessage(note);
}
