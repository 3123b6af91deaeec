#pragma once
// Every PDF the programs write is archival (PDF/A-1b: fonts embedded, text searchable) and
// carries the project title as its document title: calculation sheets are filed for years.

#include "core/PrintSettings.h"

#include <QString>

#include <string>

class QPdfWriter;

namespace korvane {

// The document title of a case's PDF: the project title its sheet shows, without the
// characters XML 1.0 does not allow (the metadata is XML), or the program's subject when the
// sheet shows none (the placeholder, a blank title after "物件名：", or one of such characters
// only).
QString PdfDocumentTitle(const std::string &projectTitle);

// The title without the characters XML 1.0 does not allow (control characters such as ESC
// from a title pasted out of a terminal): what goes into the metadata. The printed title
// keeps them as they are.
QString XmlSafeTitle(const QString &title);

// Makes a PDF writer archival with the given document title and korvane as its creator.
void MakeArchivalPdf(QPdfWriter &pdf, const QString &title);

} // namespace korvane
