// The built-in code page 932 tables (the browser build's converter) against glibc's iconv
// (the Linux build's): every character, every one- and two-byte sequence and random
// byte strings convert to the same bytes, "?" and U+FFFD included.
#include "core/CodePageConversion.h"
#include "core/Cp932Table.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace korvane {
namespace {

std::string Hex(const std::string &bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    for (const unsigned char c : bytes) {
        out += kDigits[c >> 4];
        out += kDigits[c & 0xF];
        out += ' ';
    }
    return out;
}

std::string Utf8Of(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

TEST(Cp932Table, WritesEveryCharacterAsIconvDoes) {
    for (char32_t c = 0; c <= 0x2FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const std::string text = "a" + Utf8Of(c) + "b";
        ASSERT_EQ(Hex(cp932table::Utf8ToCp932(text)), Hex(ConvertUtf8ToCp932(text)))
            << "U+" << std::hex << static_cast<unsigned>(c);
    }
}

TEST(Cp932Table, ReadsEveryByteAndPairAsIconvDoes) {
    for (int lead = 0; lead <= 0xFF; ++lead) {
        const std::string single(1, static_cast<char>(lead));
        ASSERT_EQ(Hex(cp932table::Cp932ToUtf8(single)), Hex(ConvertCp932ToUtf8(single)))
            << Hex(single);
        for (int second = 0; second <= 0xFF; ++second) {
            // A line break after the pair shows whether a cut character took it along.
            const std::string pair{static_cast<char>(lead), static_cast<char>(second), '\n'};
            ASSERT_EQ(Hex(cp932table::Cp932ToUtf8(pair)), Hex(ConvertCp932ToUtf8(pair)))
                << Hex(pair);
        }
    }
}

// Random byte strings, drawn mostly from the bytes that start, continue or break
// multi-byte sequences, so that cut and malformed sequences are frequent.
class RandomBytes {
public:
    std::string Next() {
        static constexpr unsigned char kTelling[] = {
            0x00, 0x0A, 0x41, 0x5C, 0x7F, 0x80, 0x81, 0x9F, 0xA0, 0xBF, 0xC0, 0xC2, 0xDF, 0xE0,
            0xED, 0xEF, 0xF0, 0xF4, 0xF5, 0xFC, 0xFF, 0xD8, 0xDC, 0xDB, 0xDF, 0x40, 0x87, 0xFA};
        std::string bytes(m_length(m_random), '\0');
        for (char &b : bytes)
            b = static_cast<char>(m_pick(m_random) < 3 ? kTelling[m_telling(m_random)]
                                                       : m_byte(m_random));
        return bytes;
    }

private:
    std::mt19937 m_random{20261210};
    std::uniform_int_distribution<int> m_length{0, 9};
    std::uniform_int_distribution<int> m_pick{0, 3};
    std::uniform_int_distribution<int> m_telling{0, 27};
    std::uniform_int_distribution<int> m_byte{0, 255};
};

TEST(Cp932Table, ConvertsRandomBytesAsIconvDoes) {
    RandomBytes random;
    for (int i = 0; i < 200000; ++i) {
        const std::string bytes = random.Next();
        ASSERT_EQ(Hex(cp932table::Cp932ToUtf8(bytes)), Hex(ConvertCp932ToUtf8(bytes)))
            << Hex(bytes);
        ASSERT_EQ(Hex(cp932table::Utf8ToCp932(bytes)), Hex(ConvertUtf8ToCp932(bytes)))
            << Hex(bytes);
        // A UTF-8 file's text: iconv lets five- and six-byte forms and values above U+10FFFF
        // through, the tables replace them at once; the text kept in code page 932 is the
        // same, a "?" for each piece the replacement passes over.
        ASSERT_EQ(Hex(cp932table::Utf8ToCp932(cp932table::ValidUtf8(bytes))),
                  Hex(ConvertUtf8ToCp932(ValidUtf8(bytes))))
            << Hex(bytes);
        for (const bool bigEndian : {false, true})
            ASSERT_EQ(Hex(cp932table::Utf8FromUtf16(bytes, bigEndian)),
                      Hex(Utf8FromUtf16(bytes, bigEndian)))
                << Hex(bytes) << (bigEndian ? " big-endian" : " little-endian");
    }
}

} // namespace
} // namespace korvane
