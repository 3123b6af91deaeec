#include "ui/result/ResultWindow.h"

#include "core/Calculation.h"
#include "core/PrintSettings.h"
#include "sheet/qt/SheetOutput.h"
#include "ui/Controls.h"
#include "ui/GuardedRun.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/ProgramModule.h"
#include "ui/result/PrintSettingsDialog.h"
#include "ui/result/SheetPrinting.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace korvane {

namespace {

constexpr int kClientWidth = 562;
constexpr int kClientHeight = 616;
constexpr int kToolBarHeight = 25;
constexpr int kButtonWidth = 95;
constexpr int kSpacerWidth = 275;
const QColor kNavy(0, 0, 128);

QToolButton *ToolButton(QToolBar *bar, const QString &text, const QString &hint, int pixels,
                        QStyle::StandardPixmap icon) {
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

} // namespace

ResultWindow::ResultWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    CreateControls();
    CreateMenus();
    NameObjects({{toolBar, "toolBar"},
                 {printButton, "printButton"},
                 {closeButton, "closeButton"},
                 {toolBarSpacer, "toolBarSpacer"},
                 {printSettingsButton, "printSettingsButton"},
                 {sheetScroller, "sheetScroller"},
                 {sheetView, "sheetView"},
                 {mainMenu, "mainMenu"},
                 {printAction, "printAction"},
                 {closeAction, "closeAction"},
                 {printSettingsAction, "printSettingsAction"}});
    ConnectSignals();
    Initialise();
}

ResultWindow::~ResultWindow() = default;

void ResultWindow::CreateControls() {
    korvane::SetBackground(*this, kWindowGrey);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    toolBar = new QToolBar(this);
    toolBar->setFixedHeight(kToolBarHeight);
    toolBar->setMovable(false);
    toolBar->setContentsMargins(0, 0, 0, 0);
    toolBar->layout()->setContentsMargins(0, 0, 0, 0);
    toolBar->layout()->setSpacing(0);
    toolBar->setIconSize(QSize(16, 16));
    printButton = ToolButton(toolBar, QStringLiteral("印刷"), QStringLiteral("計算書プリント"), 13,
                             QStyle::SP_FileDialogDetailedView);
    closeButton = ToolButton(toolBar, QStringLiteral("閉じる"), QStringLiteral("条件入力へ戻る"),
                             13, QStyle::SP_ArrowBack);
    toolBarSpacer = ToolButton(toolBar, QString(), QString(), 13, QStyle::SP_CustomBase);
    toolBarSpacer->setFixedWidth(kSpacerWidth);
    toolBarSpacer->setEnabled(false);
    printSettingsButton =
        ToolButton(toolBar, QStringLiteral("印刷の設定"),
                   QStringLiteral("物件名・ページ番号を設定します"), 12, QStyle::SP_CustomBase);

    sheetScroller = new QScrollArea(this);
    sheetScroller->setFrameShape(QFrame::NoFrame);
    korvane::SetBackground(*sheetScroller, kNavy);
    korvane::SetBackground(*sheetScroller->viewport(), kNavy);
    sheetView = new QLabel;
    sheetView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    sheetScroller->setWidget(sheetView);
    sheetScroller->viewport()->installEventFilter(this);

    layout->addWidget(toolBar);
    layout->addWidget(sheetScroller);
}

void ResultWindow::CreateMenus() {
    mainMenu = new QMenuBar(this);
    QMenu *file = mainMenu->addMenu(QStringLiteral("ファイル(&F)"));
    printAction = file->addAction(QStringLiteral("計算書の印刷"));
    closeAction = file->addAction(QStringLiteral("終　了"));
    closeAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    printSettingsAction = mainMenu->addAction(QStringLiteral("印刷の設定"));
    layout()->setMenuBar(mainMenu);
}

void ResultWindow::ConnectSignals() {
    connect(printAction, &QAction::triggered, this, &ResultWindow::PrintSheet);
    connect(closeAction, &QAction::triggered, this, &ResultWindow::CloseSheet);
    connect(printSettingsAction, &QAction::triggered, this, &ResultWindow::OpenPrintSettings);
    connect(printButton, &QToolButton::clicked, this, &ResultWindow::PrintSheet);
    connect(closeButton, &QToolButton::clicked, this, &ResultWindow::CloseSheet);
    connect(printSettingsButton, &QToolButton::clicked, this, &ResultWindow::OpenPrintSettings);
}

// Fits the window on the screen and gives the sheet view the picture's size; the picture
// itself comes with the first calculation.
void ResultWindow::Initialise() {
    const int menuHeight = mainMenu->sizeHint().height();
    resize(kClientWidth, kClientHeight + menuHeight);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    FitOnScreen(height());
    sheetView->resize(kResultPictureWidth, kResultPictureHeight);
}

void ResultWindow::SetClientHeight(int height) {
    FitOnScreen(height);
}

void ResultWindow::FitOnScreen(int clientHeight) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect wanted(pos(), QSize(width(), clientHeight));
    const QRect fitted = korvane::FitResultWindow(wanted, m_frame, available);
    resize(fitted.size());
    move(fitted.topLeft());
}

QRect FitResultWindow(const QRect &client, const QMargins &frame, const QRect &available) {
    constexpr int kTopGap = 5;
    if (available.contains(client.marginsAdded(frame)))
        return client;
    const int top = available.top() + kTopGap + frame.top();
    const int height = std::min(client.height(), available.bottom() - frame.bottom() - top + 1);
    const int left = available.left() + (available.width() - client.width()) / 2;
    return {left, top, client.width(), height};
}

QImage ResultWindow::Picture() const {
    return m_picture.isNull() ? korvane::NewResultPicture(devicePixelRatioF()) : m_picture;
}

void ResultWindow::ShowPicture(QImage picture) {
    m_picture = std::move(picture);
    RefreshPicture();
}

void ResultWindow::RefreshPicture() {
    sheetView->setPixmap(QPixmap::fromImage(m_picture));
    sheetView->resize(m_picture.deviceIndependentSize().toSize());
}

void ResultWindow::ShowResult(CaseResult result) {
    m_result = std::move(result);
    ShowPicture(RenderScreenSheet(m_result.record, m_result.calculation, devicePixelRatioF()));
}

// The next calculation starts from an empty picture, as the first one did. Both callers
// hide the window at once, so the sheet's memory goes with it.
void ResultWindow::ClearPicture() {
    m_picture = QImage();
    sheetView->clear();
}

// A window shown without a calculation's picture shows the empty one.
void ResultWindow::EnsurePicture() {
    if (m_picture.isNull())
        ShowPicture(NewResultPicture(devicePixelRatioF()));
}

void ResultWindow::showEvent(QShowEvent *event) {
    EnsurePicture();
    QDialog::showEvent(event);
    activateWindow();
    setFocus();
}

// Notes the window manager's frame once the window is on screen, so that the next fit on
// the screen counts the real title bar and border.
void ResultWindow::moveEvent(QMoveEvent *event) {
    QDialog::moveEvent(event);
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    if (isVisible() && frame != client)
        m_frame = QMargins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
}

// Closing by the title bar clears the picture, as the close button does.
void ResultWindow::closeEvent(QCloseEvent *event) {
    ClearPicture();
    QDialog::closeEvent(event);
}

void ResultWindow::PrintSheet() {
    korvane::RunGuarded(this, [this] { PrintOnChosenPrinter(); });
}

namespace {

// The printing, from its module, loaded when the user first prints (built into the program on
// Windows).
const SheetPrinting &Printing() {
#if defined(_WIN32)
    return *korvane_sheet_printing();
#else
    return ProgramModuleTable<SheetPrinting>(kPrintingModule, kSheetPrintingEntry);
#endif
}

} // namespace

// Prints the sheet on the printer the user chooses. A printer that cannot take the page is
// shown as an error once the busy notice has gone.
void ResultWindow::PrintOnChosenPrinter() {
    const PrintSettings print = m_printSettings ? m_printSettings->Settings() : PrintSettings{};
    Printing().printOnChosenPrinter(this, m_result, print);
}

void ResultWindow::CloseSheet() {
    ClearPicture();
    reject();
}

// The result window steps aside while the print settings are open and comes back when they
// close; its own modal run goes on meanwhile, so the main window stays hidden.
void ResultWindow::OpenPrintSettings() {
    if (!m_printSettings)
        return;
    m_printSettings->Settings().pageText = m_printSettings->TypedPageText().toStdString();
    hide();
    korvane::ExecModal(*m_printSettings);
    show();
    activateWindow();
}

void ResultWindow::ScrollByWheel(int wheelDelta) {
    korvane::ScrollByWheel(*sheetScroller, wheelDelta);
}

bool ResultWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == sheetScroller->viewport() && event->type() == QEvent::Wheel) {
        ScrollByWheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true; // the wheel moves the sheet by its delta, nothing more
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvane
