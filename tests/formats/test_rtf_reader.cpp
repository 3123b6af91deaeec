// The rich-text reader without a window: what it gives for the formats it understands, and
// damaged input, which must be read to its end without a crash, a hang or a read outside
// the input. How the summary window shows the result is tested with the window.

#include "formats/RtfReader.h"

#include "tests/RowPrinting.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace korvane {
namespace {

std::string SummaryFile() {
    std::ifstream in(KORVANE_LOAD_DATA_SOURCE "/Summary.rtf", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Paragraphs joined by "\n", runs by nothing.
std::string TextOf(const RichText &text) {
    std::string out;
    for (std::size_t i = 0; i < text.paragraphs.size(); ++i) {
        if (i > 0)
            out += '\n';
        for (const RichTextRun &run : text.paragraphs[i].runs)
            out += run.text;
    }
    return out;
}

std::size_t CharacterCount(const std::string &utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// Every shown character and paragraph break comes from at least one input byte.
void ExpectNoMoreTextThanInput(const std::string &rtf) {
    const RichText text = ParseRtf(rtf);
    EXPECT_LE(CharacterCount(TextOf(text)), rtf.size() + 1) << testing::PrintToString(rtf);
}

TEST(RtfReader, SurrogatesPairUpOrShowAsReplacement) {
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 \\u-10179?\\u-8704?}")), "\xF0\x9F\x98\x80");
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 \\u-10179?x}")), "\uFFFDx"); // first half alone
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 \\u-8704?x}")), "\uFFFDx");  // second half alone
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 \\u-10179?}")), "\uFFFD");   // at the end
    EXPECT_EQ(TextOf(ParseRtf("{\\rtf1 \\u-10179?\\'82\\'a0}")), "\uFFFDあ");
}

TEST(RtfReader, RunsKeepTheFormatTheyWereWrittenWith) {
    const RichText text = ParseRtf("{\\rtf1{\\colortbl;\\red204\\green0\\blue68;}"
                                   "a{\\b\\fs26\\cf1 b}{\\sub c}\\cf5 d}");
    ASSERT_EQ(text.paragraphs.size(), 1u);
    const auto &runs = text.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].text, "a");
    EXPECT_EQ(runs[0].style, RichTextStyle{});
    RichTextStyle heading;
    heading.bold = true;
    heading.halfPoints = 26;
    heading.colour = 0xCC0044;
    EXPECT_EQ(runs[1], (RichTextRun{"b", heading}));
    EXPECT_EQ(runs[2].style.position, VerticalPosition::Sub);
    EXPECT_FALSE(runs[3].style.colour); // an index the table does not hold
}

TEST(RtfReader, ParagraphTakesTheFormatInForceAtItsEnd) {
    const RichText text = ParseRtf("{\\rtf1\\qc\\li720 one\\par\\pard\\sa150 two}");
    ASSERT_EQ(text.paragraphs.size(), 2u);
    ParagraphStyle centred;
    centred.alignment = TextAlignment::Centre;
    centred.leftIndent = 720;
    EXPECT_EQ(text.paragraphs[0].style, centred);
    ParagraphStyle spaced;
    spaced.spaceAfter = 150;
    // The last paragraph has no mark of its own: the format at its first text stands.
    EXPECT_EQ(text.paragraphs[1].style, spaced);
    EXPECT_EQ(text.paragraphs[1].markStyle, RichTextStyle{});
    EXPECT_FALSE(ParseRtf("{\\rtf1}").paragraphs[0].style);
}

TEST(RtfReader, NotRichTextIsOnePlainParagraphPerLine) {
    const RichText text = ParseRtf("plain {text}\r\n\x8e\x78\x88\xb3\r\n");
    EXPECT_TRUE(text.plain);
    EXPECT_EQ(TextOf(text), "plain {text}\n支圧");
}

TEST(RtfReader, SummaryReadsWithoutStandInsOrTables) {
    const std::string text = TextOf(ParseRtf(SummaryFile()));
    EXPECT_EQ(text.rfind("Korvane for Win について\n", 0), 0u) << text.substr(0, 80);
    EXPECT_EQ(text.find('?'), std::string::npos);
    EXPECT_EQ(text.find("Gothic"), std::string::npos);
    EXPECT_NE(text.find("コンクリート厚さ Ｓ（デッキ山上のスラブ厚さ）：120 ～ 800 mm"),
              std::string::npos);
}

struct DamagedCase {
    const char *name;
    std::string rtf;
    std::string survives; // text that must still be shown; empty: anything
};

void PrintTo(const DamagedCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "rtf", row.rtf, "survives", row.survives);
}

class DamagedRtf : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRtf, ReadsToTheEnd) {
    const std::string text = TextOf(ParseRtf(GetParam().rtf));
    EXPECT_NE(text.find(GetParam().survives), std::string::npos) << text.substr(0, 100);
    ExpectNoMoreTextThanInput(GetParam().rtf);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DamagedRtf,
    testing::Values(
        DamagedCase{"empty", "", ""}, DamagedCase{"headerOnly", "{\\rtf", ""},
        DamagedCase{"unclosedGroups", "{\\rtf1 a{\\b b{\\i c", "abc"},
        DamagedCase{"extraClosingBraces", "{\\rtf1 a}}}}", "a"},
        DamagedCase{"onlyOpeningBraces", "{\\rtf1 " + std::string(200000, '{') + "x", "x"},
        DamagedCase{"backslashAtTheEnd", "{\\rtf1 a\\", "a"},
        DamagedCase{"hexEscapeCut", "{\\rtf1 a\\'8", "a"},
        DamagedCase{"hexEscapeNotHex", "{\\rtf1 a\\'zzb}", "azzb"},
        DamagedCase{"leadByteWithoutTrailByte", "{\\rtf1 \\'82}", ""},
        DamagedCase{"hugeParameter", "{\\rtf1 \\fs99999999999999999 a}", "a"},
        DamagedCase{"hugeUnicode", "{\\rtf1 \\u99999999999 a}", ""},
        DamagedCase{"hugeStandInCount", "{\\rtf1\\uc2147483647 \\u65 b}", ""},
        DamagedCase{"binaryLongerThanTheFile", "{\\rtf1 a\\bin2147483647 b}", "a"},
        DamagedCase{"negativeBinaryLength", "{\\rtf1 a\\bin-5 b}", "ab"},
        DamagedCase{"overlongControlWord", "{\\rtf1 \\" + std::string(100000, 'x') + " a}", "a"},
        DamagedCase{"overlongParameter", "{\\rtf1 \\b" + std::string(100000, '7') + " a}", "a"},
        DamagedCase{"colourTableWithoutEnd", "{\\rtf1{\\colortbl" + std::string(100000, ';'), ""},
        DamagedCase{"colourIndexOutOfRange", "{\\rtf1{\\cf77 a}}", "a"},
        DamagedCase{"nulBytes", std::string("{\\rtf1 a\0b}", 11), "ab"}),
    [](const auto &info) { return std::string(info.param.name); });

// A file that ends early (a broken copy) shows at most the text of the whole file.
TEST(RtfReader, EveryCutOfTheSummaryReads) {
    const std::string rtf = SummaryFile();
    ASSERT_FALSE(rtf.empty());
    const std::size_t whole = CharacterCount(TextOf(ParseRtf(rtf)));
    for (std::size_t n = 0; n < rtf.size(); n += 37)
        EXPECT_LE(CharacterCount(TextOf(ParseRtf(rtf.substr(0, n)))), whole + 1) << n;
}

// Random bytes and random mixes of the format's own characters, from a fixed seed so that
// a failure can be repeated.
TEST(RtfReader, RandomBytesReadToTheEnd) {
    std::mt19937 random(20261210);
    const std::string alphabet = "{}\\'*uc0123456789-abfinpqrs ;\x82\xa0?\r\n";
    for (int round = 0; round < 3000; ++round) {
        const std::size_t length = 1 + random() % 399;
        std::string bytes = round % 2 ? "{\\rtf1 " : "";
        for (std::size_t i = 0; i < length; ++i)
            bytes += round % 3 == 0 ? char(random() % 256) : alphabet[random() % alphabet.size()];
        ExpectNoMoreTextThanInput(bytes);
    }
}

} // namespace
} // namespace korvane
