#include "ui/UCalDisp.h"

#include "core/PrintSettings.h"
#include "core/U_calc.h"
#include "sheet/qt/SheetOutput.h"
#include "ui/GuardedRun.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/U_PrintData.h"
#include "ui/U_dialog.h"

#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int kClientWidth = 562;
constexpr int kClientHeight = 616;
constexpr int kToolBarHeight = 25;
constexpr int kButtonWidth = 95;
constexpr int kSpacerWidth = 275;
const QColor kNavy(0, 0, 128);

bool ChoosePrinterWithDialog(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    return korvane::ExecModal(dialog) == QDialog::Accepted;
}

TForm3::PrinterChoice &CurrentPrinterChoice()
{
    static TForm3::PrinterChoice choice = ChoosePrinterWithDialog;
    return choice;
}

QToolButton *ToolButton(QToolBar *bar, const QString &text, const QString &hint, int pixels,
                        QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(bar);
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setFixedWidth(kButtonWidth);
    button->setFont(korvane::WindowFont(pixels, true));
    if (icon != QStyle::SP_CustomBase) {
        button->setIcon(bar->style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, kNavy);
    button->setPalette(palette);
    bar->addWidget(button);
    return button;
}

// What the user is told when the printer could not take the page.
QString PrintFailureText(const QPrinter &printer)
{
    const QString where = printer.outputFileName().isEmpty()
                              ? QStringLiteral("プリンタ \"%1\"").arg(printer.printerName())
                              : QStringLiteral("ファイル \"%1\"").arg(printer.outputFileName());
    return QStringLiteral("%1 に印刷できませんでした。").arg(where);
}

} // namespace

TForm3::TForm3(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    createControls();
    createMenus();
    connectSignals();
    FormCreate();
}

TForm3::~TForm3() = default;

void TForm3::createControls()
{
    korvane::SetBackground(*this, korvane::kWindowGrey);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setFixedHeight(kToolBarHeight);
    ToolBar1->setMovable(false);
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    ToolBar1->setIconSize(QSize(16, 16));
    SpeedButton2 = ToolButton(ToolBar1, QStringLiteral("印刷"), QStringLiteral("計算書プリント"),
                              13, QStyle::SP_FileDialogDetailedView);
    SpeedButton3 = ToolButton(ToolBar1, QStringLiteral("閉じる"),
                              QStringLiteral("条件入力へ戻る"), 13, QStyle::SP_ArrowBack);
    SpeedButton7 = ToolButton(ToolBar1, QString(), QString(), 13, QStyle::SP_CustomBase);
    SpeedButton7->setFixedWidth(kSpacerWidth);
    SpeedButton7->setEnabled(false);
    SpeedButton4 = ToolButton(ToolBar1, QStringLiteral("印刷の設定"),
                              QStringLiteral("物件名・ページ番号を設定します"), 12,
                              QStyle::SP_CustomBase);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    korvane::SetBackground(*ScrollBox1, kNavy);
    korvane::SetBackground(*ScrollBox1->viewport(), kNavy);
    Image1 = new QLabel;
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->setWidget(Image1);
    ScrollBox1->viewport()->installEventFilter(this);

    layout->addWidget(ToolBar1);
    layout->addWidget(ScrollBox1);
}

void TForm3::createMenus()
{
    MainMenu1 = new QMenuBar(this);
    QMenu *file = MainMenu1->addMenu(QStringLiteral("ファイル(&F)"));
    N1 = file->addAction(QStringLiteral("計算書の印刷"));
    N2 = file->addAction(QStringLiteral("終　了"));
    N2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    N3 = MainMenu1->addAction(QStringLiteral("印刷の設定"));
    layout()->setMenuBar(MainMenu1);
}

void TForm3::connectSignals()
{
    connect(N1, &QAction::triggered, this, &TForm3::N1Click);
    connect(N2, &QAction::triggered, this, &TForm3::N2Click);
    connect(N3, &QAction::triggered, this, &TForm3::N3Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::N1Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TForm3::N2Click);
    connect(SpeedButton4, &QToolButton::clicked, this, &TForm3::N3Click);
}

// Fits the window on the screen and prepares the empty navy picture.
void TForm3::FormCreate()
{
    const int menuHeight = MainMenu1->sizeHint().height();
    resize(kClientWidth, kClientHeight + menuHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FitOnScreen(height());
    m_picture = korvane::NewResultPicture(devicePixelRatioF());
    RefreshPicture();
}

void TForm3::SetClientHeight(int height)
{
    FitOnScreen(height);
}

void TForm3::FitOnScreen(int clientHeight)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect wanted(pos(), QSize(width(), clientHeight));
    const QRect fitted = korvane::FitResultWindow(wanted, m_frame, available);
    resize(fitted.size());
    move(fitted.topLeft());
}

QRect korvane::FitResultWindow(const QRect &client, const QMargins &frame, const QRect &available)
{
    constexpr int kTopGap = 5;
    if (available.contains(client.marginsAdded(frame)))
        return client;
    const int top = available.top() + kTopGap + frame.top();
    const int height = std::min(client.height(), available.bottom() - frame.bottom() - top + 1);
    const int left = available.left() + (available.width() - client.width()) / 2;
    return {left, top, client.width(), height};
}

void TForm3::ShowPicture(QImage picture)
{
    m_picture = std::move(picture);
    RefreshPicture();
}

void TForm3::RefreshPicture()
{
    Image1->setPixmap(QPixmap::fromImage(m_picture));
    Image1->resize(m_picture.deviceIndependentSize().toSize());
}

// The next calculation starts from an empty picture, as the first one did.
void TForm3::ClearPicture()
{
    ShowPicture(korvane::NewResultPicture(devicePixelRatioF()));
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    activateWindow();
    setFocus();
}

// Notes the window manager's frame once the window is on screen, so that the next fit on
// the screen counts the real title bar and border.
void TForm3::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (isVisible() && frame != client)
        m_frame = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
}

// FormCloseQuery: closing by the title bar clears the picture as well.
void TForm3::closeEvent(QCloseEvent *event)
{
    ClearPicture();
    QDialog::closeEvent(event);
}

void TForm3::N1Click()
{
    korvane::RunGuarded(this, [this] { PrintOnChosenPrinter(); });
}

// Prints the sheet on the printer the user chooses. A printer that cannot take the page is
// shown as an error once the busy notice has gone.
void TForm3::PrintOnChosenPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!CurrentPrinterChoice()(printer, this))
        return;
    bool printed = false;
    {
        korvane::BusyNotice busy(this);
        printed = korvane::PrintSheet(printer, inputData, korvane::SharedCalcResult(),
                                      korvane::SharedPrintSettings(), korvane::TodayShortDate());
    }
    if (!printed)
        korvane::ShowGeneralError(PrintFailureText(printer), this);
}

void TForm3::N2Click()
{
    ClearPicture();
    reject();
}

// The result window steps aside while the print settings are open and comes back when they
// close; its own modal run goes on meanwhile, so the main window stays hidden.
void TForm3::N3Click()
{
    if (!m_form7)
        return;
    korvane::SharedPrintSettings().pageText = m_form7->Edit2->text().toStdString();
    hide();
    korvane::ExecModal(*m_form7);
    show();
    activateWindow();
}

void TForm3::ScrollBox1MouseWheel(int wheelDelta)
{
    QScrollBar *bar = ScrollBox1->verticalScrollBar();
    bar->setValue(bar->value() - wheelDelta);
}

bool TForm3::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::Wheel) {
        ScrollBox1MouseWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true; // the wheel moves the sheet by its delta, nothing more
    }
    return QDialog::eventFilter(watched, event);
}

TForm3::PrinterChoice TForm3::SetPrinterChoice(PrinterChoice choice)
{
    if (!choice)
        choice = ChoosePrinterWithDialog;
    return std::exchange(CurrentPrinterChoice(), std::move(choice));
}
