// The code-page boundary byte for byte: the iconv build and the Windows build run the same
// table, so both write and read the same bytes, "?" included.
#include "core/TextCodec.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

struct CodecCase {
    const char *name;
    std::string utf8;
    std::string cp932;
};

void PrintTo(const CodecCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "utf8", row.utf8);
}

// Characters that write as code page 932 and read back unchanged.
class BothWays : public ::testing::TestWithParam<CodecCase> {};

TEST_P(BothWays, WritesAndReadsTheSameBytes) {
    EXPECT_EQ(Utf8ToCp932(GetParam().utf8), GetParam().cp932);
    EXPECT_EQ(Cp932ToUtf8(GetParam().cp932), GetParam().utf8);
    EXPECT_EQ(AsRecordText(GetParam().utf8), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, BothWays,
    ::testing::Values(CodecCase{"ascii", "PX75 -1.5\\~", "PX75 -1.5\\~"},
                      CodecCase{"kanjiAndKana", "件名を入力",
                                "\x8C\x8F\x96\xBC\x82\xF0\x93\xFC\x97\xCD"},
                      CodecCase{"halfWidthKatakana", "ｱﾟ･", "\xB1\xDF\xA5"},
                      CodecCase{"fullWidthTildeAndMinus", "～－", "\x81\x60\x81\x7C"},
                      CodecCase{"necCircledAndSquareMetre", "①㎡", "\x87\x40\x87\x75"},
                      CodecCase{"ibmExtensionRomanSmall", "ⅰ", "\xFA\x40"},
                      CodecCase{"ibmExtensionKanji", "纊", "\xFA\x5C"},
                      CodecCase{"notSignFullWidth", "￢", "\x81\xCA"},
                      CodecCase{"greekAndMaths", "α≦ρ∵", "\x83\xBF\x81\x85\x83\xCF\x81\xE6"},
                      CodecCase{"userDefinedArea", "\xEE\x80\x80", "\xF0\x40"}),
    [](const auto &info) { return std::string(info.param.name); });

// Characters that write as other characters' bytes (the JIS forms) or as "?".
class WriteOnly : public ::testing::TestWithParam<CodecCase> {};

TEST_P(WriteOnly, WritesTheseBytes) {
    EXPECT_EQ(Utf8ToCp932(GetParam().utf8), GetParam().cp932);
    // A typed text keeps what the file will hold: the character those bytes read as.
    EXPECT_EQ(AsRecordText(GetParam().utf8), Cp932ToUtf8(GetParam().cp932));
}

INSTANTIATE_TEST_SUITE_P(
    Characters, WriteOnly,
    ::testing::Values(CodecCase{"yenSign", "¥", "\\"}, CodecCase{"overline", "‾", "~"},
                      CodecCase{"waveDash", "〜", "\x81\x60"},
                      CodecCase{"minusSign", "−", "\x81\x7C"}, CodecCase{"emDash", "—", "\x81\x5C"},
                      CodecCase{"doubleVerticalLine", "‖", "\x81\x61"},
                      CodecCase{"centAndPound", "¢£", "\x81\x91\x81\x92"},
                      CodecCase{"notSign", "¬", "\x81\xCA"}, CodecCase{"brokenBar", "¦", "?"},
                      CodecCase{"eAcute", "é", "?"}, CodecCase{"hangul", "한", "?"},
                      CodecCase{"emoji", "a😀b", "a?b"}, CodecCase{"c1Control", "\xC2\x80", "?"},
                      CodecCase{"privateUseOutsideUserArea", "\xEF\xA3\xB0", "?"},
                      CodecCase{"loneContinuationByte", "a\x80z", "a?z"},
                      CodecCase{"overlongSlash", "\xC0\xAFz", "?z"},
                      CodecCase{"encodedSurrogate", "\xED\xA0\x80z", "?z"},
                      CodecCase{"cutAtTheEnd", "件\xE5\x90", "\x8C\x8F?"},
                      CodecCase{"badSecondByteTakesItsPlace", "\xE4\x41\x42z", "?z"}),
    [](const auto &info) { return std::string(info.param.name); });

// Code page 932 bytes that read as "?" (or, for the JIS forms, as the Windows characters).
class ReadOnly : public ::testing::TestWithParam<CodecCase> {};

TEST_P(ReadOnly, ReadsAsThisText) {
    EXPECT_EQ(Cp932ToUtf8(GetParam().cp932), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Bytes, ReadOnly,
                         ::testing::Values(CodecCase{"singleBytesWithoutCharacter", "?a??????",
                                                     "\x80"
                                                     "a\xA0\xFD\xFE\xFF\xA0\x80"},
                                           CodecCase{"unassignedPair", "?z", "\x81\xADz"},
                                           CodecCase{"unassignedRow", "?", "\x85\x40"},
                                           CodecCase{"leadBeforeLineBreak", "?\r\n", "\x82\r\n"},
                                           CodecCase{"leadAtTheEnd", "a?", "a\x82"},
                                           CodecCase{"necSelectedIbmKanji", "纊", "\xED\x40"},
                                           CodecCase{"necSelectedNotSign", "￢", "\xEE\xF9"}),
                         [](const auto &info) { return std::string(info.param.name); });

// A conversion cut off inside a character leaves nothing behind for the next one.
TEST(TextCodec, ACutCharacterDoesNotReachTheNextText) {
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(Cp932ToUtf8("a\x82"), "a?");
        EXPECT_EQ(Cp932ToUtf8("\x8C\x8F"), "件");
        EXPECT_EQ(Utf8ToCp932("件\xE5\x90"), "\x8C\x8F?");
        EXPECT_EQ(Utf8ToCp932("件"), "\x8C\x8F");
        EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\x41\x00\x3D\xD8", 6)), "A?");
        EXPECT_EQ(DecodeFileText(std::string("\xFF\xFE\xF6\x4E", 4)), "件");
    }
}

struct DecodeCase {
    const char *name;
    std::string bytes;
    std::string utf8;
};

void PrintTo(const DecodeCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name);
}

// Whole files with a byte-order mark: invalid units become U+FFFD, which code page 932
// cannot hold, so "?" in the text.
class FileText : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(FileText, DecodesTo) {
    EXPECT_EQ(DecodeFileText(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileText,
    ::testing::Values(
        DecodeCase{"utf8Valid", "\xEF\xBB\xBF件名", "件名"},
        DecodeCase{"utf8LeadTakesTheRest",
                   "\xEF\xBB\xBF"
                   "a\xFF\xC3z",
                   "a?"},
        DecodeCase{"utf8Invalid",
                   "\xEF\xBB\xBF"
                   "a\xC3z\x80",
                   "a??"},
        DecodeCase{"utf8WaveDashReadsAsFullWidthTilde", "\xEF\xBB\xBF〜", "～"},
        DecodeCase{"utf16leValid", std::string("\xFF\xFE\xF6\x4E\x0D\x54", 6), "件名"},
        DecodeCase{"utf16beValid", std::string("\xFE\xFF\x4E\xF6\x54\x0D", 6), "件名"},
        DecodeCase{"utf16leSurrogatePair", std::string("\xFF\xFE\x3D\xD8\x00\xDE\x41\x00", 8),
                   "?A"},
        DecodeCase{"utf16leLoneHigh", std::string("\xFF\xFE\x3D\xD8\x41\x00", 6), "?A"},
        DecodeCase{"utf16leLoneLow", std::string("\xFF\xFE\x00\xDE\x41\x00", 6), "?A"},
        DecodeCase{"utf16leHighAtTheEnd", std::string("\xFF\xFE\x41\x00\x3D\xD8", 6), "A?"},
        DecodeCase{"utf16leOddByte", std::string("\xFF\xFE\x41\x00\x42", 5), "A?"},
        DecodeCase{"utf16beHighThenOddByte", std::string("\xFE\xFF\xD8\x3D\x00", 5), "??"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace korvane
