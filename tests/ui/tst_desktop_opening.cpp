// Opening a design case from the desktop: a file named on the command line, opened after
// the window's first filling, and a file dropped onto the main window.

#include "UiTestSupport.h"

#include "core/DataFile.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/DesktopOpening.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <fstream>
#include <unistd.h>

using namespace korvane;
using namespace korvane::testing;

namespace {

const std::vector<std::string> kCase = {"korvane 3.6", "0",      "2", "1",     "0",   "150",
                                        "3200",        "2",      "5", "5",     "180", "2000",
                                        "500",         "倉庫棟", "0", "－１－"};

void WriteCase(const std::string &path, const std::vector<std::string> &lines) {
    std::ofstream(path, std::ios::binary) << DataFileBytes(lines);
}

// Sends a drag of `urls` onto `target` as the window system would: enter, then drop.
// Returns whether the window took the drag.
bool DropUrls(QWidget &target, const QList<QUrl> &urls) {
    QMimeData data;
    data.setUrls(urls);
    const QPoint inside(target.width() / 2, target.height() / 2);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(inside), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

} // namespace

class DesktopOpening : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    QTemporaryDir m_dir;

    std::string Path(const char *name) const { return m_dir.filePath(name).toStdString(); }

private slots:
    void initTestCase() { SplashMilliseconds() = 0; }
    void fileArgument_data();
    void fileArgument();
    void fileGivenAtStartWinsOverTheDefaultCase();
    void unreadableFileAtStartKeepsTheDefaultCase();
    void droppedFileOpensLikeTheOpenCommand();
    void dropOntoAFieldOpensTheFileInsteadOfTypingItsName();
    void onlyOneLocalFileIsTaken();
};

void DesktopOpening::fileArgument_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList{"korvane"} << QString();
    QTest::newRow("one file") << QStringList{"korvane", "case.fdt"} << "case.fdt";
    QTest::newRow("after options") << QStringList{"korvane", "-x", "a.fdt", "b.fdt"} << "a.fdt";
    QTest::newRow("after --") << QStringList{"korvane", "--", "-odd.fdt"} << "-odd.fdt";
}

void DesktopOpening::fileArgument() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);
    std::vector<QByteArray> bytes;
    std::vector<char *> argv;
    for (const QString &argument : arguments)
        bytes.push_back(argument.toUtf8());
    for (QByteArray &argument : bytes)
        argv.push_back(argument.data());
    const auto found = DataFileArgument(int(argv.size()), argv.data());
    QCOMPARE(found ? QString::fromStdString(*found) : QString(), file);
}

// As main() does it: show the window, then ask for the file; the first filling comes first
// and the file's case is what the user sees.
void DesktopOpening::fileGivenAtStartWinsOverTheDefaultCase() {
    WriteCase(Path("start.fdt"), kCase);
    ModalRecorder notices;
    MainWindow form;
    DesignCaseFiles files;
    form.show();
    OpenAtStart(form, files, Path("start.fdt"));
    QTRY_COMPARE(Widget<QLineEdit>(form, "spanField")->text(), QStringLiteral("3200"));
    QTest::qWait(50); // nothing queued may bring the default case back
    QCOMPARE(Widget<QLineEdit>(form, "spanField")->text(), QStringLiteral("3200"));
    QCOMPARE(Widget<QLineEdit>(form, "otherLoadField")->text(), QStringLiteral("500"));
    QCOMPARE(form.windowTitle(),
             QStringLiteral("Korvane for Win [") + m_dir.filePath("start.fdt") + "]");
    QCOMPARE(files.lastOpenName, m_dir.filePath("start.fdt"));
}

void DesktopOpening::unreadableFileAtStartKeepsTheDefaultCase() {
    ModalRecorder notices;
    MessageRecorder messages;
    MainWindow form;
    DesignCaseFiles files;
    const QString caption = form.windowTitle();
    form.show();
    OpenAtStart(form, files, m_dir.path().toStdString()); // a folder
    QTRY_COMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(m_dir.path()), qPrintable(messages.texts[0]));
    QCOMPARE(Widget<QLineEdit>(form, "spanField")->text(), QStringLiteral("2500"));
    QCOMPARE(form.windowTitle(), caption);
    QVERIFY(files.lastOpenName.isEmpty());
}

// The drop goes the open command's way: caption, proposed save name, warnings.
void DesktopOpening::droppedFileOpensLikeTheOpenCommand() {
    auto cut = kCase;
    cut.resize(12);
    // "データ.fdt" in Shift-JIS
    const std::string name = m_dir.path().toStdString() + "/\x83\x66\x81\x5b\x83\x5e.fdt";
    WriteCase(name, cut);
    auto form = MakeReadyForm();
    DesignCaseFiles files;
    AcceptDroppedDataFiles(*form, files);
    MessageRecorder messages;
    const QUrl url(QStringLiteral("file://") +
                   QString::fromLatin1(QByteArray::fromStdString(name).toPercentEncoding("/")));
    const bool taken = DropUrls(*form, {url});
    ::unlink(name.c_str()); // the temporary folder's clean-up cannot name it
    QVERIFY(taken);
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->text(), QStringLiteral("3200"));
    QVERIFY2(form->windowTitle().endsWith(QStringLiteral("/データ.fdt]")),
             qPrintable(form->windowTitle()));
    QCOMPARE(files.ProposedSaveName(), QStringLiteral("データ.fdt"));
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY(messages.texts[0].contains(QStringLiteral("その他荷重 0 N/㎡")));
}

void DesktopOpening::dropOntoAFieldOpensTheFileInsteadOfTypingItsName() {
    WriteCase(Path("field.fdt"), kCase);
    auto form = MakeReadyForm();
    DesignCaseFiles files;
    AcceptDroppedDataFiles(*form, files);
    QVERIFY(DropUrls(*Widget<QLineEdit>(*form, "slabThicknessField"),
                     {QUrl::fromLocalFile(m_dir.filePath("field.fdt"))}));
    QCOMPARE(Widget<QLineEdit>(*form, "slabThicknessField")->text(), QStringLiteral("180"));
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->text(), QStringLiteral("3200"));
}

void DesktopOpening::onlyOneLocalFileIsTaken() {
    WriteCase(Path("a.fdt"), kCase);
    WriteCase(Path("b.fdt"), kCase);
    auto form = MakeReadyForm();
    DesignCaseFiles files;
    AcceptDroppedDataFiles(*form, files);
    const QString caption = form->windowTitle();
    QVERIFY(!DropUrls(*form, {QUrl::fromLocalFile(m_dir.filePath("a.fdt")),
                              QUrl::fromLocalFile(m_dir.filePath("b.fdt"))}));
    QVERIFY(!DropUrls(*form, {QUrl(QStringLiteral("https://example.com/a.fdt"))}));
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(Widget<QLineEdit>(*form, "spanField")->text(), QStringLiteral("2500"));
}

KORVANE_UI_TEST_MAIN(DesktopOpening)
#include "tst_desktop_opening.moc"
