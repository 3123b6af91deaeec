// The help window and the summary window: which page shows which picture, the scroll range
// and height of each page, the focus after "HELP ON", the mouse wheel, the close box, and
// what a picture or summary file that cannot be loaded leaves behind.

#include "WidgetByName.h"
#include "core/Errors.h"
#include "ui/DataFolder.h"
#include "ui/MessageSeam.h"
#include "ui/help/EmfPicture.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/SummaryWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>
#include <QtEndian>

using korvane::HelpTopic;
using korvane::HelpWindow;
using korvane::SummaryWindow;
using korvane::testing::Widget;

namespace {

const QColor kBackground(240, 242, 242);

// Keeps the texts the general error display shows instead of showing them.
class ErrorRecorder {
public:
    ErrorRecorder() {
        m_previous = korvane::SetMessageHandler(
            [this](QWidget *, const QString &text, const QString &) { errors << text; });
    }
    ~ErrorRecorder() { korvane::SetMessageHandler(m_previous); }
    QStringList errors;

private:
    korvane::MessageHandler m_previous;
};

// Moves a file of the data folder aside, or replaces its content, for one test; the file
// comes back when the guard ends.
class FileGuard {
public:
    explicit FileGuard(const QString &name)
        : m_path(DataFolder() + name), m_aside(m_path + ".aside") {
        QFile::remove(m_aside);
        QFile::rename(m_path, m_aside);
    }
    void Write(const QByteArray &content) const {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }
    ~FileGuard() {
        QFile::remove(m_path);
        QFile::rename(m_aside, m_path);
    }
    QByteArray Original() const {
        QFile file(m_aside);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QString m_path;
    QString m_aside;
};

// The picture area as it must look after a page drew `file` at 437 × `height`.
QImage ExpectedPicture(const QString &file, int height) {
    QImage image(448, 1143, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    korvane::EmfPicture::Load(DataFolder() + file).Draw(painter, QRectF(0, 0, 437, height));
    return image;
}

QImage BlankPicture() {
    QImage image(448, 1143, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

// Counts the pixels of a band of rows that differ from the background.
int DrawnPixels(const QImage &image, int top, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) != kBackground;
    return n;
}

} // namespace

class TestHelpWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void firstPicture();
    void pages_data();
    void pages();
    void hiddenWindowDrawsWhenItShows();
    void firstPageAfterHelpOnTakesTheFocus();
    void wheelScrollsByTheWheelDelta();
    void closeBoxHidesAndClearsTheFlag();
    void missingPicture_data();
    void missingPicture();
    void damagedPictureIsRefused_data();
    void damagedPictureIsRefused();
    void missingFirstPictureLeavesTheWindowBlank();
    void pictureIsReadAgainForEachPage();
    void summaryShownTwiceReloadsOneWindow();
    void missingSummaryIsNotShown_data();
    void missingSummaryIsNotShown();
};

void TestHelpWindow::initTestCase() {
    // The data folder beside this test program gets fresh copies of the supplied files.
    QDir().mkpath(DataFolder());
    const QDir source(QStringLiteral(KORVANE_LOAD_DATA_SOURCE));
    for (const QString &name : source.entryList(QDir::Files)) {
        QFile::remove(DataFolder() + name);
        QVERIFY(QFile::copy(source.filePath(name), DataFolder() + name));
    }
}

void TestHelpWindow::firstPicture() {
    HelpWindow help;
    QCOMPARE(help.windowTitle(), QStringLiteral("選択項目のHELP表示"));
    QCOMPARE(help.ScrollRange(), 261);
    QCOMPARE(help.height(), 299);
    QCOMPARE(help.width(), 468);
    QCOMPARE(help.pos(), QPoint(5, 5));
    QVERIFY(!help.isVisible());
    QVERIFY(help.FirstPictureError().isEmpty());
    QCOMPARE(help.Picture(), ExpectedPicture("KR_tag0.emf", 229));
    QVERIFY(DrawnPixels(help.Picture(), 0, 229) > 1000);
}

void TestHelpWindow::pages_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("pictureHeight");

    QTest::newRow("deck, PXデッキ") << 1 << 0 << "デッキ種類"
                                    << "KR_tag1.emf" << 953;
    QTest::newRow("deck, PXリッジデッキ") << 1 << 1 << "デッキ種類"
                                          << "KR_tag1_2.emf" << 1122;
    QTest::newRow("span") << 2 << 1 << "スパン"
                          << "KR_tag2.emf" << 607;
    QTest::newRow("beam") << 3 << 0 << "支持梁/施工状況"
                          << "KR_tag3.emf" << 607;
    QTest::newRow("concrete") << 4 << 1 << "コンクリート"
                              << "KR_tag4.emf" << 607;
    QTest::newRow("loads") << 5 << 0 << "荷　重"
                           << "KR_tag5.emf" << 607;
}

void TestHelpWindow::pages() {
    QFETCH(int, page);
    QFETCH(int, family);
    QFETCH(QString, caption);
    QFETCH(QString, file);
    QFETCH(int, pictureHeight);

    HelpWindow help;
    help.show();
    // Start from another page, scrolled down, so that everything below must change.
    help.ShowHelpPage(page == 1 && family == 1 ? HelpTopic::kSpan : HelpTopic::kDeck, 1);
    Widget<QScrollArea>(help, "pictureScroller")->verticalScrollBar()->setValue(200);

    help.ShowHelpPage(static_cast<HelpTopic>(page), family);
    QCOMPARE(help.windowTitle(), caption);
    QCOMPARE(help.ScrollRange(), pictureHeight + 13);
    QCOMPARE(help.height(), 600);
    QCOMPARE(Widget<QScrollArea>(help, "pictureScroller")->verticalScrollBar()->value(), 0);
    QCOMPARE(help.Picture(), ExpectedPicture(file, pictureHeight));
    // The picture covers its area with drawing (not a blank conversion) and nothing below.
    QVERIFY(DrawnPixels(help.Picture(), 0, pictureHeight) > 437 * pictureHeight / 20);
    QCOMPARE(DrawnPixels(help.Picture(), pictureHeight, 1143), 0);
}

void TestHelpWindow::firstPageAfterHelpOnTakesTheFocus() {
    QWidget main;
    main.resize(300, 200);
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    HelpWindow help;
    help.show(); // what "HELP ON" does, then sets the flag
    help.ComeToFrontWithNextPage();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));

    help.ShowHelpPage(HelpTopic::kSpan, 0);
    QVERIFY(!help.JustSwitchedOn());
    QVERIFY(QTest::qWaitForWindowActive(&help));

    // Later pages leave the focus where it is.
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    help.ShowHelpPage(HelpTopic::kSpan, 0);
    QTest::qWait(50);
    QCOMPARE(QApplication::activeWindow(), &main);
}

void TestHelpWindow::wheelScrollsByTheWheelDelta() {
    HelpWindow help;
    help.show();
    help.ShowHelpPage(HelpTopic::kDeck, 1);
    QScrollBar *bar = Widget<QScrollArea>(help, "pictureScroller")->verticalScrollBar();
    QVERIFY(bar->maximum() > 240);

    const auto turn = [&help](int delta) {
        QWidget *viewport = Widget<QScrollArea>(help, "pictureScroller")->viewport();
        const QPointF at(100, 100);
        QWheelEvent event(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &event);
    };
    turn(-120); // one notch towards the user
    QCOMPARE(bar->value(), 120);
    turn(-120);
    QCOMPARE(bar->value(), 240);
    turn(120);
    QCOMPARE(bar->value(), 120);
    turn(240);
    QCOMPARE(bar->value(), 0);
    turn(120); // already at the top
    QCOMPARE(bar->value(), 0);
}

void TestHelpWindow::closeBoxHidesAndClearsTheFlag() {
    auto *help = new HelpWindow;
    QPointer<HelpWindow> alive(help);
    QSignalSpy closed(help, &HelpWindow::ClosedByUser);
    help->show();
    help->ShowHelpPage(HelpTopic::kConcrete, 0);
    help->ComeToFrontWithNextPage();

    QVERIFY(help->close());
    QCOMPARE(closed.count(), 1);
    QVERIFY(!help->JustSwitchedOn());
    QVERIFY(!help->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(alive); // hidden, not destroyed

    // Shown again, it still holds its last page.
    help->show();
    QCOMPARE(help->windowTitle(), QStringLiteral("コンクリート"));
    delete help;
}

// A hidden help window converts and draws nothing: the start-up and the first filling do
// not wait for pictures nobody sees. Showing it draws the page asked for last.
void TestHelpWindow::hiddenWindowDrawsWhenItShows() {
    HelpWindow help;
    QVERIFY(!help.PictureDrawn());
    help.ShowHelpPage(HelpTopic::kConcrete, 0);
    help.ShowHelpPage(HelpTopic::kDeck, 1);
    QVERIFY(!help.PictureDrawn());
    QCOMPARE(help.windowTitle(), QStringLiteral("デッキ種類"));
    QCOMPARE(help.ScrollRange(), 1135);
    help.show();
    QVERIFY(help.PictureDrawn());
    QCOMPARE(help.Picture(), ExpectedPicture("KR_tag1_2.emf", 1122));
    help.ShowHelpPage(HelpTopic::kLoads, 0); // visible: drawn at once
    QVERIFY(help.PictureDrawn());
    QCOMPARE(help.Picture(), ExpectedPicture("KR_tag5.emf", 607));
}

void TestHelpWindow::missingPicture_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("range");

    // Page 1 reads its picture before it changes anything; the other pages change the
    // caption, the scroll range and the height first and are left with an empty area.
    QTest::newRow("deck, PXデッキ") << 1 << 0 << "KR_tag1.emf"
                                    << "スパン" << 620;
    QTest::newRow("deck, PXリッジデッキ") << 1 << 1 << "KR_tag1_2.emf"
                                          << "スパン" << 620;
    QTest::newRow("span") << 2 << 0 << "KR_tag2.emf"
                          << "スパン" << 620;
    QTest::newRow("beam") << 3 << 0 << "KR_tag3.emf"
                          << "支持梁/施工状況" << 620;
    QTest::newRow("concrete") << 4 << 0 << "KR_tag4.emf"
                              << "コンクリート" << 620;
    QTest::newRow("loads") << 5 << 0 << "KR_tag5.emf"
                           << "荷　重" << 620;
}

void TestHelpWindow::missingPicture() {
    QFETCH(int, page);
    QFETCH(int, family);
    QFETCH(QString, file);
    QFETCH(QString, caption);
    QFETCH(int, range);

    HelpWindow help;
    help.show();
    help.ShowHelpPage(page == 2 ? HelpTopic::kDeck : HelpTopic::kSpan,
                      0); // a different page before
    const QString before = help.windowTitle();
    const QImage pictureBefore = help.Picture();
    help.resize(help.width(), 400);
    Widget<QScrollArea>(help, "pictureScroller")->verticalScrollBar()->setValue(100);
    help.ComeToFrontWithNextPage();

    FileGuard missing(file);
    try {
        help.ShowHelpPage(static_cast<HelpTopic>(page), family);
        QFAIL("no error for a missing picture");
    } catch (const korvane::FileError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(DataFolder() + file), error.what());
    }
    QVERIFY(help.JustSwitchedOn());
    // The page did not scroll to the top: with the shorter range the position is only
    // held within it.
    QScrollBar *bar = Widget<QScrollArea>(help, "pictureScroller")->verticalScrollBar();
    QCOMPARE(bar->value(), std::min(100, bar->maximum()));
    QVERIFY(bar->value() > 0);
    if (page == 1) {
        QCOMPARE(help.windowTitle(), before);
        QCOMPARE(help.Picture(), pictureBefore);
        QCOMPARE(help.height(), 400);
        return;
    }
    QCOMPARE(help.windowTitle(), caption);
    QCOMPARE(help.ScrollRange(), range);
    QCOMPARE(help.height(), 600);
    QCOMPARE(help.Picture(), BlankPicture());
}

void TestHelpWindow::damagedPictureIsRefused_data() {
    QTest::addColumn<QByteArray>("content");
    QFile real(DataFolder() + "KR_tag3.emf");
    QVERIFY(real.open(QIODevice::ReadOnly));
    const QByteArray bytes = real.readAll();

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("not a picture\n");
    QTest::newRow("header only") << bytes.left(108);
    QTest::newRow("cut in half") << bytes.left(bytes.size() / 2);
    // The third record claims more bytes than the file has.
    const auto sizeAt = [&bytes](qsizetype at) {
        return qFromLittleEndian<quint32>(bytes.constData() + at + 4);
    };
    const qsizetype third = sizeAt(0) + sizeAt(sizeAt(0));
    QByteArray oversized = bytes;
    qToLittleEndian<quint32>(0x7FFFFFF0u, oversized.data() + third + 4);
    QTest::newRow("record past the end") << oversized;
    QByteArray description = bytes;
    qToLittleEndian<quint32>(0x10000u, description.data() + 60); // its length in characters
    QTest::newRow("description past the header") << description;
    QByteArray unterminated = bytes.left(220 + 8);
    qToLittleEndian<quint32>(0u, unterminated.data() + 60);   // no length, but an offset
    qToLittleEndian<quint32>(220u, unterminated.data() + 64); // at the end of the header
    qToLittleEndian<quint32>(14u, unterminated.data() + 220); // then the end record
    qToLittleEndian<quint32>(8u, unterminated.data() + 224);
    QTest::newRow("description without end") << unterminated;
    QByteArray farDescription = bytes;
    qToLittleEndian<quint32>(0u, farDescription.data() + 60);
    qToLittleEndian<quint32>(0xFFFFFFFFu, farDescription.data() + 64);
    QTest::newRow("description at the end of the address range") << farDescription;
}

void TestHelpWindow::damagedPictureIsRefused() {
    QFETCH(QByteArray, content);
    HelpWindow help;
    FileGuard damaged("KR_tag3.emf");
    damaged.Write(content);
    QVERIFY_THROWS_EXCEPTION(korvane::FileError, help.ShowHelpPage(HelpTopic::kBeamAndWork, 0));
    QCOMPARE(help.Picture(), BlankPicture());
}

void TestHelpWindow::missingFirstPictureLeavesTheWindowBlank() {
    FileGuard missing("KR_tag0.emf");
    ErrorRecorder shown;
    HelpWindow help; // must not throw: the start-up goes on
    QVERIFY(help.FirstPictureError().contains("KR_tag0.emf"));
    QCOMPARE(help.windowTitle(), QStringLiteral("選択項目のHELP表示"));
    QCOMPARE(help.ScrollRange(), 261);
    QCOMPARE(help.height(), 299);
    QCOMPARE(help.Picture(), BlankPicture());

    // The error reaches the general error display once the event loop runs.
    QTRY_COMPARE(shown.errors.size(), 1);
    QCOMPARE(shown.errors.first(), help.FirstPictureError());
}

void TestHelpWindow::pictureIsReadAgainForEachPage() {
    HelpWindow help;
    help.ShowHelpPage(HelpTopic::kBeamAndWork, 0);
    QCOMPARE(help.Picture(), ExpectedPicture("KR_tag3.emf", 607));
    {
        FileGuard replaced("KR_tag3.emf");
        QFile other(DataFolder() + "KR_tag5.emf");
        QVERIFY(other.open(QIODevice::ReadOnly));
        replaced.Write(other.readAll());
        help.ShowHelpPage(HelpTopic::kBeamAndWork, 0);
        QCOMPARE(help.Picture(), ExpectedPicture("KR_tag5.emf", 607));
    }
    help.ShowHelpPage(HelpTopic::kBeamAndWork, 0);
    QCOMPARE(help.Picture(), ExpectedPicture("KR_tag3.emf", 607));
}

void TestHelpWindow::summaryShownTwiceReloadsOneWindow() {
    SummaryWindow summary;
    QCOMPARE(summary.windowTitle(), QStringLiteral("概　　要　[ Korvane for Win について ]"));
    QCOMPARE(summary.size(), QSize(559, 689));
    QVERIFY(Widget<QTextBrowser>(summary, "summaryView")->isReadOnly());
    QVERIFY(!summary.isVisible());

    summary.ShowSummary();
    QVERIFY(summary.isVisible());
    QVERIFY(Widget<QTextBrowser>(summary, "summaryView")
                ->toPlainText()
                .contains("Korvane for Win について"));

    FileGuard replaced("Summary.rtf");
    replaced.Write("{\\rtf1\\ansi\\ansicpg932 \\'90\\'56\\'82\\'b5\\'82\\'a2\\par}");
    summary.ShowSummary();
    QVERIFY(summary.isVisible());
    QCOMPARE(Widget<QTextBrowser>(summary, "summaryView")->toPlainText(),
             QStringLiteral("新しい\n"));
    const auto windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return qobject_cast<SummaryWindow *>(w); }),
             1);
}

void TestHelpWindow::missingSummaryIsNotShown_data() {
    QTest::addColumn<bool>("folderInItsPlace");
    QTest::newRow("no file") << false;
    QTest::newRow("a folder of that name") << true;
}

void TestHelpWindow::missingSummaryIsNotShown() {
    QFETCH(bool, folderInItsPlace);
    SummaryWindow summary;
    Widget<QTextBrowser>(summary, "summaryView")->setPlainText("earlier text");
    FileGuard missing("Summary.rtf");
    if (folderInItsPlace)
        QVERIFY(QDir().mkdir(DataFolder() + "Summary.rtf"));
    const auto removeFolder = qScopeGuard([] { QDir().rmdir(DataFolder() + "Summary.rtf"); });
    try {
        summary.ShowSummary();
        QFAIL("no error for a missing summary");
    } catch (const korvane::FileError &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(DataFolder() + "Summary.rtf"),
                 error.what());
    }
    QVERIFY(!summary.isVisible());
    QCOMPARE(Widget<QTextBrowser>(summary, "summaryView")->toPlainText(),
             QStringLiteral("earlier text"));
}

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    TestHelpWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_help.moc"
