#include "core/TextCodec.h"

#include "core/CodePageConversion.h"

#include <algorithm>

namespace korvane {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// How many bytes the text starts with that are ASCII: the same bytes in code page 932 and
// in UTF-8, so they pass through a conversion unchanged.
std::size_t AsciiPrefixLength(std::string_view text) {
    const auto first = std::find_if(text.begin(), text.end(),
                                    [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    return static_cast<std::size_t>(first - text.begin());
}

bool IsAscii(std::string_view text) {
    return AsciiPrefixLength(text) == text.size();
}

// `convert` applied to the text after its ASCII start, which is copied as it stands: a data
// file's lines of numbers are not handed to the converter, only the lines from its title on.
template <typename Convert> std::string AfterAsciiStart(std::string_view text, Convert convert) {
    const std::size_t ascii = AsciiPrefixLength(text);
    if (ascii == text.size())
        return std::string(text);
    std::string converted = convert(text.substr(ascii));
    converted.insert(0, text.data(), ascii);
    return converted;
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
    return AfterAsciiStart(utf8, ConvertUtf8ToCp932);
}

std::string Cp932ToUtf8(std::string_view cp932) {
    return AfterAsciiStart(cp932, ConvertCp932ToUtf8);
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
