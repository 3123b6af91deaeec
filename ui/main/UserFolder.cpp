#include "ui/main/UserFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

QString ExpandEnvironmentText(const QString &text) {
    static const QRegularExpression reference(QStringLiteral("%([^%]+)%"));
    QString result;
    qsizetype last = 0;
    for (auto it = reference.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += text.mid(last, match.capturedStart() - last);
        const QString value = EnvironmentValue(match.captured(1));
        result += value.isEmpty() ? match.captured(0) : value;
        last = match.capturedEnd();
    }
    result += text.mid(last);
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
