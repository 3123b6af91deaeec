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

namespace korvane {

class PrintSettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit PrintSettingsDialog(QWidget *parent = nullptr);

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

    // The seven position options in order, and the page-number codes they stand for.
    std::array<QRadioButton *, 7> PositionOptions() const;
    static int PositionCodeOf(int optionIndex);
    // Checks the option of a position code ("無し" for an unknown code) without clicking it.
    void CheckPositionOption(int pageNumberPos);

    void RefreshPositionOptions();
    void titleClicked();
    void positionChosen();
    void confirm();
    void cancel();

    void done(int result) override;

    // The print values the sheet is printed with.
    const korvane::PrintSettings &Settings() const { return m_settings; }
    korvane::PrintSettings &Settings() { return m_settings; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void initialise();
    void createControls();
    void connectSignals();
    void CommitSettings();
    void RevertSettings();

    korvane::PrintSettings m_settings;
};

} // namespace korvane
