// On a screen that shows two pixels per unit (scale factor 2), the help pictures and the
// splash are drawn with the screen's pixels, sharp, in the same layout as at scale 1.

#include "ui/Application.h"
#include "ui/DataFolder.h"
#include "ui/help/EmfPicture.h"
#include "ui/help/HelpWindow.h"
#include "ui/main/SplashScreen.h"

#include <QPainter>
#include <QtTest>

using korvane::HelpTopic;
using korvane::HelpWindow;
using korvane::SplashScreen;

class SharpPictures : public QObject {
    Q_OBJECT

private slots:
    void helpPictureHasTheScreensPixels();
    void splashHasTheScreensPixels();
};

void SharpPictures::helpPictureHasTheScreensPixels() {
    HelpWindow help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.devicePixelRatio(), 2.0);
    help.ShowHelpPage(HelpTopic::kSpan, 0);
    const QImage &picture = help.Picture();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(896, 2286));

    // The same picture as at scale 1, drawn at the screen's density.
    QImage expected(QSize(448, 1143) * 2, QImage::Format_RGB32);
    expected.setDevicePixelRatio(2);
    expected.fill(QColor(240, 242, 242));
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::Antialiasing);
    korvane::EmfPicture::Load(DataFolder() + "KR_tag2.emf").Draw(painter, QRectF(0, 0, 437, 607));
    painter.end();
    QCOMPARE(picture, expected);
}

void SharpPictures::splashHasTheScreensPixels() {
    SplashScreen splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const QPixmap shot = splash.grab();
    QCOMPARE(splash.size(), QSize(275, 137));
    QCOMPARE(shot.devicePixelRatio(), 2.0);
    QCOMPARE(shot.size(), QSize(550, 274));
}

int main(int argc, char **argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    korvane::Application app(argc, argv);
    SharpPictures test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sharp_pictures.moc"
