#include "core/TextCodec.h"

#include "core/CodePageConversion.h"

namespace korvane {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string DecodeFileText(std::string_view bytes) {
    // Text from a file with a byte-order mark may hold characters that code page 932
    // cannot: they become "?" here, as they would in the record's saved file.
    auto heldByCp932 = [](const std::string &utf8) { return Cp932ToUtf8(Utf8ToCp932(utf8)); };
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return heldByCp932(ValidUtf8(bytes.substr(3)));
    if (StartsWith(bytes, "\xFF\xFE"))
        return heldByCp932(Utf8FromUtf16(bytes.substr(2), false));
    if (StartsWith(bytes, "\xFE\xFF"))
        return heldByCp932(Utf8FromUtf16(bytes.substr(2), true));
    return Cp932ToUtf8(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(16); // a data file has sixteen lines
    const char *const end = text.data() + text.size();
    const char *start = text.data();
    for (const char *p = start; p != end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        lines.emplace_back(start, p);
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        start = p + 1;
    }
    if (start != end)
        lines.emplace_back(start, end);
    return lines;
}

std::string Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return ConvertUtf8ToCp932(utf8);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    if (IsAscii(cp932))
        return std::string(cp932);
    return ConvertCp932ToUtf8(cp932);
}

std::string AsRecordText(std::string_view utf8) {
    return Cp932ToUtf8(Utf8ToCp932(utf8));
}

std::size_t Cp932ByteLength(std::string_view utf8) {
    if (IsAscii(utf8))
        return utf8.size();
    return Utf8ToCp932(utf8).size();
}

} // namespace korvane
