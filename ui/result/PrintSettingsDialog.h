#pragma once
// The print settings window: project title, page-number position and page text of the
// printed sheet. Created once by the main window; it holds the program's print settings, and
// its controls keep their contents between openings. A position option takes effect the
// moment it is clicked.

#include "core/DesignCase.h"
#include "core/PrintSettings.h"

#include <QDialog>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class PrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSettingsDialog(QWidget *parent = nullptr);

    // The seven position options in order, and the page-number codes they stand for.
    std::array<QRadioButton *, 7> PositionOptions() const;
    static int PositionCodeOf(int optionIndex);
    // Checks the option of a position code ("無し" for an unknown code) without clicking it.
    void CheckPositionOption(int pageNumberPos);

    void RefreshPositionOptions();
    // Puts a case's print values into the controls and the settings (opening a file, the
    // first filling): the texts as code page 932 keeps them.
    void ShowCaseSettings(const korvane::DesignCase &record);
    // The page text as it stands in its field, committed or not.
    QString TypedPageText() const;
    void TitleClicked();
    void PositionChosen();
    void Confirm();
    void Cancel();

    void done(int result) override;

    // The print values the sheet is printed with.
    const korvane::PrintSettings &Settings() const { return m_settings; }
    korvane::PrintSettings &Settings() { return m_settings; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QLabel *titleCaption = nullptr;
    QLineEdit *titleField = nullptr;
    QGroupBox *pageNumberGroup = nullptr;
    QRadioButton *noPageNumberOption = nullptr; // "無し"
    QRadioButton *topLeftOption = nullptr;      // "上-左"
    QRadioButton *topCentreOption = nullptr;
    QRadioButton *topRightOption = nullptr;
    QRadioButton *bottomLeftOption = nullptr; // "下-左"
    QRadioButton *bottomCentreOption = nullptr;
    QRadioButton *bottomRightOption = nullptr;
    QGroupBox *pageTextGroup = nullptr;
    QLineEdit *pageTextField = nullptr;
    QLabel *titleNote = nullptr;
    QLabel *positionNote = nullptr;
    QPushButton *confirmButton = nullptr;
    QPushButton *cancelButton = nullptr;

    void Initialise();
    void CreateControls();
    void ConnectSignals();
    void CommitSettings();
    void RevertSettings();

    korvane::PrintSettings m_settings;
};

} // namespace korvane
