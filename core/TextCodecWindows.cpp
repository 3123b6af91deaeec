// Code-page conversions through the Win32 functions for code page 932. Each character is
// converted on its own so that the replacement rules are exactly those of the iconv build:
// the same "?" for the same input, and the same bytes for every character.
#include "core/CodePageConversion.h"

#include <array>
#include <cstdint>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace korvane {

namespace {

constexpr UINT kCodePage932 = 932;

// A character decoded from the front of a text, and how many bytes it took (0: invalid).
struct Decoded {
    char32_t character = 0;
    std::size_t length = 0;
};

// The character at the front of `rest` if it is a valid UTF-8 sequence: no overlong form,
// no surrogate, nothing past U+10FFFF.
Decoded Utf8CharacterAt(std::string_view rest) {
    const auto lead = static_cast<unsigned char>(rest[0]);
    std::size_t length = 0;
    char32_t lowest = 0;
    if (lead < 0x80)
        return {lead, 1};
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, lowest = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, lowest = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, lowest = 0x10000;
    else
        return {};
    if (rest.size() < length)
        return {};
    char32_t value = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(rest[k]);
        if ((next & 0xC0) != 0x80)
            return {};
        value = (value << 6) | (next & 0x3F);
    }
    if (value < lowest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return {};
    return {value, length};
}

// Characters that glibc's CP932 writes although code page 932 reads them back as other
// characters (the JIS forms of the yen sign, the wave dash and a few symbols). Data files
// written on Linux hold these bytes, so Windows writes them too.
struct OneWayMapping {
    char32_t character;
    const char *bytes;
};
constexpr std::array kOneWayMappings{
    OneWayMapping{0x00A2, "\x81\x91"}, OneWayMapping{0x00A3, "\x81\x92"},
    OneWayMapping{0x00A5, "\x5C"},     OneWayMapping{0x00AC, "\x81\xCA"},
    OneWayMapping{0x2014, "\x81\x5C"}, OneWayMapping{0x2016, "\x81\x61"},
    OneWayMapping{0x203E, "\x7E"},     OneWayMapping{0x2212, "\x81\x7C"},
    OneWayMapping{0x301C, "\x81\x60"},
};

// Whether a single byte is a character of its own in code page 932: ASCII and the
// half-width katakana. 0x80, 0xA0 and 0xFD to 0xFF are not, as in glibc's CP932.
bool IsCp932SingleByte(unsigned char byte) {
    return byte < 0x80 || (byte >= 0xA1 && byte <= 0xDF);
}

// Appends the code page 932 bytes of one character; false when it has none.
bool AppendCp932(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return true;
    }
    for (const OneWayMapping &mapping : kOneWayMappings) {
        if (mapping.character == c) {
            out += mapping.bytes;
            return true;
        }
    }
    wchar_t units[2];
    int unitCount = 1;
    if (c >= 0x10000) {
        units[0] = static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
        units[1] = static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        unitCount = 2;
    } else {
        units[0] = static_cast<wchar_t>(c);
    }
    char bytes[8];
    BOOL usedDefault = FALSE;
    const int n = ::WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, units, unitCount, bytes,
                                        sizeof bytes, "?", &usedDefault);
    if (n <= 0 || usedDefault)
        return false;
    // Windows gives U+0080 and U+F8F0 to U+F8F3 the bytes 0x80, 0xA0 and 0xFD to 0xFF, which
    // are no characters in glibc's CP932 (nor read back as any here).
    if (n == 1 && !IsCp932SingleByte(static_cast<unsigned char>(bytes[0])))
        return false;
    out.append(bytes, static_cast<std::size_t>(n));
    return true;
}

// The character of one code page 932 sequence (one or two bytes), or 0 when it has none.
char32_t Cp932Character(std::string_view sequence) {
    wchar_t units[2];
    const int n = ::MultiByteToWideChar(kCodePage932, MB_ERR_INVALID_CHARS, sequence.data(),
                                        static_cast<int>(sequence.size()), units, 2);
    if (n != 1)
        return 0;
    return units[0];
}

} // namespace

std::string ConvertUtf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const Decoded decoded = Utf8CharacterAt(utf8);
        if (decoded.length > 0 && AppendCp932(out, decoded.character)) {
            utf8.remove_prefix(decoded.length);
            continue;
        }
        out += '?';
        utf8.remove_prefix(Utf8SequenceLength(utf8));
    }
    return out;
}

std::string ConvertCp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 2);
    while (!cp932.empty()) {
        const auto lead = static_cast<unsigned char>(cp932[0]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            cp932.remove_prefix(1);
            continue;
        }
        const std::size_t length = Cp932SequenceLength(cp932);
        const bool whole = length == 2 || IsCp932SingleByte(lead);
        const char32_t c = whole ? Cp932Character(cp932.substr(0, length)) : 0;
        if (c != 0)
            AppendUtf8(out, c);
        else
            out += '?';
        cp932.remove_prefix(length);
    }
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    auto isHigh = [](char32_t u) { return u >= 0xD800 && u <= 0xDBFF; };
    auto isLow = [](char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (bytes.size() - i < 2) {
            out += kReplacementCharacter;
            break;
        }
        const char32_t unit = unitAt(i);
        if (isHigh(unit) && bytes.size() - i >= 4 && isLow(unitAt(i + 2))) {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 4;
        } else if (isHigh(unit) || isLow(unit)) {
            out += kReplacementCharacter;
            i += 2;
        } else {
            AppendUtf8(out, unit);
            i += 2;
        }
    }
    return out;
}

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const Decoded decoded = Utf8CharacterAt(bytes);
        if (decoded.length > 0) {
            out.append(bytes.substr(0, decoded.length));
            bytes.remove_prefix(decoded.length);
        } else {
            out += kReplacementCharacter;
            bytes.remove_prefix(Utf8SequenceLength(bytes));
        }
    }
    return out;
}

} // namespace korvane
