#include "sheet/qt/ArchivalPdf.h"

#include "core/DesignCase.h"

#include <QPdfWriter>

namespace korvane {

QString PdfDocumentTitle(const std::string &projectTitle) {
    const QString title = QString::fromStdString(projectTitle).trimmed();
    if (title.isEmpty() || projectTitle == kTitlePlaceholder)
        return QStringLiteral("フラットデッキ構造計算");
    return title;
}

void MakeArchivalPdf(QPdfWriter &pdf, const QString &title) {
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(title);
}

} // namespace korvane
