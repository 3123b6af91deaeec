#pragma once
// Every PDF the programs write is archival (PDF/A-1b: fonts embedded, text searchable) and
// carries the project title as its document title: calculation sheets are filed for years.

#include <QString>

#include <string>

class QPdfWriter;

namespace korvane {

// Whether a case has a project title of its own (not the placeholder, not blank).
bool HasProjectTitle(const std::string &projectTitle);

// The document title of a case's PDF: its project title, or the program's subject when the
// case has none (the placeholder or a blank title). Control characters, which the XML
// metadata cannot hold, are left out.
QString PdfDocumentTitle(const std::string &projectTitle);

// Makes a PDF writer archival with the given document title and korvane as its creator.
void MakeArchivalPdf(QPdfWriter &pdf, const QString &title);

} // namespace korvane
