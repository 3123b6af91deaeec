#pragma once
// Enhanced metafile pictures (the help pictures). The metafile is checked here, then turned
// into SVG by the converter of formats/ and drawn by QSvgRenderer, scaled to the size asked
// for and transparent: only what the picture draws covers the target. The conversion and the
// drawing are in the help pictures' module (HelpPictureDrawing.h), loaded with the first
// picture converted; a module that cannot be loaded is a FileError like a picture that
// cannot be converted.

#include <QByteArray>
#include <QRectF>
#include <QString>

#include <memory>

class QPainter;
class QSvgRenderer;

namespace korvane {

class EmfPicture {
public:
    // Reads and converts the metafile at `path`. Throws FileError, naming the file, when it
    // cannot be read or is not a picture. The file is read at every call; the conversion of
    // a file whose bytes are those of an earlier call is reused, so that switching between
    // help pages does not convert the same picture again.
    static EmfPicture Load(const QString &path);

    // The two halves of Load: reading the file, which throws FileError when it cannot be
    // read or is not a well-formed metafile, and the conversion of what was read, which
    // throws FileError when the converter cannot make a picture of it.
    static QByteArray ReadFile(const QString &path);
    static EmfPicture Convert(const QString &path, const QByteArray &emf);

    bool IsNull() const { return !m_renderer; }

    // Draws the picture scaled into `target`, leaving undrawn parts of it as they were.
    void Draw(QPainter &painter, const QRectF &target) const;

private:
    std::shared_ptr<QSvgRenderer> m_renderer;
};

} // namespace korvane
