// Opening and saving design cases through the dialogs, as a user does it.

#include "UiTestSupport.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "ui/Controls.h"
#include "ui/files/DesignCaseFiles.h"
#include "ui/main/CalculationRun.h"
#include "ui/main/CaseFileCommands.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTreeView>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace korvane;
using namespace korvane::testing;

namespace {

// Answers the next file dialogs with the given paths (an empty path cancels) and records
// the folder and the name each one proposed.
class FileDialogAnswers {
public:
    explicit FileDialogAnswers(QStringList answers) : m_answers(std::move(answers)) {
        m_previous = SetModalHandler([this](QDialog &dialog) {
            auto &files = static_cast<QFileDialog &>(dialog);
            folders << files.directory().absolutePath();
            const QStringList selected = files.selectedFiles();
            proposedNames << (selected.isEmpty() ? QString()
                                                 : QFileInfo(selected.first()).fileName());
            const QString answer = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
            if (answer.isEmpty())
                return int(QDialog::Rejected);
            files.selectFile(answer);
            return int(QDialog::Accepted);
        });
    }
    ~FileDialogAnswers() { SetModalHandler(m_previous); }
    QStringList folders;
    QStringList proposedNames;

private:
    QStringList m_answers;
    ModalHandler m_previous;
};

QByteArray Contents(const QString &path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteLines(const QString &path, const std::vector<std::string> &lines) {
    std::ofstream(path.toStdString(), std::ios::binary) << DataFileBytes(lines);
}

void WriteBytes(const std::string &path, const std::string &bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::vector<std::string> kSavedCase = {
    "korvane 3.6", "1", "0",   "5",    "0",   "111",        "3000", "1",
    "4",           "4", "130", "3000", "500", "件名を入力", "0",    "－１－"};

QStringList Texts(const std::vector<std::string> &lines) {
    QStringList texts;
    for (const std::string &line : lines)
        texts << QString::fromStdString(line);
    return texts;
}

// The text of the one exception an open throws, or empty when it throws none.
QString OpenFailure(MainWindow &form, DesignCaseFiles &files, const std::string &path) {
    try {
        OpenDesignCaseFile(form, files, path);
    } catch (const std::exception &error) {
        return QString::fromUtf8(error.what());
    }
    return {};
}

const std::vector<std::string> kFormat30Case = {
    "korvane for win", "1",  "2",     "1", "130", "3000", "2", "5", "4", "150", "1470", "0",
    "倉庫棟",          "21", "－３－"};

} // namespace

class DataFiles : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<MainWindow> m_form;
    std::unique_ptr<DesignCaseFiles> m_files;
    QTemporaryDir m_dir;

    QString Path(const QString &name) const { return m_dir.filePath(name); }

private slots:
    void init();
    void cleanup();
    void savedDefaultCaseIsTheCurrentFormat();
    void openThenSaveUnderAnotherNameGivesTheSameFile();
    void olderFormatIsSavedInTheCurrentFormat();
    void px100WithK35AsksForTheCoatingAgain();
    void proposedFoldersAndNames();
    void cancellingChangesNothing();
    void unreadableFileKeepsTheWindow();
    void nastyFilesAreRefusedNamingTheFile_data();
    void nastyFilesAreRefusedNamingTheFile();
    void damagedFilesAreOpenedWithOneWarning_data();
    void damagedFilesAreOpenedWithOneWarning();
    void fileWithANameThatIsNotUtf8();
    void negativeLoadFromAFileIsRefusedByTheCalculateCommand_data();
    void negativeLoadFromAFileIsRefusedByTheCalculateCommand();
    void failedSaveLeavesTheOldFile();
    void staleTemporaryFileGoesWithTheNextSave();
    void unreadableFileByTheButtonIsShownAndTheWindowWorks();
    void dialogsAreBuiltOnFirstUseOverTheirOwner();
    void fileListSpeaksJapaneseInWholeColumns();
};

void DataFiles::dialogsAreBuiltOnFirstUseOverTheirOwner() {
    m_files->SetDialogOwner(m_form.get());
    QVERIFY(!m_files->openDialog.IsBuilt());
    QVERIFY(!m_files->saveDialog.IsBuilt());
    FileDialogAnswers answers({QString()});
    OpenDesignCase(*m_form, *m_files);
    QVERIFY(m_files->openDialog.IsBuilt());
    QVERIFY(!m_files->saveDialog.IsBuilt());
    QCOMPARE(m_files->openDialog->parentWidget(), m_form.get());
    QCOMPARE(answers.folders, QStringList{QDir::homePath()});
}

// Sizes, types and dates in Japanese, each column as wide as its longest text.
void DataFiles::fileListSpeaksJapaneseInWholeColumns() {
    QDir(m_dir.path()).mkdir("folder");
    QFile small(Path("small.fdt"));
    QVERIFY(small.open(QIODevice::WriteOnly));
    small.write("ab");
    small.close();
    QFile large(Path("large.fdt"));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(3 * 1024 + 512, 'x'));
    large.close();

    std::unique_ptr<QFileDialog> dialog(
        MakeDesignCaseDialog(m_form.get(), QFileDialog::AcceptOpen));
    dialog->setDirectory(m_dir.path());
    dialog->show();
    auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
    QVERIFY(view);
    QAbstractItemModel *list = view->model();
    QCOMPARE(list, dialog->proxyModel());
    const auto rowOf = [&](const QString &name) -> int {
        const QModelIndex root = view->rootIndex();
        for (int row = 0; row < list->rowCount(root); ++row)
            if (list->index(row, 0, root).data().toString() == name)
                return row;
        return -1;
    };
    QTRY_VERIFY(rowOf("folder") >= 0 && rowOf("small.fdt") >= 0 && rowOf("large.fdt") >= 0);
    const QModelIndex root = view->rootIndex();
    const auto text = [&](const QString &name, int column) {
        return list->index(rowOf(name), column, root).data().toString();
    };
    QCOMPARE(text("folder", 2), QStringLiteral("フォルダー"));
    QCOMPARE(text("folder", 1), QString());
    QCOMPARE(text("small.fdt", 1), QStringLiteral("2 バイト"));
    QCOMPARE(text("large.fdt", 1), QStringLiteral("3.5 KB"));
    QCOMPARE(text("small.fdt", 2), QStringLiteral("fdt ファイル"));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d$"))
                .match(text("small.fdt", 3))
                .hasMatch());

    const QFontMetrics metrics(view->font());
    for (int column : {1, 2, 3}) {
        int widest = 0;
        for (const QString &name :
             {QStringLiteral("folder"), QStringLiteral("small.fdt"), QStringLiteral("large.fdt")})
            widest = std::max(widest, metrics.horizontalAdvance(text(name, column)));
        QVERIFY2(view->header()->sectionSize(column) > widest,
                 qPrintable(QStringLiteral("column %1").arg(column)));
    }
}

void DataFiles::init() {
    m_form = MakeReadyForm();
    m_files = std::make_unique<DesignCaseFiles>();
}

void DataFiles::cleanup() {
    m_files.reset();
    m_form.reset();
}

void DataFiles::savedDefaultCaseIsTheCurrentFormat() {
    FileDialogAnswers answers({Path("a.fdt")});
    SaveDesignCase(*m_form, *m_files);
    QCOMPARE(answers.proposedNames, QStringList{QStringLiteral("Data.fdt")});
    const std::string expected =
        DataFileBytes({"korvane 3.6", "1", "0", "5", "0", "111", "2500", "1", "4", "4", "130",
                       "1470", "0", "件名を入力", "0", "－１－"});
    QCOMPARE(Contents(Path("a.fdt")), QByteArray::fromStdString(expected));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("フラットデッキ構造計算プログラム"));
}

void DataFiles::openThenSaveUnderAnotherNameGivesTheSameFile() {
    WriteLines(Path("a.fdt"), {"korvane 3.6", "0", "2", "3", "4", "333", "5200", "3", "9", "6",
                               "250", "2000", "500", "事務所棟", "22", "－７－"});
    FileDialogAnswers answers({Path("a.fdt"), Path("b.fdt")});
    OpenDesignCase(*m_form, *m_files);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Korvane for Win [") + Path("a.fdt") + "]");
    QCOMPARE(Widget<QLineEdit>(*m_form, "unitWeightField")->text(), QStringLiteral("333"));
    SaveDesignCase(*m_form, *m_files);
    QCOMPARE(Contents(Path("b.fdt")), Contents(Path("a.fdt")));
}

void DataFiles::olderFormatIsSavedInTheCurrentFormat() {
    WriteLines(Path("old.fdt"), kFormat30Case);
    FileDialogAnswers answers({Path("old.fdt"), Path("new.fdt")});
    OpenDesignCase(*m_form, *m_files);
    SaveDesignCase(*m_form, *m_files);
    const auto lines = DataFileLinesFromBytes(Contents(Path("new.fdt")).toStdString());
    QCOMPARE(lines.size(), size_t(16));
    QCOMPARE(lines[0], std::string("korvane 3.6"));
    QCOMPARE(lines[1], std::string("0"));
    QCOMPARE(lines[6], std::string("3000"));
    QCOMPARE(lines[13], std::string("倉庫棟"));
    QCOMPARE(lines[14], std::string("21"));
}

void DataFiles::px100WithK35AsksForTheCoatingAgain() {
    // Format 3.1: PX100 is model 3; coating 3 is K35.
    WriteLines(Path("px100.fdt"), {"korvane 3.1", "3", "0", "3", "150", "2500", "1", "4", "4",
                                   "130", "1470", "0", "件名を入力", "0", "－１－"});
    MessageRecorder messages;
    FileDialogAnswers answers({Path("px100.fdt")});
    OpenDesignCase(*m_form, *m_files);
    QVERIFY(messages.texts.contains(QStringLiteral(
        "PX100の表面処理「K35」は廃止されました。\n表面処理を選択し直してください。")));
    QCOMPARE(Widget<korvane::DropDownList>(*m_form, "coatingList")->currentIndex(), -1);
    DesignCase record;
    record = m_form->ReadCase();
    QCOMPARE(record.coatingCode, 0);
    QCOMPARE(record.deckModel, 0);
}

void DataFiles::proposedFoldersAndNames() {
    QDir(m_dir.path()).mkdir("one");
    QDir(m_dir.path()).mkdir("two");
    WriteLines(Path("one/A.txt"), kFormat30Case);
    FileDialogAnswers answers(
        {Path("one/A.txt"), QString(), Path("two/B.fdt"), QString(), QString()});
    OpenDesignCase(*m_form, *m_files);
    SaveDesignCase(*m_form, *m_files); // cancelled
    SaveDesignCase(*m_form, *m_files); // saved as B
    SaveDesignCase(*m_form, *m_files); // cancelled
    OpenDesignCase(*m_form, *m_files); // cancelled
    QCOMPARE(answers.folders.at(1), QDir(Path("one")).absolutePath());
    QCOMPARE(answers.proposedNames.at(1), QStringLiteral("A.fdt"));
    QCOMPARE(answers.folders.at(3), QDir(Path("two")).absolutePath());
    QCOMPARE(answers.proposedNames.at(3), QStringLiteral("B.fdt"));
    QCOMPARE(answers.folders.at(4), QDir(Path("one")).absolutePath());
}

void DataFiles::cancellingChangesNothing() {
    const QString title = m_form->windowTitle();
    FileDialogAnswers answers({QString()});
    OpenDesignCase(*m_form, *m_files);
    QCOMPARE(m_form->windowTitle(), title);
    QVERIFY(m_files->lastOpenName.isEmpty());
}

// A file that fails to open must not become the file that a later save proposes, or the
// user would overwrite it with the case still on the screen.
void DataFiles::unreadableFileKeepsTheWindow() {
    WriteLines(Path("good.fdt"), kFormat30Case);
    auto lines = kFormat30Case;
    lines[4] = "重い";
    WriteLines(Path("bad.fdt"), lines);
    FileDialogAnswers answers({Path("good.fdt"), Path("bad.fdt"), QString()});
    OpenDesignCase(*m_form, *m_files);
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("3100"));
    const QString title = m_form->windowTitle();
    try {
        OpenDesignCase(*m_form, *m_files);
        QFAIL("no conversion error");
    } catch (const ConversionError &error) {
        const QString text = QString::fromUtf8(error.what());
        QVERIFY2(text.contains(Path("bad.fdt")) &&
                     text.contains(QStringLiteral("5 行目 (単位重量)")) &&
                     text.contains(QStringLiteral("'重い'")),
                 qPrintable(text));
    }
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("3100"));
    QCOMPARE(m_form->windowTitle(), title);
    QCOMPARE(m_files->lastOpenName, Path("good.fdt"));
    SaveDesignCase(*m_form, *m_files); // cancelled
    QCOMPARE(answers.proposedNames.last(), QStringLiteral("good.fdt"));
}

// Each file is refused with a message naming it, without hanging or reading it whole; the
// window keeps its case and caption. (A hang fails the test through its time limit.)
void DataFiles::nastyFilesAreRefusedNamingTheFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("reason");
    const std::string dir = m_dir.path().toStdString();
    ::mkfifo((dir + "/fifo.fdt").c_str(), 0600);
    std::ofstream(dir + "/sparse.fdt").close();
    ::truncate((dir + "/sparse.fdt").c_str(), 1LL << 30);
    WriteBytes(dir + "/over.fdt", std::string(kDataFileByteCap + 1, '7'));
    WriteBytes(dir + "/line.fdt", std::string(100'000'000, '7'));
    QDir(m_dir.path()).mkdir(QStringLiteral("folder.fdt"));
    const QString tooLarge = QStringLiteral("大きすぎます");
    QTest::newRow("fifo without writer") << Path("fifo.fdt") << "通常のファイルではありません";
    QTest::newRow("/dev/zero") << "/dev/zero"
                               << "通常のファイルではありません";
    QTest::newRow("folder") << Path("folder.fdt") << "フォルダです";
    QTest::newRow("1 GiB sparse") << Path("sparse.fdt") << tooLarge;
    QTest::newRow("one byte over the cap") << Path("over.fdt") << tooLarge;
    QTest::newRow("100 MB line") << Path("line.fdt") << tooLarge;
    QTest::newRow("missing") << Path("missing.fdt") << "No such file";
}

void DataFiles::nastyFilesAreRefusedNamingTheFile() {
    QFETCH(QString, path);
    QFETCH(QString, reason);
    const QString title = m_form->windowTitle();
    FileDialogAnswers answers({path});
    QString failure;
    try {
        OpenDesignCase(*m_form, *m_files);
    } catch (const FileError &error) {
        failure = QString::fromUtf8(error.what());
    }
    QVERIFY2(failure.contains(QLatin1Char('"') + path + QLatin1Char('"')), qPrintable(failure));
    QVERIFY2(failure.contains(reason), qPrintable(failure));
    QCOMPARE(m_form->windowTitle(), title);
    QVERIFY(m_files->lastOpenName.isEmpty());
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("2500"));
}

// A damaged file still opens with the defaults its older formats rely on, but never
// silently: one message names the file, the lines and the defaults standing in.
void DataFiles::damagedFilesAreOpenedWithOneWarning_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected"); // pieces of the one message; empty: none
    QTest::addColumn<QString>("span");

    auto cut = kSavedCase;
    cut.resize(11);
    QTest::newRow("cut after the slab line")
        << Texts(cut)
        << QStringList{"ファイルが 11 行で終わっています", "作業荷重 1470 N/㎡",
                       "その他荷重 0 N/㎡"}
        << "3000";
    auto blankAfterSpan = kSavedCase;
    blankAfterSpan[6] = "3000 ";
    QTest::newRow("blank after the span")
        << Texts(blankAfterSpan)
        << QStringList{"7 行目 (スパン) の「3000 」は整数として読めません", "2500 mm"} << "2500";
    auto huge = kSavedCase;
    huge[12] = "99999999999";
    QTest::newRow("other load beyond 32 bits")
        << Texts(huge) << QStringList{"13 行目 (その他荷重)", "範囲を超える", "0 N/㎡"} << "3000";
    QTest::newRow("empty") << QStringList{} << QStringList{"ファイルが空です", "スパン 2500 mm"}
                           << "2500";
    QTest::newRow("garbage") << QStringList{"\x7f\x01garbage", "zz"}
                             << QStringList{"見出しのない最も古い形式", "1 行目 (デッキ名称)",
                                            "2 行目 (デッキ板厚)"}
                             << "2500";
    QTest::newRow("complete headerless oldest format")
        << QStringList{"1",   "2",    "3000", "2",          "5",  "4",
                       "150", "1470", "500",  "件名を入力", "11", "－１－"}
        << QStringList{} << "3000";
    QTest::newRow("saved case") << Texts(kSavedCase) << QStringList{} << "3000";
    auto longWorkLoad = kSavedCase;
    longWorkLoad[11] = "12000";
    QTest::newRow("work load beyond the field's four digits")
        << Texts(longWorkLoad)
        << QStringList{"作業荷重 のファイルの値 12000 N/㎡ は入力欄 (4 桁) に収まらない",
                       "1200 N/㎡ で計算します"}
        << "3000";
    auto shoring = kSavedCase;
    shoring[7] = "9";
    QTest::newRow("shoring code no button has")
        << Texts(shoring) << QStringList{"支保工 のファイルの値 9 は画面で選べない"} << "3000";
}

void DataFiles::damagedFilesAreOpenedWithOneWarning() {
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QFETCH(QString, span);
    std::vector<std::string> fileLines;
    for (const QString &line : lines)
        fileLines.push_back(line.toStdString());
    WriteLines(Path("case.fdt"), fileLines);
    MessageRecorder messages;
    ModalRecorder notices;
    FileDialogAnswers answers({Path("case.fdt")});
    OpenDesignCase(*m_form, *m_files);
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), span);
    QStringList warnings = messages.texts.filter(QStringLiteral("既定値"));
    if (expected.isEmpty()) {
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
        return;
    }
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0].contains(QLatin1Char('"') + Path("case.fdt") + QLatin1Char('"')));
    for (const QString &piece : expected)
        QVERIFY2(warnings[0].contains(piece), qPrintable(warnings[0]));
}

// A Shift-JIS name, as archives made on Japanese Windows hold them: read by its bytes,
// named readably in the caption.
void DataFiles::fileWithANameThatIsNotUtf8() {
    const std::string name = m_dir.path().toStdString() + "/\x83\x66\x81\x5b\x83\x5e.fdt";
    WriteBytes(name, DataFileBytes(kSavedCase));
    QCOMPARE(OpenFailure(*m_form, *m_files, name), QString());
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("3000"));
    const QString title = m_form->windowTitle();
    ::unlink(name.c_str()); // the temporary folder's clean-up cannot name it
    QVERIFY2(title.endsWith(QStringLiteral("/データ.fdt]")), qPrintable(title));
}

// A negative load lowers the total load and would pass every check: the calculate command
// refuses it after the nine range checks and puts the focus on its field.
void DataFiles::negativeLoadFromAFileIsRefusedByTheCalculateCommand_data() {
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("field");
    QTest::newRow("work load") << 11 << "-2147483648"
                               << "作業荷重に負の値"
                               << "workLoadField";
    QTest::newRow("other load") << 12 << "-9000"
                                << "その他荷重に負の値"
                                << "otherLoadField";
}

void DataFiles::negativeLoadFromAFileIsRefusedByTheCalculateCommand() {
    QFETCH(int, line);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(QString, field);
    auto lines = kSavedCase;
    lines[line] = value.toStdString();
    WriteLines(Path("negative.fdt"), lines);
    FileDialogAnswers answers({Path("negative.fdt")});
    OpenDesignCase(*m_form, *m_files);
    MessageRecorder messages;
    QVERIFY(!m_form->PreCheckInputs());
    QCOMPARE(messages.texts.size(), 1);
    QVERIFY2(messages.texts[0].contains(message), qPrintable(messages.texts[0]));
    QLineEdit *expected = field == "workLoadField" ? Widget<QLineEdit>(*m_form, "workLoadField")
                                                   : Widget<QLineEdit>(*m_form, "otherLoadField");
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(expected));
}

// A save that fails half way must not cost the user the file that was there.
void DataFiles::failedSaveLeavesTheOldFile() {
    const QByteArray old = "old case\r\n";
    {
        QFile file(Path("keep.fdt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
    }
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 40; // a data file is longer than this
    setrlimit(RLIMIT_FSIZE, &small);
    FileDialogAnswers answers({Path("keep.fdt")});
    QString message;
    try {
        SaveDesignCase(*m_form, *m_files);
    } catch (const FileError &error) {
        message = QString::fromStdString(error.what());
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY2(message.contains(QStringLiteral("keep.fdt")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("ファイルの大きさの上限")), qPrintable(message));
    QCOMPARE(Contents(Path("keep.fdt")), old);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files),
             QStringList{QStringLiteral("keep.fdt")});
}

// A save killed between its temporary file and the rename leaves NAME.korvane-part: the
// next save of the same file takes it over, and only the saved file remains.
void DataFiles::staleTemporaryFileGoesWithTheNextSave() {
    WriteBytes(Path("keep.fdt.korvane-part").toStdString(), "left by a killed save");
    FileDialogAnswers answers({Path("keep.fdt")});
    SaveDesignCase(*m_form, *m_files);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files),
             QStringList{QStringLiteral("keep.fdt")});
    QVERIFY(Contents(Path("keep.fdt")).startsWith("korvane 3.6\r\n"));
}

// "データ読込" on a file whose unit-weight line does not read: the error is shown with the
// program's title, the inputs stay, and the next open through the button works.
void DataFiles::unreadableFileByTheButtonIsShownAndTheWindowWorks() {
    m_form->SetCaseFiles(m_files.get());
    auto lines = kFormat30Case;
    lines[4] = "重い";
    WriteLines(Path("bad.fdt"), lines);
    WriteLines(Path("good.fdt"), kFormat30Case);
    Widget<QLineEdit>(*m_form, "spanField")->setText(QStringLiteral("3100"));
    MessageRecorder messages;
    FileDialogAnswers answers({Path("bad.fdt"), Path("good.fdt")});
    Widget<QPushButton>(*m_form, "openButton")->click();
    QCOMPARE(messages.texts.size(), 1);
    QCOMPARE(messages.titles.first(), QStringLiteral("Korvane for Win"));
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("3100"));
    Widget<QPushButton>(*m_form, "openButton")->click();
    QCOMPARE(Widget<QLineEdit>(*m_form, "spanField")->text(), QStringLiteral("3000"));
}

KORVANE_UI_TEST_MAIN(DataFiles)
#include "tst_data_files.moc"
