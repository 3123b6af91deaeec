#include "sheet/qt/ArchivalPdf.h"

#include "core/DesignCase.h"

#include <QPdfWriter>

namespace korvane {

bool HasProjectTitle(const std::string &projectTitle) {
    return projectTitle != kTitlePlaceholder &&
           !QString::fromStdString(projectTitle).trimmed().isEmpty();
}

QString PdfDocumentTitle(const std::string &projectTitle) {
    if (!HasProjectTitle(projectTitle))
        return QStringLiteral("フラットデッキ構造計算");
    return QString::fromStdString(projectTitle).trimmed();
}

void MakeArchivalPdf(QPdfWriter &pdf, const QString &title) {
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(title);
}

} // namespace korvane
