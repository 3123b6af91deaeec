#pragma once
// A small reader of rich text (RTF) for the summary window. It understands what a text
// document of a word processor uses most: groups, paragraphs, bold, italic, underline,
// font size, colour, sub- and superscript, alignment and indents, tabs, Unicode escapes
// \uN and hex bytes \'hh in code page 932, and it skips font and colour tables, pictures
// and other destinations it has no use for. Damaged input never makes it fail: it reads
// what it can, always ends and never reads outside the input.

#include "formats/RichText.h"

#include <string_view>

namespace korvane {

// The text of `rtf`. Bytes that do not start with "{\rtf" are plain text, decoded as a
// text file is (byte-order mark, else code page 932), one paragraph per line.
RichText ParseRtf(std::string_view rtf);

} // namespace korvane
