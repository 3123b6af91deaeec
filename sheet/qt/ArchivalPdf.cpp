#include "sheet/qt/ArchivalPdf.h"

#include "core/PrintSettings.h"

#include <QPdfWriter>

namespace korvane {

namespace {

// Characters XML 1.0 allows: the title goes into the XMP metadata, which must stay
// well-formed XML for the file to be what it claims to be.
bool AllowedInXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

} // namespace

QString XmlSafeTitle(const QString &title) {
    QString safe;
    for (const char32_t c : title.toUcs4())
        if (AllowedInXml(c))
            safe += QString::fromUcs4(&c, 1);
    return safe;
}

QString PdfDocumentTitle(const std::string &projectTitle) {
    const QString title =
        XmlSafeTitle(QString::fromStdString(ShownProjectTitle(projectTitle))).trimmed();
    if (title.isEmpty())
        return QStringLiteral("フラットデッキ構造計算");
    return title;
}

void MakeArchivalPdf(QPdfWriter &pdf, const QString &title) {
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(title);
}

} // namespace korvane
