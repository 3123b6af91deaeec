// Where the program finds its help pictures and summary text: beside it in the build tree,
// under the shared data folder once installed.

#include "ui/DataFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class DataFolderPlace : public QObject {
    Q_OBJECT

private slots:
    void besideTheProgramWhenItIsThere();
    void installedPlaceOtherwise();
};

void DataFolderPlace::besideTheProgramWhenItIsThere() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin/load_data")));
    QCOMPARE(korvane::DataFolderFor(root.filePath(QStringLiteral("bin")),
                                    QStringLiteral("../share/korvane/load_data")),
             root.filePath(QStringLiteral("bin/load_data/")));
}

void DataFolderPlace::installedPlaceOtherwise() {
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    QCOMPARE(korvane::DataFolderFor(root.filePath(QStringLiteral("bin")),
                                    QStringLiteral("../share/korvane/load_data")),
             root.filePath(QStringLiteral("share/korvane/load_data/")));
}

QTEST_GUILESS_MAIN(DataFolderPlace)
#include "tst_data_folder.moc"
