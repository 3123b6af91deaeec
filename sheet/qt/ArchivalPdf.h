#pragma once
// Every PDF the programs write is archival (PDF/A-1b: fonts embedded, text searchable) and
// carries the project title as its document title: calculation sheets are filed for years.

#include <QString>

#include <string>

class QPdfWriter;

namespace korvane {

// Whether a case has a project title of its own (not the placeholder, not blank).
bool HasProjectTitle(const std::string &projectTitle);

// The document title of a case's PDF: its project title without the characters XML 1.0 does
// not allow (the metadata is XML), or the program's subject when the case has none (the
// placeholder, a blank title, or one of such characters only).
QString PdfDocumentTitle(const std::string &projectTitle);

// The title without the characters XML 1.0 does not allow (control characters such as ESC
// from a title pasted out of a terminal): what goes into the metadata. The printed title
// keeps them as they are.
QString XmlSafeTitle(const QString &title);

// Makes a PDF writer archival with the given document title and korvane as its creator.
void MakeArchivalPdf(QPdfWriter &pdf, const QString &title);

} // namespace korvane
