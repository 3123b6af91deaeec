#include "ui/help/HelpPictureDrawing.h"

#include "formats/EmfConversion.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QtGlobal>

#include <string>
#include <string_view>

namespace korvane {
namespace {

std::shared_ptr<QSvgRenderer> ConvertPicture(const QByteArray &emf) {
    // The SVG text lives only until the renderer has read it.
    const std::string converted =
        EmfToSvg(std::string_view(emf.constData(), std::size_t(emf.size())));
    if (converted.empty())
        return nullptr;
    auto renderer = std::make_shared<QSvgRenderer>(
        QByteArray::fromRawData(converted.data(), qsizetype(converted.size())));
    if (!renderer->isValid())
        return nullptr;
    return renderer;
}

void DrawPicture(QSvgRenderer &picture, QPainter &painter, const QRectF &target) {
    picture.render(&painter, target);
}

constexpr HelpPictureDrawing kDrawing{ConvertPicture, DrawPicture};

} // namespace
} // namespace korvane

extern "C" Q_DECL_EXPORT const korvane::HelpPictureDrawing *korvane_help_picture_drawing() {
    return &korvane::kDrawing;
}
