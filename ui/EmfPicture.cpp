#include "ui/EmfPicture.h"

#include "core/Errors.h"

#include <emf2svg.h>

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdint>
#include <cstdlib>
#include <deque>

namespace korvane {

namespace {

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr qsizetype kMinHeaderSize = 88;

std::uint32_t ReadU32(const QByteArray &bytes, qsizetype at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData() + at);
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

// A block of the header that the converter reads must lie inside the header.
bool HeaderPartFits(std::uint32_t headerSize, std::uint32_t offset, std::uint64_t length)
{
    return length == 0 || (offset >= kMinHeaderSize && offset + length <= headerSize);
}

// The converter reads the description as a UTF-16 text up to a zero character, whatever
// its stated length, so one must follow inside the header.
bool DescriptionFits(const QByteArray &emf, std::uint32_t headerSize)
{
    const std::uint32_t length = ReadU32(emf, 60);
    const std::uint32_t offset = ReadU32(emf, 64);
    if (length == 0 && offset == 0)
        return true; // no description: the record's type, 1, ends in a zero character
    if (offset < kMinHeaderSize || offset >= headerSize ||
        !HeaderPartFits(headerSize, offset, std::uint64_t(length) * 2))
        return false;
    for (qsizetype at = offset; at + 1 < qsizetype(headerSize); at += 2) {
        if (emf[at] == 0 && emf[at + 1] == 0)
            return true;
    }
    return false;
}

// libemf2svg trusts the sizes and offsets it reads, so a damaged file is refused here: a
// header record with the metafile signature whose description and pixel format lie inside
// it, then records of whole 4-byte units that lie within the file, up to an end-of-file
// record.
bool IsWellFormedEmf(const QByteArray &emf)
{
    if (emf.size() < kMinHeaderSize || ReadU32(emf, 0) != kEmrHeader ||
        ReadU32(emf, 40) != kEmfSignature)
        return false;
    const std::uint32_t headerSize = ReadU32(emf, 4);
    if (headerSize < kMinHeaderSize || headerSize > std::uint32_t(emf.size()))
        return false;
    if (!DescriptionFits(emf, headerSize))
        return false;
    if (headerSize >= 100 && !HeaderPartFits(headerSize, ReadU32(emf, 92), ReadU32(emf, 88)))
        return false;
    qsizetype at = 0;
    while (at + 8 <= emf.size()) {
        const std::uint32_t type = ReadU32(emf, at);
        const std::uint32_t size = ReadU32(emf, at + 4);
        if (size < 8 || size % 4 != 0 || size > std::uint32_t(emf.size() - at))
            return false;
        if (type == kEmrEof)
            return true;
        at += size;
    }
    return false;
}

} // namespace

QByteArray EmfToSvg(const QByteArray &emf)
{
    if (!IsWellFormedEmf(emf))
        return {};
    QByteArray input = emf; // the converter takes a writable buffer
    generatorOptions options{};
    options.nameSpace = const_cast<char *>("");
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char *out = nullptr;
    size_t outLength = 0;
    const int ok = emf2svg(input.data(), size_t(input.size()), &out, &outLength, &options);
    QByteArray svg;
    if (ok && out)
        svg = QByteArray(out, qsizetype(outLength));
    std::free(out);
    return svg;
}

namespace {

// The pictures converted last, by file path and content: there are seven help pictures.
struct ConvertedPicture {
    QString path;
    QByteArray emf;
    EmfPicture picture;
};
constexpr std::size_t kCachedPictures = 8;

std::deque<ConvertedPicture> &ConvertedPictures()
{
    static std::deque<ConvertedPicture> pictures;
    return pictures;
}

} // namespace

EmfPicture EmfPicture::Load(const QString &path)
{
    return Convert(path, ReadFile(path));
}

namespace {

[[noreturn]] void ThrowNotAPicture(const QString &path)
{
    throw FileError(QStringLiteral("ヘルプ画像ファイル \"%1\" は読み込めない形式です。")
                        .arg(path)
                        .toStdString());
}

} // namespace

QByteArray EmfPicture::ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(QStringLiteral("ヘルプ画像ファイル \"%1\" を開けません。").arg(path)
                            .toStdString());
    QByteArray emf = file.readAll();
    if (!IsWellFormedEmf(emf))
        ThrowNotAPicture(path);
    return emf;
}

EmfPicture EmfPicture::Convert(const QString &path, const QByteArray &emf)
{
    auto &cache = ConvertedPictures();
    for (const ConvertedPicture &c : cache) {
        if (c.path == path && c.emf == emf)
            return c.picture;
    }
    const QByteArray svg = EmfToSvg(emf);
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

void EmfPicture::Draw(QPainter &painter, const QRectF &target) const
{
    if (m_renderer)
        m_renderer->render(&painter, target);
}

} // namespace korvane
