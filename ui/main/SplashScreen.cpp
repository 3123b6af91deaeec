#include "ui/main/SplashScreen.h"

#include "ui/Look.h"
#include "ui/VersionTexts.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

using namespace korvane;

namespace {

// The program's icon: a flat-bottom deck profile on a steel-grey tile.
void DrawIcon(QPainter &painter, const QRect &tile) {
    painter.fillRect(tile, QColor(220, 226, 232));
    painter.setPen(QPen(QColor(90, 100, 110), 1));
    painter.drawRect(tile.adjusted(0, 0, -1, -1));
    const int left = tile.left() + 4;
    const int bottom = tile.bottom() - 8;
    const int top = tile.top() + 12;
    QPolygon profile;
    for (int rib = 0; rib < 3; ++rib) {
        const int x = left + rib * 8;
        profile << QPoint(x, top) << QPoint(x + 4, top) << QPoint(x + 5, bottom)
                << QPoint(x + 8, bottom);
    }
    painter.setPen(QPen(kInputBlue, 2));
    painter.drawPolyline(profile);
    painter.drawLine(left, bottom + 3, tile.right() - 4, bottom + 3);
}

} // namespace

SplashScreen::SplashScreen(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(275, 137);
    setCursor(Qt::WaitCursor);
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void SplashScreen::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), kWindowGrey);
    const QRect panel = rect().adjusted(3, 3, -3, -3);
    painter.fillRect(panel, kInputBlue);

    DrawIcon(painter, QRect(14, 14, 32, 32));

    painter.setPen(Qt::white);
    painter.setFont(TitleSerifFont(24));
    painter.drawText(QRect(56, 8, 124, 34), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Korvane"));
    painter.setFont(TitleSerifFont(16));
    painter.drawText(QRect(184, 16, 82, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("for  Win"));
    painter.setFont(WindowFont(11, true));
    painter.drawText(QRect(200, 42, 62, 14), Qt::AlignRight | Qt::AlignVCenter, VersionText());

    painter.setPen(QPen(QColor(230, 0, 0), 1));
    painter.drawLine(14, 60, 261, 60);

    painter.setPen(QColor(200, 200, 200));
    painter.setFont(WindowFont(10));
    painter.drawText(QRect(14, 66, 248, 13), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("床型枠用フラットデッキ 施工時構造計算"));
    painter.drawText(QRect(14, 80, 248, 13), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Copyright (C) Arvel_DeckPlate  All rights reserved."));

    painter.setPen(QColor(255, 255, 0));
    painter.setFont(WindowFont(12, true));
    painter.drawText(QRect(14, 104, 248, 18), Qt::AlignCenter,
                     QStringLiteral("プログラムを起動中です ・・・"));
}
