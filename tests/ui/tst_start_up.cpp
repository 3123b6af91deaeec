// Start-up: the per-user marker file and the usage notice, the link to the notice, the
// user's data folder and the general error display.

#include "UiTestSupport.h"

#include "core/Errors.h"
#include "ui/GuardedRun.h"
#include "ui/VersionTexts.h"
#include "ui/main/UsageNotice.h"
#include "ui/main/UserFolder.h"
#include "ui/result/ResultWindow.h"
#include "version/ProgramVersion.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

#include <functional>
#include <new>

Q_DECLARE_METATYPE(std::function<void()>)

using namespace korvane;
using namespace korvane::testing;

namespace {

const QByteArray k311("\x37\x01\x00\x00", 4);

QByteArray ReadAll(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class StartUp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SplashMilliseconds() = 0; }
    void markerFile_data();
    void markerFile();
    void unwritableFolderDoesNotStopStartUp();
    void linkOpensAFreshNotice();
    void noticeClosesAndFreesItself();
    void appDataFallsBackToXdgDataHome();
    void captionButtonsAskedOfTheWindowManager();
    void handlerErrorIsShownAndTheProgramGoesOn_data();
    void handlerErrorIsShownAndTheProgramGoesOn();
    void placement_data();
    void placement();
    void versionTextsShowTheBuildsRelease();
};

void StartUp::markerFile_data() {
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<QByteArray>("content"); // "<missing>": no file
    QTest::addColumn<bool>("noticeShown");
    QTest::addColumn<QByteArray>("after");

    const QByteArray missing("<missing>");
    QTest::newRow("first start") << false << missing << true << k311;
    QTest::newRow("folder without file") << true << missing << true << k311;
    QTest::newRow("empty file") << true << QByteArray() << false << k311;
    QTest::newRow("up to date") << true << k311 << false << k311;
    QTest::newRow("other number") << true << QByteArray("\x2c\x01\x00\x00", 4) << false << k311;
    QTest::newRow("longer file keeps its tail")
        << true << QByteArray("\x2c\x01\x00\x00tail", 8) << false << k311 + "tail";
    QTest::newRow("short file") << true << QByteArray("\x37\x01", 2) << false << k311;
}

void StartUp::markerFile() {
    QFETCH(bool, folderExists);
    QFETCH(QByteArray, content);
    QFETCH(bool, noticeShown);
    QFETCH(QByteArray, after);

    TemporaryAppData appData;
    if (folderExists)
        QVERIFY(QDir().mkpath(appData.UserFolder()));
    if (content != "<missing>")
        Write(appData.MarkerFile(), content);

    ModalRecorder modals;
    MainWindow form;
    QCOMPARE(modals.shown, noticeShown ? QStringList{"korvane::UsageNotice"} : QStringList());
    QCOMPARE(ReadAll(appData.MarkerFile()), after);
    QCOMPARE(form.markerFile, appData.MarkerFile());
}

void StartUp::unwritableFolderDoesNotStopStartUp() {
    TemporaryAppData appData;
    Write(appData.UserFolder(), "a file where the folder should be");
    ModalRecorder modals;
    MainWindow form;
    QCOMPARE(modals.shown, QStringList{"korvane::UsageNotice"});
    QCOMPARE(form.windowTitle(), QStringLiteral("フラットデッキ構造計算プログラム"));
}

void StartUp::linkOpensAFreshNotice() {
    TemporaryAppData appData;
    auto form = MakeReadyForm();
    QList<QPointer<QDialog>> notices;
    const ModalHandler previous = SetModalHandler([&](QDialog &dialog) {
        notices << &dialog;
        dialog.accept();
        return 1;
    });
    QTest::mouseClick(Widget<QLabel>(*form, "usageNoticeLink"), Qt::LeftButton);
    QTest::mouseClick(Widget<QLabel>(*form, "usageNoticeLink"), Qt::LeftButton);
    SetModalHandler(previous);
    QCOMPARE(notices.size(), 2);
    QTRY_VERIFY(notices[0].isNull() && notices[1].isNull()); // each freed on closing
}

void StartUp::noticeClosesAndFreesItself() {
    QPointer<UsageNotice> notice = new UsageNotice;
    QCOMPARE(notice->windowTitle(), QStringLiteral("ご確認下さい"));
    QCOMPARE(notice->size(), QSize(402, 312));
    notice->show();
    QTest::mouseClick(notice->confirmButton, Qt::LeftButton);
    QTRY_VERIFY(notice.isNull());
}

void StartUp::appDataFallsBackToXdgDataHome() {
    const QByteArray savedAppData = qgetenv("APPDATA");
    const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
    qunsetenv("APPDATA");
    qputenv("XDG_DATA_HOME", "/tmp/xdg-data");
    QCOMPARE(ExpandEnvironmentText(QStringLiteral("%APPDATA%")), QStringLiteral("/tmp/xdg-data"));
    qputenv("APPDATA", "/srv/users/sato");
    QCOMPARE(ExpandEnvironmentText(QStringLiteral("%APPDATA%/x")),
             QStringLiteral("/srv/users/sato/x"));
    QCOMPARE(ExpandEnvironmentText(QStringLiteral("%NO_SUCH_VARIABLE_KV%")),
             QStringLiteral("%NO_SUCH_VARIABLE_KV%"));
    // References pair their percent signs from left to right; "%%" names nothing.
    const QList<std::pair<QString, QString>> cases = {
        {QStringLiteral("%%APPDATA%"), QStringLiteral("%/srv/users/sato")},
        {QStringLiteral("%APPDATA%%APPDATA%"), QStringLiteral("/srv/users/sato/srv/users/sato")},
        {QStringLiteral("%NO_SUCH_VARIABLE_KV%/%APPDATA%"),
         QStringLiteral("%NO_SUCH_VARIABLE_KV%//srv/users/sato")},
        {QStringLiteral("100% %APPDATA%"), QStringLiteral("100% %APPDATA%")},
        {QStringLiteral("a%b"), QStringLiteral("a%b")},
        {QStringLiteral("%"), QStringLiteral("%")},
    };
    for (const auto &[text, expanded] : cases)
        QCOMPARE(ExpandEnvironmentText(text), expanded);
    qputenv("APPDATA", savedAppData);
    qputenv("XDG_DATA_HOME", savedXdg);
    if (savedXdg.isEmpty())
        qunsetenv("XDG_DATA_HOME");
}

// What the windows ask of the window manager: the usage notice a caption without any
// button, the result window a caption with the window menu and the close box only.
void StartUp::captionButtonsAskedOfTheWindowManager() {
    const Qt::WindowFlags buttons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                    Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                                    Qt::WindowContextHelpButtonHint;
    UsageNotice notice;
    QVERIFY(notice.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(notice.windowFlags() & Qt::WindowTitleHint);
    QCOMPARE(notice.windowFlags() & buttons, Qt::WindowFlags());
    ResultWindow result;
    QVERIFY(result.windowFlags() & Qt::CustomizeWindowHint);
    QCOMPARE(result.windowFlags() & buttons,
             Qt::WindowFlags(Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint));
}

void StartUp::handlerErrorIsShownAndTheProgramGoesOn_data() {
    QTest::addColumn<std::function<void()>>("failure");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file error") << std::function<void()>([] {
        throw FileError("ファイル「x.fdt」を読み込めません。");
    }) << QStringLiteral("ファイル「x.fdt」を読み込めません。");
    QTest::newRow("conversion error") << std::function<void()>([] {
        throw ConversionError("'98 ' は有効な整数値ではありません。");
    }) << QStringLiteral("'98 ' は有効な整数値ではありません。");
    QTest::newRow("out of memory")
        << std::function<void()>([] { throw std::bad_alloc(); }) << OutOfMemoryText();
    QTest::newRow("anything else") << std::function<void()>([] { throw 42; })
                                   << QStringLiteral("不明なエラーが発生しました。");
}

// A failing handler's error is shown in a box with the program's title; the guard returns
// and the next handler runs as usual.
void StartUp::handlerErrorIsShownAndTheProgramGoesOn() {
    QFETCH(std::function<void()>, failure);
    QFETCH(QString, shown);
    MessageRecorder messages;
    QVERIFY(!RunGuarded(nullptr, failure));
    QCOMPARE(messages.texts, QStringList{shown});
    QCOMPARE(messages.titles, QStringList{QStringLiteral("Korvane for Win")});
    bool ran = false;
    QVERIFY(RunGuarded(nullptr, [&] { ran = true; }));
    QVERIFY(ran);
    QCOMPARE(messages.texts.size(), 1);
}

void StartUp::placement_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("fits") << QRect(318, 279, 644, 465) << 1280 << QPoint(318, 279);
    QTest::newRow("right edge exactly at the screen's")
        << QRect(636, 100, 644, 465) << 1280 << QPoint(636, 100);
    QTest::newRow("narrow screen") << QRect(100, 80, 644, 465) << 700 << QPoint(51, 5);
}

void StartUp::placement() {
    QFETCH(QRect, window);
    QFETCH(int, screenWidth);
    QFETCH(QPoint, expected);
    QCOMPARE(StartPosition(window, screenWidth), expected);
}

// The status bar's first line and the title text's hint name the one version of the build
// and its release date in Japanese.
void StartUp::versionTextsShowTheBuildsRelease() {
    TemporaryAppData appData;
    auto form = MakeReadyForm();
    const QString version = QString::fromLatin1(version::kVersion);
    QCOMPARE(VersionText(), QStringLiteral("ver ") + version);
    QVERIFY(QRegularExpression(QStringLiteral("^20\\d\\d年(1[0-2]|[1-9])月([1-3]\\d|[1-9])日$"))
                .match(ReleaseDateText())
                .hasMatch());
    QCOMPARE(Widget<QStatusBar>(*form, "statusBar")->currentMessage(), LegalLine());
    QVERIFY(LegalLine().startsWith(
        QStringLiteral("Korvane for Win ver %1 (%2)  ").arg(version, ReleaseDateText())));
    QCOMPARE(Widget<QLabel>(*form, "programNameLabel")->statusTip(),
             QStringLiteral("Korvane for Win ver ") + version);
    QCOMPARE(Widget<QLabel>(*form, "platformLabel")->statusTip(),
             Widget<QLabel>(*form, "programNameLabel")->statusTip());
}

KORVANE_UI_TEST_MAIN(StartUp)
#include "tst_start_up.moc"
