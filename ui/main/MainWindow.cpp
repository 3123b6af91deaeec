#include "ui/main/MainWindow.h"

#include "core/Catalogue.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/DataFolder.h"
#include "ui/GuardedRun.h"
#include "ui/Look.h"
#include "ui/MessageSeam.h"
#include "ui/main/HintBar.h"
#include "ui/main/SplashScreen.h"
#include "ui/main/UsageNotice.h"
#include "ui/main/UserFolder.h"
#include "ui/result/PrintSettingsDialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

using namespace korvane;

int &korvane::SplashMilliseconds() {
    static int milliseconds = 1000;
    return milliseconds;
}

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(QStringLiteral("フラットデッキ構造計算プログラム"));
    setFixedSize(644, 465);
    SetBackground(*this, kWindowGrey);
    StartUp(); // builds the controls while the splash waits
}

MainWindow::~MainWindow() {
    if (m_waitCursor) // never shown: the start-up's hourglass ends with the window
        QGuiApplication::restoreOverrideCursor();
}

// The start-up of the main window, in this order. What the user cannot see yet (the print
// settings window, the controls) is made while the splash is up.
void MainWindow::StartUp() {
    m_idlePending = true; // the first filling waits for the first idle moment after showing
    programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    dataFolder = DataFolder();
    userFolder = UserFolderOf(ExpandEnvironmentText(QStringLiteral("%APPDATA%")));
    markerFile = MarkerFileOf(userFolder);
    UpdateMarker();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_waitCursor = true;
    SplashScreen *splash = ShowSplashWhileBuilding();
    PlaceOnScreen();
    modelList->setCurrentIndex(0);
    thicknessList->setCurrentIndex(thicknessList->count() > 0 ? 0 : -1); // still empty: no choice
    allowableSymbolLabel->hide();
    allowableValueLabel->hide();
    modelList->setFocus();
    m_hints = new HintTracker([this](const QString &longHint) { statusBar->showMessage(longHint); },
                              this);
    splash->close();
    splash->deleteLater();
}

void MainWindow::UpdateMarker() {
    UpdateMarkerFile(userFolder, [this] {
        auto *notice = new UsageNotice(this);
        ExecModal(*notice);
    });
}

SplashScreen *MainWindow::ShowSplashWhileBuilding() {
    auto *splash = new SplashScreen(this);
    splash->show();
    // Let the splash paint, then build the window while the start-up waits: the main window
    // is not shown yet, so no input can reach it, and the user sees the splash as soon as
    // the program starts rather than once every control exists.
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents();
    m_printSettings = new PrintSettingsDialog(this);
    BuildWindow();
    PrepareForShowing();
    while (clock.elapsed() < SplashMilliseconds()) {
        QEventLoop wait;
        QTimer::singleShot(std::max<qint64>(1, SplashMilliseconds() - clock.elapsed()), &wait,
                           &QEventLoop::quit);
        wait.exec();
    }
    return splash;
}

void MainWindow::BuildWindow() {
    CreateControls();
    ConnectSignals();
    CentreOnScreen();
}

void MainWindow::CentreOnScreen() {
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

// Work that showing the window would do anyway (style polish, native window, fonts and
// glyphs of one full paint) is done while the splash waits, so that the window appears at
// once afterwards.
void MainWindow::PrepareForShowing() {
    ensurePolished();
    for (QWidget *child : findChildren<QWidget *>())
        child->ensurePolished();
    winId();
    QPixmap warmUp(size());
    render(&warmUp);
}

void MainWindow::PlaceOnScreen() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(StartPosition(geometry(), screen->geometry().width()));
}

QPoint korvane::StartPosition(const QRect &window, int screenWidth) {
    if (window.x() + window.width() > screenWidth)
        return {screenWidth - window.width() - 5, 5};
    return window.topLeft();
}

void MainWindow::showEvent(QShowEvent *event) {
    if (m_waitCursor) {
        QGuiApplication::restoreOverrideCursor();
        m_waitCursor = false;
    }
    if (m_idlePending)
        QTimer::singleShot(0, this, [this] {
            if (m_idlePending)
                InitialIdle();
        });
    QWidget::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent *event) {
    // Closing the main window ends the program at once, whatever else is open.
    event->accept();
    if (!parentWidget())
        QCoreApplication::quit();
}

void MainWindow::InitialIdle() {
    m_idlePending = false;
    RunGuarded(this, [this] { ShowCase(DefaultDesignCase()); });
    // The start-up's passing buffers (the splash, the fonts' set-up, the first help page's
    // file) are freed by now; their pages go back once the first filling has been painted.
    QTimer::singleShot(0, this, [] { ReturnFreedMemory(); });
}

void MainWindow::EndProgram() {
    close();
}

void MainWindow::ShowUsageNotice() {
    auto *notice = new UsageNotice(this);
    ExecModal(*notice);
}
