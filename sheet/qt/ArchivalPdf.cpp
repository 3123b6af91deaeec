#include "sheet/qt/ArchivalPdf.h"

#include "core/PrintSettings.h"

#include <QPdfWriter>

namespace korvane {

QString PdfDocumentTitle(const std::string &projectTitle) {
    const std::string shown = ShownProjectTitle(projectTitle);
    if (shown.empty())
        return QStringLiteral("フラットデッキ構造計算");
    return QString::fromStdString(shown);
}

void MakeArchivalPdf(QPdfWriter &pdf, const QString &title) {
    pdf.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    pdf.setCreator(QStringLiteral("korvane"));
    pdf.setTitle(title);
}

} // namespace korvane
