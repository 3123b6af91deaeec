#pragma once
// The texts that show the program's version and release date: the status bar's first
// line, the title text's hint and the splash. All of them read the one version of the build.

#include <QString>

namespace korvane {

// "ver 3.6"
QString VersionText();

// The release date in Japanese, "2026年12月10日".
QString ReleaseDateText();

// The status bar's line until the mouse first rests on a control with a hint.
QString LegalLine();

// The hint of the title text "Korvane" / "for Win".
QString TitleHint();

} // namespace korvane
