#include "sheet/qt/FontFamily.h"

#include "sheet/DrawSheet.h"

#include <QFontDatabase>

namespace korvane {

QString InstalledFamilyOrGothic(const QString &face) {
    return QFontDatabase::hasFamily(face) ? face : QStringLiteral("IPAPGothic");
}

QString SheetFontFamily() {
    static const QString family = InstalledFamilyOrGothic(QString::fromUtf8(kSheetFontFace));
    return family;
}

} // namespace korvane
