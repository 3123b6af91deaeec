// Opening and saving design cases through the dialogs, as a user does it.

#include "UiTestSupport.h"

#include "core/DataFile.h"
#include "core/Errors.h"
#include "ui/Controls.h"
#include "ui/Udata_IO.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTreeView>
#include <QLineEdit>
#include <QTemporaryDir>

#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace korvane;
using namespace korvane::testing;

namespace {

// Answers the next file dialogs with the given paths (an empty path cancels) and records
// the folder and the name each one proposed.
class FileDialogAnswers {
public:
    explicit FileDialogAnswers(QStringList answers) : m_answers(std::move(answers))
    {
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

QByteArray Contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteLines(const QString &path, const std::vector<std::string> &lines)
{
    std::ofstream(path.toStdString(), std::ios::binary) << DataFileBytes(lines);
}

const std::vector<std::string> kFormat30Case = {"korvane for win", "1", "2", "1", "130",
                                                "3000", "2", "5", "4", "150", "1470", "0",
                                                "倉庫棟", "21", "－３－"};

} // namespace

class DataFiles : public QObject {
    Q_OBJECT
    TemporaryAppData m_appData;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TForm6> m_files;
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
    void failedSaveLeavesTheOldFile();
    void extensionIsReplaced_data();
    void extensionIsReplaced();
    void dialogsAreBuiltOnFirstUseOverTheirOwner();
    void fileListSpeaksJapaneseInWholeColumns();
};

void DataFiles::dialogsAreBuiltOnFirstUseOverTheirOwner()
{
    m_files->SetDialogOwner(m_form.get());
    QVERIFY(!m_files->OpenDialog1.IsBuilt());
    QVERIFY(!m_files->SaveDialog1.IsBuilt());
    FileDialogAnswers answers({QString()});
    OpenDesignCase(*m_form, *m_files);
    QVERIFY(m_files->OpenDialog1.IsBuilt());
    QVERIFY(!m_files->SaveDialog1.IsBuilt());
    QCOMPARE(m_files->OpenDialog1->parentWidget(), m_form.get());
    QCOMPARE(answers.folders, QStringList{QDir::homePath()});
}

// Sizes, types and dates in Japanese, each column as wide as its longest text.
void DataFiles::fileListSpeaksJapaneseInWholeColumns()
{
    QDir(m_dir.path()).mkdir("folder");
    QFile small(Path("small.fdt"));
    QVERIFY(small.open(QIODevice::WriteOnly));
    small.write("ab");
    small.close();
    QFile large(Path("large.fdt"));
    QVERIFY(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(3 * 1024 + 512, 'x'));
    large.close();

    std::unique_ptr<QFileDialog> dialog(MakeDesignCaseDialog(m_form.get(),
                                                             QFileDialog::AcceptOpen));
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
        for (const QString &name : {QStringLiteral("folder"), QStringLiteral("small.fdt"),
                                    QStringLiteral("large.fdt")})
            widest = std::max(widest, metrics.horizontalAdvance(text(name, column)));
        QVERIFY2(view->header()->sectionSize(column) > widest,
                 qPrintable(QStringLiteral("column %1").arg(column)));
    }
}

void DataFiles::init()
{
    m_form = MakeReadyForm();
    m_files = std::make_unique<TForm6>();
}

void DataFiles::cleanup()
{
    m_files.reset();
    m_form.reset();
}

void DataFiles::savedDefaultCaseIsTheCurrentFormat()
{
    FileDialogAnswers answers({Path("a.fdt")});
    SaveDesignCase(*m_form, *m_files);
    QCOMPARE(answers.proposedNames, QStringList{QStringLiteral("Data.fdt")});
    const std::string expected = DataFileBytes({"korvane 3.6", "1", "0", "5", "0", "111",
                                                "2500", "1", "4", "4", "130", "1470", "0",
                                                "件名を入力", "0", "－１－"});
    QCOMPARE(Contents(Path("a.fdt")), QByteArray::fromStdString(expected));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("フラットデッキ構造計算プログラム"));
}

void DataFiles::openThenSaveUnderAnotherNameGivesTheSameFile()
{
    WriteLines(Path("a.fdt"), {"korvane 3.6", "0", "2", "3", "4", "333", "5200", "3", "9", "6",
                               "250", "2000", "500", "事務所棟", "22", "－７－"});
    FileDialogAnswers answers({Path("a.fdt"), Path("b.fdt")});
    OpenDesignCase(*m_form, *m_files);
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Korvane for Win [") + Path("a.fdt") + "]");
    QCOMPARE(m_form->Edit99->text(), QStringLiteral("333"));
    SaveDesignCase(*m_form, *m_files);
    QCOMPARE(Contents(Path("b.fdt")), Contents(Path("a.fdt")));
}

void DataFiles::olderFormatIsSavedInTheCurrentFormat()
{
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

void DataFiles::px100WithK35AsksForTheCoatingAgain()
{
    // Format 3.1: PX100 is model 3; coating 3 is K35.
    WriteLines(Path("px100.fdt"), {"korvane 3.1", "3", "0", "3", "150", "2500", "1", "4", "4",
                                   "130", "1470", "0", "件名を入力", "0", "－１－"});
    MessageRecorder messages;
    FileDialogAnswers answers({Path("px100.fdt")});
    OpenDesignCase(*m_form, *m_files);
    QVERIFY(messages.texts.contains(
        QStringLiteral("PX100の表面処理「K35」は廃止されました。\n表面処理を選択し直してください。")));
    QCOMPARE(m_form->ComboBox7->currentIndex(), -1);
    CInputData record;
    ReadInputData(*m_form, record);
    QCOMPARE(record.coatingCode, 0);
    QCOMPARE(record.deckModel, 0);
}

void DataFiles::proposedFoldersAndNames()
{
    QDir(m_dir.path()).mkdir("one");
    QDir(m_dir.path()).mkdir("two");
    WriteLines(Path("one/A.txt"), kFormat30Case);
    FileDialogAnswers answers({Path("one/A.txt"), QString(), Path("two/B.fdt"), QString(),
                               QString()});
    OpenDesignCase(*m_form, *m_files);
    SaveDesignCase(*m_form, *m_files);   // cancelled
    SaveDesignCase(*m_form, *m_files);   // saved as B
    SaveDesignCase(*m_form, *m_files);   // cancelled
    OpenDesignCase(*m_form, *m_files);   // cancelled
    QCOMPARE(answers.folders.at(1), QDir(Path("one")).absolutePath());
    QCOMPARE(answers.proposedNames.at(1), QStringLiteral("A.fdt"));
    QCOMPARE(answers.folders.at(3), QDir(Path("two")).absolutePath());
    QCOMPARE(answers.proposedNames.at(3), QStringLiteral("B.fdt"));
    QCOMPARE(answers.folders.at(4), QDir(Path("one")).absolutePath());
}

void DataFiles::cancellingChangesNothing()
{
    const QString title = m_form->windowTitle();
    FileDialogAnswers answers({QString()});
    OpenDesignCase(*m_form, *m_files);
    QCOMPARE(m_form->windowTitle(), title);
    QVERIFY(m_files->lastOpenName.isEmpty());
}

void DataFiles::unreadableFileKeepsTheWindow()
{
    auto lines = kFormat30Case;
    lines[4] = "重い";
    WriteLines(Path("bad.fdt"), lines);
    m_form->Edit1->setText(QStringLiteral("3100"));
    FileDialogAnswers answers({Path("bad.fdt")});
    QVERIFY_THROWS_EXCEPTION(ConversionError, OpenDesignCase(*m_form, *m_files));
    QCOMPARE(m_form->Edit1->text(), QStringLiteral("3100"));
    QVERIFY(m_form->windowTitle().contains(QStringLiteral("bad.fdt")));
}

// A save that fails half way must not cost the user the file that was there.
void DataFiles::failedSaveLeavesTheOldFile()
{
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
    bool failed = false;
    try {
        SaveDesignCase(*m_form, *m_files);
    } catch (const FileError &error) {
        failed = QString::fromStdString(error.what()).contains(QStringLiteral("keep.fdt"));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(failed);
    QCOMPARE(Contents(Path("keep.fdt")), old);
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files),
             QStringList{QStringLiteral("keep.fdt")});
}

void DataFiles::extensionIsReplaced_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("fdt") << "case.fdt" << "case.fdt";
    QTest::newRow("other") << "case.txt" << "case.fdt";
    QTest::newRow("two dots") << "site.v2.bak" << "site.v2.fdt";
    QTest::newRow("no dot") << "case" << "case.fdt";
}

void DataFiles::extensionIsReplaced()
{
    QFETCH(QString, name);
    QFETCH(QString, proposed);
    QCOMPARE(WithFdtExtension(name), proposed);
}

KORVANE_UI_TEST_MAIN(DataFiles)
#include "tst_data_files.moc"
