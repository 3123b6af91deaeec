#include "ui/help/SummaryWindow.h"

#include "core/Errors.h"
#include "ui/DataFolder.h"
#include "ui/MessageSeam.h"
#include "ui/help/RichTextDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace korvane {

namespace {

const QColor kBackground(240, 242, 242);
constexpr QSize kClientSize(559, 689);

} // namespace

SummaryWindow::SummaryWindow(QWidget *parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("概　　要　[ ") + QString::fromUtf8(korvane::kAppTitle) +
                   QStringLiteral(" について ]"));
    summaryView = new QTextBrowser(this);
    summaryView->setObjectName(QStringLiteral("summaryView"));
    summaryView->setReadOnly(true);
    summaryView->setOpenLinks(false);
    summaryView->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    summaryView->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette pal = summaryView->palette();
    pal.setColor(QPalette::Base, kBackground);
    summaryView->setPalette(pal);
    summaryView->setFont(QFont(QStringLiteral("IPAPGothic"), 10));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(summaryView);

    resize(kClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), kClientSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void SummaryWindow::ShowSummary() {
    const QString path = DataFolder() + QStringLiteral("Summary.rtf");
    QFile file(path);
    // A folder of that name opens on some systems but reads as nothing.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw korvane::FileError(
            QStringLiteral("概要ファイル \"%1\" を開けません。").arg(path).toStdString());
    korvane::ReadRtf(file.readAll(), *summaryView->document());
    summaryView->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}

} // namespace korvane
