#include "ui/U_summary.h"

#include "core/Errors.h"
#include "ui/DataFolder.h"
#include "ui/RichTextDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

const QColor kBackground(240, 242, 242);
constexpr QSize kClientSize(559, 689);

} // namespace

TSummary::TSummary(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("概　　要　[ Korvane for Win について ]"));
    RichEdit1 = new QTextBrowser(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setOpenLinks(false);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QPalette pal = RichEdit1->palette();
    pal.setColor(QPalette::Base, kBackground);
    RichEdit1->setPalette(pal);
    RichEdit1->setFont(QFont(QStringLiteral("IPAPGothic"), 10));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(RichEdit1);

    resize(kClientSize);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), kClientSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void TSummary::ShowSummary()
{
    const QString path = DataFolder() + QStringLiteral("Summary.rtf");
    QFile file(path);
    // A folder of that name opens on some systems but reads as nothing.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        throw korvane::FileError(
            QStringLiteral("概要ファイル \"%1\" を開けません。").arg(path).toStdString());
    korvane::ReadRtf(file.readAll(), *RichEdit1->document());
    RichEdit1->moveCursor(QTextCursor::Start);
    show();
    raise();
    activateWindow();
}
