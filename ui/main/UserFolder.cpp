#include "ui/main/UserFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

#include <array>

namespace korvane {

namespace {

constexpr int kMaxExpandedLength = 2048;

QString EnvironmentValue(const QString &name) {
    const QByteArray value = qgetenv(name.toLocal8Bit().constData());
    if (!value.isEmpty())
        return QString::fromLocal8Bit(value);
    const QString upper = name.toUpper();
    if (upper == QLatin1String("APPDATA")) {
        const QByteArray xdg = qgetenv("XDG_DATA_HOME");
        if (!xdg.isEmpty())
            return QString::fromLocal8Bit(xdg);
        return QDir::homePath() + QStringLiteral("/.local/share");
    }
    if (upper == QLatin1String("USERPROFILE"))
        return QDir::homePath();
    return {};
}

// Writes 311 over the file's first four bytes.
void WriteMarkerValue(QFile &file) {
    std::array<char, 4> bytes{};
    qToLittleEndian<qint32>(kMarkerValue, bytes.data());
    file.seek(0);
    file.write(bytes.data(), bytes.size());
}

void BringMarkerUpToDate(const QString &markerFile) {
    QFile file(markerFile);
    if (!file.open(QIODevice::ReadWrite))
        return;
    if (file.size() == 0) {
        WriteMarkerValue(file);
        return;
    }
    std::array<char, 4> bytes{};
    // A file of fewer than four bytes counts as differing, so that it then starts with 311.
    const qint64 got = file.read(bytes.data(), bytes.size());
    const qint32 value = qFromLittleEndian<qint32>(bytes.data());
    if (got < 4 || QString::number(value) != QString::number(kMarkerValue))
        WriteMarkerValue(file);
}

} // namespace

// Each %NAME% (a name of one or more characters between two percent signs, taken from left
// to right) is replaced by the variable's value; a reference whose variable is unset or
// empty stays as written. Scanned by hand rather than with a regular expression: the
// expression engine would be set up at every start only for this one folder name.
QString ExpandEnvironmentText(const QString &text) {
    const QChar percent = QLatin1Char('%');
    QString result;
    qsizetype copied = 0;
    qsizetype open = text.indexOf(percent);
    while (open >= 0) {
        const qsizetype close = text.indexOf(percent, open + 1);
        if (close < 0)
            break;
        if (close == open + 1) { // "%%": the second sign may open a reference
            open = close;
            continue;
        }
        const QString reference = text.mid(open, close - open + 1);
        const QString value = EnvironmentValue(text.mid(open + 1, close - open - 1));
        result += text.mid(copied, open - copied);
        result += value.isEmpty() ? reference : value;
        copied = close + 1;
        open = text.indexOf(percent, copied);
    }
    result += text.mid(copied);
    return result.left(kMaxExpandedLength);
}

QString UserFolderOf(const QString &expandedAppData) {
    return expandedAppData + QStringLiteral("/Arvel_DeckPlate");
}

QString MarkerFileOf(const QString &userFolder) {
    return userFolder + QStringLiteral("/korvane.dat");
}

bool UpdateMarkerFile(const QString &userFolder, const std::function<void()> &showNotice) {
    const QString markerFile = MarkerFileOf(userFolder);
    const bool firstStart = !QFileInfo(userFolder).isDir() || !QFileInfo::exists(markerFile);
    if (firstStart) {
        showNotice();
        if (!QFileInfo(userFolder).isDir())
            QDir().mkpath(userFolder);
        if (!QFileInfo::exists(markerFile)) {
            QFile created(markerFile);
            if (created.open(QIODevice::WriteOnly))
                created.close();
        }
    }
    BringMarkerUpToDate(markerFile);
    return firstStart;
}

} // namespace korvane
