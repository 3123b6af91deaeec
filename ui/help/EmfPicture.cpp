#include "ui/help/EmfPicture.h"

#include "core/Errors.h"
#include "formats/EmfConversion.h"
#include "ui/ProgramModule.h"
#include "ui/help/HelpPictureDrawing.h"

#include <QCryptographicHash>
#include <QFile>

#include <deque>
#include <stdexcept>
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

// The conversion and drawing, from their module, loaded when the first picture is converted
// (built into the program on Windows).
const HelpPictureDrawing &Drawing() {
#if defined(_WIN32)
    return *korvane_help_picture_drawing();
#else
    return ProgramModuleTable<HelpPictureDrawing>(kHelpPictureModule, kHelpPictureEntry);
#endif
}

// The drawing, or a FileError when its module cannot be loaded: the help window reports it
// as it reports a picture it cannot draw.
const HelpPictureDrawing &DrawingForPictures() {
    try {
        return Drawing();
    } catch (const FileError &) {
        throw;
    } catch (const std::runtime_error &error) {
        throw FileError(error.what());
    }
}

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
    picture.m_renderer = DrawingForPictures().convert(emf);
    if (!picture.m_renderer)
        ThrowNotAPicture(path);
    if (cache.size() == kCachedPictures)
        cache.pop_front();
    cache.push_back({path, digest, picture});
    return picture;
}

void EmfPicture::Draw(QPainter &painter, const QRectF &target) const {
    if (m_renderer)
        Drawing().draw(*m_renderer, painter, target); // loaded: it made the picture
}

} // namespace korvane
