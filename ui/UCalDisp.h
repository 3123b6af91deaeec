#pragma once
// The result window: the calculation sheet on its navy picture, printing, the print settings,
// and the way back to the input window. Created once at start-up; every calculation draws
// into its picture and shows it modally.

#include "core/Inputdata.h"

#include <QDialog>
#include <QImage>

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

    // The sheet picture (the window's Image1) and its size.
    QImage &Picture() { return m_picture; }
    void SetPictureHeight(int height);
    // Shows what the picture now holds.
    void RefreshPicture();

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
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void connectSignals();
    void FormCreate();
    void ClearPicture();

    QImage m_picture;
    TForm7 *m_form7 = nullptr;
};
