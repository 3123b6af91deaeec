#pragma once
// The conversions under TextCodec that depend on the platform: iconv on Linux, the Win32
// code-page functions on Windows. Both give the same bytes; the replacement rules and the
// byte counts passed over at an undecodable sequence are shared here.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// UTF-8 to code page 932; an unmappable character or invalid sequence becomes "?".
std::string ConvertUtf8ToCp932(std::string_view utf8);

// Code page 932 to UTF-8; an undecodable byte sequence becomes "?".
std::string ConvertCp932ToUtf8(std::string_view cp932);

// UTF-16 (without its byte-order mark) to UTF-8; invalid units become U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);

// The UTF-8 text with each invalid sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view bytes);

inline constexpr const char *kReplacementCharacter = "\xEF\xBF\xBD"; // U+FFFD

// Bytes to pass over at an invalid UTF-8 sequence: as many as its lead byte announces.
inline std::size_t Utf8SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t n = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(n, rest.size());
}

// Appends the UTF-8 bytes of one code point.
inline void AppendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

inline bool IsCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

inline bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Bytes to pass over at an undecodable sequence. A lead byte takes the next byte with it
// only when that byte can be a second byte: a line break after a cut character stays a
// line break, so the lines after it keep their places.
inline std::size_t Cp932SequenceLength(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    if (!IsCp932LeadByte(lead) || rest.size() < 2)
        return 1;
    return IsCp932TrailByte(static_cast<unsigned char>(rest[1])) ? 2 : 1;
}

inline std::size_t Utf16SequenceLength(std::string_view rest) {
    return std::min<std::size_t>(2, rest.size());
}

} // namespace korvane
