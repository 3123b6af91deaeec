#pragma once
// Text encodings at the boundary of the program. Inside, every text is UTF-8; data files
// are code page 932 (Shift-JIS) unless a byte-order mark says UTF-8 or UTF-16.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// Decodes the bytes of a whole file to UTF-8: a UTF-8 or UTF-16 (LE/BE) byte-order mark
// selects that encoding, otherwise code page 932. The result holds only characters that
// code page 932 can hold: undecodable bytes and other characters become "?".
std::string DecodeFileText(std::string_view bytes);

// Splits a text at CR LF, LF or CR. A final line break does not start another line.
std::vector<std::string> SplitLines(std::string_view text);

// UTF-8 to code page 932; a character that code page 932 cannot hold becomes "?".
std::string Utf8ToCp932(std::string_view utf8);

// Code page 932 to UTF-8; undecodable bytes become "?".
std::string Cp932ToUtf8(std::string_view cp932);

// A typed text as a record holds it: what code page 932 keeps of it (a character it cannot
// hold becomes "?"), back in UTF-8. Every text the user types into a case goes through this,
// so that the window, the sheet and the saved file read alike.
std::string AsRecordText(std::string_view utf8);

// Byte length of a UTF-8 text once written as code page 932 (full-width 2, ASCII and
// half-width katakana 1, a character code page 932 cannot hold 1, as the "?" it becomes).
std::size_t Cp932ByteLength(std::string_view utf8);

} // namespace korvane
