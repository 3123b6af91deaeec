// Code-page conversions from the built-in tables, where the C library has no code page 932.
#include "core/CodePageConversion.h"
#include "core/Cp932Table.h"

namespace korvane {

std::string ConvertUtf8ToCp932(std::string_view utf8) {
    return cp932table::Utf8ToCp932(utf8);
}

std::string ConvertCp932ToUtf8(std::string_view cp932) {
    return cp932table::Cp932ToUtf8(cp932);
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    return cp932table::Utf8FromUtf16(bytes, bigEndian);
}

std::string ValidUtf8(std::string_view bytes) {
    return cp932table::ValidUtf8(bytes);
}

} // namespace korvane
