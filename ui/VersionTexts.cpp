#include "ui/VersionTexts.h"

#include "version/ProgramVersion.h"

namespace korvane {

QString VersionText() {
    return QStringLiteral("ver ") + QString::fromLatin1(version::kVersion);
}

QString ReleaseDateText() {
    return QStringLiteral("%1年%2月%3日")
        .arg(version::kReleaseYear)
        .arg(version::kReleaseMonth)
        .arg(version::kReleaseDay);
}

QString LegalLine() {
    return QStringLiteral("Korvane for Win %1 (%2)  本プログラムの著作権は提供者に帰属します。"
                          "無断転載・改変を禁じます。")
        .arg(VersionText(), ReleaseDateText());
}

QString TitleHint() {
    return QStringLiteral("Korvane for Win ") + VersionText();
}

} // namespace korvane
