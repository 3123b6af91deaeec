#pragma once
// Which installed family Qt is asked for when the sheet or a window draws in its Gothic face.

#include <QString>

namespace korvane {

// The family to ask Qt for to draw in `face`: the face itself where the system has it (a
// Japanese Windows PC), else IPAPGothic, the proportional Gothic installed with the program.
// Asking for a family the system lacks would make Qt query fontconfig for fallbacks before
// it came to the substitute, for every font drawn with.
QString InstalledFamilyOrGothic(const QString &face);

// The family of the sheet's face, looked up once.
QString SheetFontFamily();

} // namespace korvane
