#pragma once
// The print settings window: project title, page-number position and page text of the
// printed sheet. Created once by the main window; it holds the program's print settings, and
// its controls keep their contents between openings. A position option takes effect the
// moment it is clicked.

#include "core/PrintSettings.h"

#include <QDialog>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr; // project title
    QGroupBox *GroupBox4 = nullptr;
    QRadioButton *RadioButton1 = nullptr; // "無し"
    QRadioButton *RadioButton2 = nullptr; // "上-左"
    QRadioButton *RadioButton3 = nullptr;
    QRadioButton *RadioButton4 = nullptr;
    QRadioButton *RadioButton5 = nullptr; // "下-左"
    QRadioButton *RadioButton6 = nullptr;
    QRadioButton *RadioButton7 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *Edit2 = nullptr; // page text
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *BitBtn2 = nullptr; // OK
    QPushButton *BitBtn1 = nullptr; // Cancel

    // The seven position options in order, and the page-number codes they stand for.
    std::array<QRadioButton *, 7> PositionOptions() const;
    static int PositionCodeOf(int optionIndex);
    // Checks the option of a position code ("無し" for an unknown code) without clicking it.
    void CheckPositionOption(int pageNumberPos);

    void RefreshPositionOptions();
    void Edit1Click();
    void RadioButton1Click();
    void BitBtn2Click();
    void BitBtn1Click();

    void done(int result) override;

    // The print values the sheet is printed with.
    const korvane::PrintSettings &Settings() const { return m_settings; }
    korvane::PrintSettings &Settings() { return m_settings; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void createControls();
    void connectSignals();
    void CommitSettings();
    void RevertSettings();

    korvane::PrintSettings m_settings;
};
