#pragma once
// Colours and fonts shared by the windows.

#include <QColor>
#include <QFont>

class QAbstractButton;
class QWidget;

namespace korvane {

inline const QColor kWindowGrey{185, 191, 198};
inline const QColor kInputBlue{0, 61, 151};
inline const QColor kChosenCrimson{204, 0, 68};
inline const QColor kOptionNavy{0, 0, 128};

// Face name of the windows' font; IPAPGothic is drawn with where it is not installed.
inline constexpr const char *kWindowFace = "ＭＳ Ｐゴシック";

// Makes the windows' font the default font.
void InstallWindowFonts();

// The windows' font at a pixel size.
QFont WindowFont(int pixelSize, bool bold = false);

// Caption colour of an option: crimson when chosen, navy otherwise.
void PaintOptionCaption(QAbstractButton &option, bool chosen);

// Fills a widget's background with a flat colour.
void SetBackground(QWidget &widget, const QColor &colour);

// The bold italic serif of the program's name.
QFont TitleSerifFont(int pixelSize);

} // namespace korvane
