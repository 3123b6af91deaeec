#include "ui/help/EmfPicture.h"

#include "core/Errors.h"
#include "formats/EmfConversion.h"

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
struct ConvertedPicture {
    QString path;
    QByteArray emf;
    EmfPicture picture;
};
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
    for (const ConvertedPicture &c : cache) {
        if (c.path == path && c.emf == emf)
            return c.picture;
    }
    const std::string converted = EmfToSvg(BytesOf(emf));
    const QByteArray svg(converted.data(), qsizetype(converted.size()));
    auto renderer = std::make_shared<QSvgRenderer>(svg);
    if (svg.isEmpty() || !renderer->isValid())
        ThrowNotAPicture(path);
    EmfPicture picture;
    picture.m_svg = svg;
    picture.m_renderer = std::move(renderer);
    if (cache.size() == kCachedPictures)
        cache.pop_front();
    cache.push_back({path, emf, picture});
    return picture;
}

void EmfPicture::Draw(QPainter &painter, const QRectF &target) const {
    if (m_renderer)
        m_renderer->render(&painter, target);
}

} // namespace korvane
