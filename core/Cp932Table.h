#pragma once
// Code page 932, UTF-16 and UTF-8 conversions from tables built into the program, for
// platforms whose C library converts no code page 932 the way Windows does (the browser's:
// its Shift-JIS reads 0x8160 as U+301C and rejects the NEC and IBM rows). The tables come
// from the Linux build's converter, so that both write and read the same bytes; the
// replacement rules are those of CodePageConversion.h.

#include <string>
#include <string_view>

namespace korvane::cp932table {

std::string Utf8ToCp932(std::string_view utf8);
std::string Cp932ToUtf8(std::string_view cp932);
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);
std::string ValidUtf8(std::string_view bytes);

} // namespace korvane::cp932table
