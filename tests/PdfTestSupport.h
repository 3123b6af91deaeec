#pragma once
// Reading the PDF files the programs write, through poppler's tools (pdfinfo, pdffonts,
// pdftotext) and Qt's XML reader: what a reader of the filed sheet sees. Free of any test
// framework, so that the GoogleTest and the Qt Test programs share it.

#include <QByteArray>
#include <QXmlStreamReader>

#include <cstdio>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::test {

// Standard output of a shell command (its standard error is dropped).
inline std::string PdfToolOutput(const std::string &command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE *)> pipe(popen((command + " 2>/dev/null").c_str(), "r"),
                                                pclose);
    if (!pipe)
        return out;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0)
        out.append(buffer, n);
    return out;
}

inline std::string Quoted(const std::string &path) {
    return "'" + path + "'";
}

// The value of one line of pdfinfo's report ("Title", "Pages", ...); empty when absent.
inline std::string PdfInfoField(const std::string &path, const std::string &field) {
    const std::string info = PdfToolOutput("pdfinfo " + Quoted(path));
    std::smatch match;
    if (!std::regex_search(info, match, std::regex("(^|\\n)" + field + ":[ \\t]*([^\\n]*)")))
        return {};
    return match[2];
}

// The text of one page (1 for the first), or of every page when `page` is 0, in the order
// the page draws it.
inline std::string PdfText(const std::string &path, int page = 0) {
    std::string range;
    if (page > 0)
        range = " -f " + std::to_string(page) + " -l " + std::to_string(page);
    return PdfToolOutput("pdftotext -raw" + range + " " + Quoted(path) + " -");
}

// The text of every page as pdftotext lays it out: a table's row on one line, its cells in
// order, as a reader sees them.
inline std::string PdfLayoutText(const std::string &path) {
    return PdfToolOutput("pdftotext -layout " + Quoted(path) + " -");
}

// How many pages the file has; -1 when pdfinfo cannot read it.
inline int PdfPageCount(const std::string &path) {
    const std::string pages = PdfInfoField(path, "Pages");
    return pages.empty() ? -1 : std::stoi(pages);
}

// What keeps the file from being an archival PDF/A-1b, as far as poppler's tools can tell:
// PDF 1.4, the XMP metadata claiming PDF/A-1b, and every font embedded with a Unicode map.
// Empty when nothing is missing.
inline std::vector<std::string> ArchivalFaults(const std::string &path) {
    std::vector<std::string> faults;
    if (PdfInfoField(path, "PDF version") != "1.4")
        faults.push_back("PDF version is not 1.4");
    const std::string meta = PdfToolOutput("pdfinfo -meta " + Quoted(path));
    for (const char *claim : {"pdfaid:part=\"1\"", "pdfaid:conformance=\"B\""})
        if (meta.find(claim) == std::string::npos)
            faults.push_back(std::string("XMP metadata lacks ") + claim);
    // The claim means nothing in metadata that an XML reader refuses.
    QXmlStreamReader xml(QByteArray::fromStdString(meta));
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError())
        faults.push_back("XMP metadata is not well-formed XML: " + xml.errorString().toStdString());

    std::istringstream fonts(PdfToolOutput("pdffonts " + Quoted(path)));
    std::string line;
    int fontCount = 0;
    while (std::getline(fonts, line)) {
        // Rows after the two heading lines: name, type words, encoding, emb, sub, uni, id.
        static const std::regex row(".* (yes|no) +(yes|no) +(yes|no) +\\d+ +\\d+$");
        std::smatch match;
        if (!std::regex_match(line, match, row))
            continue;
        ++fontCount;
        if (match[1] != "yes")
            faults.push_back("font not embedded: " + line);
        if (match[3] != "yes")
            faults.push_back("font without a Unicode map (text not searchable): " + line);
    }
    if (fontCount == 0)
        faults.push_back("no font at all");
    return faults;
}

} // namespace korvane::test
