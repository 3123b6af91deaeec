#pragma once
// The help pictures' conversion and drawing. They are built into a module of their own, with
// the metafile converter and the SVG renderer under them, which the help window loads when it
// first draws a picture (ui/ProgramModule.h): a start then maps neither the module nor
// libemf2svg, libuemf and QtSvg's renderer, which only the help pictures draw with.

#include <memory>

class QByteArray;
class QPainter;
class QRectF;
class QSvgRenderer;

namespace korvane {

struct HelpPictureDrawing {
    // The picture of a metafile's bytes (checked already), or null when the converter cannot
    // make a picture of them.
    std::shared_ptr<QSvgRenderer> (*convert)(const QByteArray &emf);
    // Draws the picture scaled into `target`, leaving undrawn parts of it as they were.
    void (*draw)(QSvgRenderer &picture, QPainter &painter, const QRectF &target);
};

// The module's file name without prefix and suffix, and the name of its entry point.
inline constexpr const char *kHelpPictureModule = "korvane_help";
inline constexpr const char *kHelpPictureEntry = "korvane_help_picture_drawing";

} // namespace korvane

// The module's entry point: the conversion and the drawing.
extern "C" const korvane::HelpPictureDrawing *korvane_help_picture_drawing();
