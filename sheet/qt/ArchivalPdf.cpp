#include "sheet/qt/ArchivalPdf.h"

#include "core/DesignCase.h"

#include <QPdfWriter>

namespace korvane {

bool HasProjectTitle(const std::string &projectTitle) {
    return projectTitle != kTitlePlaceholder &&
           !QString::fromStdString(projectTitle).trimmed().isEmpty();
}

namespace {

// The title without the characters XML cannot hold (the C0 controls other than tab, line
// feed and carriage return, U+FFFE and U+FFFF): the metadata is XML, and the document
// information must give the same title.
QString WithoutXmlIllegal(QString text) {
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xFFFE || u == 0xFFFF;
    });
    return text;
}

} // namespace

QString PdfDocumentTitle(const std::string &projectTitle) {
    const QString subject = QStringLiteral("フラットデッキ構造計算");
    if (!HasProjectTitle(projectTitle))
        return subject;
    const QString title = WithoutXmlIllegal(QString::fromStdString(projectTitle)).trimmed();
    return title.isEmpty() ? subject : title;
}

void MakeArchivalPdf(QPdfWriter &pdf, const QString &title) {
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(title);
}

} // namespace korvane
