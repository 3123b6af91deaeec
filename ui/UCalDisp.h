#pragma once
// The result window: the calculation sheet on its navy picture, printing, the print settings,
// and the way back to the input window. Created once at start-up; every calculation draws
// into its picture and shows it modally.

#include "core/Inputdata.h"

#include <QDialog>
#include <QImage>
#include <QMargins>
#include <QRect>

#include <functional>

class QAction;
class QLabel;
class QMenuBar;
class QPrinter;
class QScrollArea;
class QToolBar;
class QToolButton;
class TForm7;

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);
    ~TForm3() override;

    void SetPrintSettingsWindow(TForm7 *form7) { m_form7 = form7; }

    // The design case of the sheet on the picture; the calculation run replaces it.
    korvane::CInputData inputData;

    // The sheet picture (the window's Image1): an empty result picture until a calculation
    // hands over the screen picture of its case, and again once the window closes.
    const QImage &Picture() const { return m_picture; }
    void ShowPicture(QImage picture);
    // Makes the window's client area that high, or as high as the screen's available area
    // lets the whole window be; the sheet scrolls in what is left.
    void SetClientHeight(int height);

    QToolBar *ToolBar1 = nullptr;
    QToolButton *SpeedButton2 = nullptr; // "印刷"
    QToolButton *SpeedButton3 = nullptr; // "閉じる"
    QToolButton *SpeedButton7 = nullptr; // spacer
    QToolButton *SpeedButton4 = nullptr; // "印刷の設定"
    QScrollArea *ScrollBox1 = nullptr;
    QLabel *Image1 = nullptr;
    QMenuBar *MainMenu1 = nullptr;
    QAction *N1 = nullptr; // "計算書の印刷"
    QAction *N2 = nullptr; // "終　了"
    QAction *N3 = nullptr; // "印刷の設定"

    void N1Click();
    void N2Click();
    void N3Click();
    // The vertical scroll position moves by the wheel delta (120 a notch).
    void ScrollBox1MouseWheel(int wheelDelta);

    // The printer the sheet goes to; tests may replace the dialog that chooses it.
    using PrinterChoice = std::function<bool(QPrinter &printer, QWidget *parent)>;
    static PrinterChoice SetPrinterChoice(PrinterChoice choice);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
    void FormCreate();
    void ClearPicture();
    void RefreshPicture();
    void FitOnScreen(int clientHeight);
    void PrintOnChosenPrinter();

    QImage m_picture;
    TForm7 *m_form7 = nullptr;
    // The window manager's frame round the client area, once the window has been shown;
    // before that a typical title bar and border.
    QMargins m_frame{4, 28, 4, 4};
};

namespace korvane {

// Where the result window's client area goes: as asked when the whole window, frame
// included, lies inside the screen's available area; otherwise the window's top 5 pixels
// below the area's top, its bottom no lower than the area's bottom, centred across.
QRect FitResultWindow(const QRect &client, const QMargins &frame, const QRect &available);

} // namespace korvane
