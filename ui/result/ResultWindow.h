#pragma once
// The result window: the calculation sheet on its navy picture, printing, the print settings,
// and the way back to the input window. Created once, by the first calculation; every
// calculation draws into its picture and shows it modally. Printing is in the printing module
// (ui/result/SheetPrinting.h), loaded when the user first prints.

#include "core/Calculation.h"
#include "ui/result/PrinterChoice.h"

#include <QDialog>
#include <QImage>
#include <QMargins>
#include <QRect>

#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QScrollArea;
class QToolBar;
class QToolButton;

namespace korvane {

class PrintSettingsDialog;

class ResultWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResultWindow(QWidget *parent = nullptr);
    ~ResultWindow() override;

    void SetPrintSettingsWindow(PrintSettingsDialog *settingsWindow) {
        m_printSettings = settingsWindow;
    }

    // The calculated case the window shows and prints; the calculation run replaces it.
    const CaseResult &Result() const { return m_result; }
    // Takes a calculated case and draws its screen sheet on a new result picture.
    void ShowResult(CaseResult result);

    // The sheet picture (the window's sheetView): an empty result picture until a calculation
    // hands over the screen picture of its case, and again once the window closes.
    QImage Picture() const;
    void ShowPicture(QImage picture);
    // Makes the window's client area that high, or as high as the screen's available area
    // lets the whole window be; the sheet scrolls in what is left.
    void SetClientHeight(int height);

    void PrintSheet();
    void CloseSheet();
    void OpenPrintSettings();
    // The vertical scroll position moves by the wheel delta (120 a notch).
    void ScrollByWheel(int wheelDelta);

    // The printer the sheet goes to; tests may replace the dialog that chooses it (the
    // choice every printing window shares, see ui/result/PrinterChoice.h).
    using PrinterChoice = korvane::PrinterChoice;
    static PrinterChoice SetPrinterChoice(PrinterChoice choice);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, each with its member's name as object name (tests and tools find it so).
    QToolBar *toolBar = nullptr;
    QToolButton *printButton = nullptr; // "印刷"
    QToolButton *closeButton = nullptr; // "閉じる"
    QToolButton *toolBarSpacer = nullptr;
    QToolButton *printSettingsButton = nullptr; // "印刷の設定"
    QScrollArea *sheetScroller = nullptr;
    QLabel *sheetView = nullptr;
    QMenuBar *mainMenu = nullptr;
    QAction *printAction = nullptr;         // "計算書の印刷"
    QAction *closeAction = nullptr;         // "終　了"
    QAction *printSettingsAction = nullptr; // "印刷の設定"

    void CreateControls();
    void CreateMenus();
    void ConnectSignals();
    void Initialise();
    void ClearPicture();
    void RefreshPicture();
    void EnsurePicture();
    void FitOnScreen(int clientHeight);
    void PrintOnChosenPrinter();

    CaseResult m_result;
    // Null while the window is hidden with no sheet: the empty result picture (1.5 MB) is
    // made only if the window shows without a calculation's picture.
    QImage m_picture;
    PrintSettingsDialog *m_printSettings = nullptr;
    // The window manager's frame round the client area, once the window has been shown;
    // before that a typical title bar and border.
    QMargins m_frame{4, 28, 4, 4};
};

// Where the result window's client area goes: as asked when the whole window, frame
// included, lies inside the screen's available area; otherwise the window's top 5 pixels
// below the area's top, its bottom no lower than the area's bottom, centred across.
QRect FitResultWindow(const QRect &client, const QMargins &frame, const QRect &available);

} // namespace korvane
