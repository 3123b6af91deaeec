#include "ui/help/EmfPicture.h"

#include "core/Errors.h"
#include "formats/EmfConversion.h"

#include <QCryptographicHash>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <deque>
#include <string>
#include <string_view>

namespace korvane {

namespace {

std::string_view BytesOf(const QByteArray &bytes) {
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

// The pictures converted last, by file path and content: there are seven help pictures.
// The content is known by its digest, so that the cache holds only the renderers, not a
// second copy of every file's bytes.
struct ConvertedPicture {
    QString path;
    QByteArray digest;
    EmfPicture picture;
};

QByteArray DigestOf(const QByteArray &emf) {
    return QCryptographicHash::hash(emf, QCryptographicHash::Sha256);
}
constexpr std::size_t kCachedPictures = 8;

std::deque<ConvertedPicture> &ConvertedPictures() {
    static std::deque<ConvertedPicture> pictures;
    return pictures;
}

} // namespace

EmfPicture EmfPicture::Load(const QString &path) {
    return Convert(path, ReadFile(path));
}

namespace {

[[noreturn]] void ThrowNotAPicture(const QString &path) {
    throw FileError(QStringLiteral("ヘルプ画像ファイル \"%1\" は読み込めない形式です。")
                        .arg(path)
                        .toStdString());
}

} // namespace

QByteArray EmfPicture::ReadFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(
            QStringLiteral("ヘルプ画像ファイル \"%1\" を開けません。").arg(path).toStdString());
    QByteArray emf = file.readAll();
    if (!IsWellFormedEmf(BytesOf(emf)))
        ThrowNotAPicture(path);
    return emf;
}

EmfPicture EmfPicture::Convert(const QString &path, const QByteArray &emf) {
    auto &cache = ConvertedPictures();
    const QByteArray digest = DigestOf(emf);
    for (const ConvertedPicture &c : cache) {
        if (c.path == path && c.digest == digest)
            return c.picture;
    }
    EmfPicture picture;
    {
        // The SVG text lives only until the renderer has read it.
        const std::string converted = EmfToSvg(BytesOf(emf));
        if (converted.empty())
            ThrowNotAPicture(path);
        picture.m_renderer = std::make_shared<QSvgRenderer>(
            QByteArray::fromRawData(converted.data(), qsizetype(converted.size())));
    }
    if (!picture.m_renderer->isValid())
        ThrowNotAPicture(path);
    if (cache.size() == kCachedPictures)
        cache.pop_front();
    cache.push_back({path, digest, picture});
    return picture;
}

void EmfPicture::Draw(QPainter &painter, const QRectF &target) const {
    if (m_renderer)
        m_renderer->render(&painter, target);
}

} // namespace korvane
