#include "core/Cp932Table.h"

#include "core/CodePageConversion.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace korvane::cp932table {

namespace {

struct Cp932Encoding {
    char16_t character;
    std::uint16_t bytes; // one byte, or lead << 8 | second
};

#include "Cp932Tables.inc"

constexpr int kSecondFirst = 0x40;
constexpr int kSecondCount = 0xFC - 0x40 + 1;

// The row of a lead byte in the pair table: 0x81-0x9F, then 0xE0-0xFC.
int LeadRow(unsigned char lead) {
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

// The character of a pair, or 0 when the pair stands for none.
char16_t PairCharacter(unsigned char lead, unsigned char second) {
    if (!IsCp932LeadByte(lead) || second < kSecondFirst || second > 0xFC)
        return 0;
    return kCp932Pairs[LeadRow(lead) * kSecondCount + (second - kSecondFirst)];
}

struct Decoded {
    char32_t character;
    std::size_t length;
};

// One well-formed UTF-8 sequence at the start of `rest`: no overlong form, no surrogate,
// nothing above U+10FFFF. Nothing when the sequence is malformed or cut off.
std::optional<Decoded> DecodeUtf8(std::string_view rest) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return Decoded{lead, 1};
    std::size_t length;
    char32_t c;
    char32_t least;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (rest.size() < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        c = c << 6 | (byte(i) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return std::nullopt;
    return Decoded{c, length};
}

// The code page 932 bytes of a character, or nothing when code page 932 does not hold it.
std::optional<std::uint16_t> EncodeCharacter(char32_t c) {
    if (c < 0x80)
        return static_cast<std::uint16_t>(c);
    const auto *end = std::end(kCp932Encodings);
    const auto *found =
        std::lower_bound(std::begin(kCp932Encodings), end, c,
                         [](const Cp932Encoding &e, char32_t key) { return e.character < key; });
    if (found == end || found->character != c)
        return std::nullopt;
    return found->bytes;
}

} // namespace

std::string Utf8ToCp932(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    while (!utf8.empty()) {
        const std::optional<Decoded> decoded = DecodeUtf8(utf8);
        const std::optional<std::uint16_t> bytes =
            decoded ? EncodeCharacter(decoded->character) : std::nullopt;
        if (!bytes) {
            out += '?';
            utf8.remove_prefix(Utf8SequenceLength(utf8));
            continue;
        }
        if (*bytes > 0xFF)
            out += static_cast<char>(*bytes >> 8);
        out += static_cast<char>(*bytes & 0xFF);
        utf8.remove_prefix(decoded->length);
    }
    return out;
}

std::string Cp932ToUtf8(std::string_view cp932) {
    std::string out;
    out.reserve(cp932.size() * 2);
    while (!cp932.empty()) {
        const auto lead = static_cast<unsigned char>(cp932[0]);
        if (kCp932Single[lead] >= 0) {
            AppendUtf8(out, static_cast<char32_t>(kCp932Single[lead]));
            cp932.remove_prefix(1);
            continue;
        }
        const char16_t pair =
            cp932.size() >= 2 ? PairCharacter(lead, static_cast<unsigned char>(cp932[1])) : 0;
        if (pair != 0) {
            AppendUtf8(out, pair);
            cp932.remove_prefix(2);
            continue;
        }
        out += '?';
        cp932.remove_prefix(Cp932SequenceLength(cp932));
    }
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    while (!bytes.empty()) {
        if (bytes.size() >= 2) {
            const char16_t unit = unitAt(0);
            if (unit < 0xD800 || unit > 0xDFFF) {
                AppendUtf8(out, unit);
                bytes.remove_prefix(2);
                continue;
            }
            if (unit <= 0xDBFF && bytes.size() >= 4) {
                const char16_t low = unitAt(2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10 | (low - 0xDC00)));
                    bytes.remove_prefix(4);
                    continue;
                }
            }
        }
        out += kReplacementCharacter;
        bytes.remove_prefix(Utf16SequenceLength(bytes));
    }
    return out;
}

std::string ValidUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        if (const std::optional<Decoded> decoded = DecodeUtf8(bytes)) {
            out.append(bytes.substr(0, decoded->length));
            bytes.remove_prefix(decoded->length);
        } else {
            out += kReplacementCharacter;
            bytes.remove_prefix(Utf8SequenceLength(bytes));
        }
    }
    return out;
}

} // namespace korvane::cp932table
