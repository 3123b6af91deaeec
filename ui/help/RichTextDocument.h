#pragma once
// Shows rich text (RTF) in a text document: the reader in formats/ gives paragraphs of
// formatted runs, and this turns them into the document's blocks and character formats.

#include <QByteArray>

class QTextDocument;

namespace korvane {

// Replaces the content of `document` with the text of `rtf`. Bytes that are not rich text
// are shown as plain text, decoded as a text file is.
void ReadRtf(const QByteArray &rtf, QTextDocument &document);

} // namespace korvane
