#pragma once
// The width of a sheet text as the desktop's font engine measures it, computed from the
// advance widths of the sheet's font that are built into the program. Every build that has
// no font engine of its own (the browser's) lays the sheet out with this and so places
// every text where the desktop does.

#include <string>

namespace korvane {

// Width in device pixels of a UTF-8 text in the sheet's font at `pixelSize`, rounded to
// nearest: each character's advance is scaled as FreeType scales an unhinted advance (in
// 1/64 pixel, cut toward zero), and the advances are summed. A character the font does not
// map counts as wide as the font's full-width characters.
int SheetFontTextWidth(const std::string &text, int pixelSize);

} // namespace korvane
