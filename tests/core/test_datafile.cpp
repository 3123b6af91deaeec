#include "core/DataFile.h"
#include "core/DesignCase.h"
#include "core/Errors.h"
#include "core/FileReading.h"
#include "core/TextCodec.h"
#include "core/WholeNumber.h"
#include "tests/CaseRowPrinting.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace korvane {
namespace {

using Lines = std::vector<std::string>;

const Lines kSavedDefaultCase = {"korvane 3.6", "1",          "0", "5",     "0",   "111",
                                 "2500",        "1",          "4", "4",     "130", "1470",
                                 "0",           "件名を入力", "0", "－１－"};

DesignCase Read(const Lines &lines) {
    DesignCase record;
    record.ReadLines(lines);
    return record;
}

TEST(DataFile, DefaultRecordWritesSixteenLines) {
    Lines lines = {"left over"};
    DesignCase().WriteLines(lines);
    const Lines expected = {"korvane 3.6", "1", "0",   "5",    "0", "127",        "2500", "1",
                            "4",           "4", "130", "1470", "0", "件名を入力", "0",    "－１－"};
    EXPECT_EQ(lines, expected);
}

TEST(DataFile, SavedCaseReadsBackEqual) {
    DesignCase record = Read(kSavedDefaultCase);
    EXPECT_EQ(record.unitWeight, 111);
    Lines written;
    record.WriteLines(written);
    EXPECT_EQ(written, kSavedDefaultCase);
}

TEST(DataFile, CopiesOwnTheirTexts) {
    DesignCase original;
    DesignCase copy = original;
    copy.projectTitle = "別件";
    EXPECT_EQ(original.projectTitle, "件名を入力");
}

TEST(DataFile, NegativeNumbersAreWrittenShortest) {
    DesignCase record;
    record.coatingCode = -1;
    record.otherLoadValue = -20;
    Lines lines;
    record.WriteLines(lines);
    EXPECT_EQ(lines[4], "-1");
    EXPECT_EQ(lines[12], "-20");
}

struct HeaderCase {
    const char *name;
    const char *header;
    int format;
};

void PrintTo(const HeaderCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "header", row.header, "format", row.format);
}

class Header : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(Header, GivesTheFormatVersion) {
    EXPECT_EQ(FormatVersion(GetParam().header), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, Header,
    ::testing::Values(HeaderCase{"v30", "korvane for win", 30},
                      HeaderCase{"v31", "korvane 3.1", 31}, HeaderCase{"v32", "korvane 3.2", 32},
                      HeaderCase{"v33", "korvane 3.3", 33}, HeaderCase{"v36", "korvane 3.6", 36},
                      HeaderCase{"capitalLetter", "Korvane 3.6", 20},
                      HeaderCase{"trailingBlank", "korvane 3.6 ", 20}, HeaderCase{"empty", "", 20},
                      HeaderCase{"number", "1", 20}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DataFile, UnknownHeaderIsReadAsTheHeaderlessLayout) {
    Lines lines = kSavedDefaultCase;
    lines[0] = "Korvane 3.6";
    const DesignCase r = Read(lines);
    EXPECT_EQ(r.versionText, "Korvane 3.6");
    EXPECT_EQ(r.deckFamily, 0);
    EXPECT_EQ(r.deckModel, 0);     // the header text is no number
    EXPECT_EQ(r.thicknessCode, 1); // the family line
    EXPECT_EQ(r.coatingCode, 0);
    EXPECT_EQ(r.unitWeight, 0);
    EXPECT_EQ(r.spanLength, 0);  // the model line
    EXPECT_EQ(r.shoringCode, 5); // the thickness line
}

TEST(DataFile, HeaderlessTwelveLines) {
    const DesignCase r =
        Read({"1", "2", "3000", "2", "5", "4", "150", "1470", "500", "件名を入力", "11", "－１－"});
    EXPECT_EQ(r.versionText, "1");
    EXPECT_EQ(r.deckFamily, 0);
    EXPECT_EQ(r.deckModel, 1);
    EXPECT_EQ(r.thicknessCode, 2);
    EXPECT_EQ(r.coatingCode, 0);
    EXPECT_EQ(r.unitWeight, 0);
    EXPECT_EQ(r.spanLength, 3000);
    EXPECT_EQ(r.shoringCode, 2);
    EXPECT_EQ(r.alphaClass, 5);
    EXPECT_EQ(r.concreteKind, 4);
    EXPECT_EQ(r.slabThickness, 150);
    EXPECT_EQ(r.workLoadValue, 1470);
    EXPECT_EQ(r.otherLoadValue, 500);
    EXPECT_EQ(r.projectTitle, "件名を入力");
    EXPECT_EQ(r.pageNumberPos, 11);
    EXPECT_EQ(r.pageText, "－１－");
}

TEST(DataFile, OldFormatsRenumberPX100) {
    Lines v30 = {"korvane for win",
                 "2",
                 "1",
                 "0",
                 "130",
                 "2500",
                 "1",
                 "4",
                 "4",
                 "130",
                 "1470",
                 "0",
                 "t",
                 "0",
                 "p"};
    EXPECT_EQ(Read(v30).deckModel, 3);
    EXPECT_EQ(Read(v30).deckFamily, 0);
    v30[0] = "korvane 3.1";
    EXPECT_EQ(Read(v30).deckModel, 2);
    EXPECT_EQ(Read(v30).unitWeight, 130);
    EXPECT_EQ(Read(v30).pageText, "p");
}

TEST(DataFile, FamilyLineGivesOneOnlyForOne) {
    for (const char *text : {"2", "-1", "x", "", " 0"}) {
        Lines lines = kSavedDefaultCase;
        lines[0] = "korvane 3.2";
        lines[1] = text;
        EXPECT_EQ(Read(lines).deckFamily, 0) << text;
    }
    Lines lines = kSavedDefaultCase;
    lines[1] = " +1";
    EXPECT_EQ(Read(lines).deckFamily, 1);
}

TEST(DataFile, EmptyFileTakesTheReadingDefaults) {
    const DesignCase r = Read({});
    EXPECT_EQ(r.versionText, "");
    EXPECT_EQ(r.deckFamily, 0);
    EXPECT_EQ(r.deckModel, 0);
    EXPECT_EQ(r.thicknessCode, 0);
    EXPECT_EQ(r.coatingCode, 0);
    EXPECT_EQ(r.unitWeight, 0);
    EXPECT_EQ(r.spanLength, 2500);
    EXPECT_EQ(r.shoringCode, 1);
    EXPECT_EQ(r.alphaClass, 4);
    EXPECT_EQ(r.concreteKind, 4);
    EXPECT_EQ(r.slabThickness, 0);
    EXPECT_EQ(r.workLoadValue, 1470);
    EXPECT_EQ(r.otherLoadValue, 0);
    EXPECT_EQ(r.projectTitle, "");
    EXPECT_EQ(r.pageNumberPos, 0);
    EXPECT_EQ(r.pageText, "");
}

TEST(DataFile, UnreadableUnitWeightLineIsAConversionError) {
    Lines lines = kSavedDefaultCase;
    lines[5] = "abc";
    EXPECT_THROW(Read(lines), ConversionError);
    // A file that ends before the unit-weight line fails the same way.
    EXPECT_THROW(Read({"korvane for win", "0", "0", "0"}), ConversionError);

    lines = kSavedDefaultCase;
    lines[6] = "abc";
    EXPECT_EQ(Read(lines).spanLength, 2500);
}

std::vector<std::string> Warnings(const Lines &lines) {
    DesignCase record;
    std::vector<std::string> warnings;
    record.ReadLines(lines, &warnings);
    return warnings;
}

// Older files are normal: a complete file of any format whose lines all read gives no
// warning, also with texts that are empty or look like numbers.
TEST(ReadingWarnings, NoneForACompleteFileOfAnyFormat) {
    const std::vector<Lines> files = {
        kSavedDefaultCase,
        {"korvane 3.3", "0", "2", "0", "4", "150", "5200", "3", "9", "6", "250", "2000", "500", "",
         "22", ""},
        {"korvane 3.2", "1", "1", "1", "1", "120", "3000", "2", "5", "5", "150", "1470", "0", "123",
         "10", "－２－"},
        {"korvane 3.1", "2", "1", "3", "130", "2500", "1", "4", "4", "130", "1470", "0", "t", "0",
         "p"},
        {"korvane for win", "2", "1", "0", "130", "2500", "1", "4", "4", "130", "1470", "0", "t",
         "0", "p"},
        {"1", "2", "3000", "2", "5", "4", "150", "1470", "500", "件名を入力", "11", "－１－"},
        {"1", "2", "3000", "2", "5", "4", "150", "1470", "500", "件名を入力", "11", "－１－",
         "lines after the layout are ignored"},
    };
    for (const Lines &file : files)
        EXPECT_EQ(Warnings(file), std::vector<std::string>()) << file.front();
}

// Each finding names the line, its field and the default standing in; a file cut short is
// one finding listing every field it did not give.
TEST(ReadingWarnings, NameLineFieldAndDefault) {
    Lines lines = kSavedDefaultCase;
    lines[6] = "3000 ";
    lines[11] = "-99999999999";
    lines[12] = std::string(5000, 'x');
    EXPECT_EQ(Warnings(lines),
              (std::vector<std::string>{
                  "7 行目 (スパン) の「3000 」は整数として読めません。既定値 2500 mm を使います。",
                  "12 行目 (作業荷重) の「-99999999999」は扱える範囲を超える数値です。既定値 "
                  "1470 N/㎡ を使います。",
                  "13 行目 (その他荷重) の「" + std::string(24, 'x') +
                      "…」は整数として読めません。既定値 0 N/㎡ を使います。"}));

    lines = kSavedDefaultCase;
    lines.resize(11);
    EXPECT_EQ(Warnings(lines),
              std::vector<std::string>{"ファイルが 11 行で終わっています。ない項目には既定値を"
                                       "使います: 作業荷重 1470 N/㎡、その他荷重 0 N/㎡、"
                                       "物件名 空欄、ページ番号の位置 無し、ページ番号 空欄。"});
}

// A tab is not a blank: a number after one does not read, the default stands in and says so.
TEST(ReadingWarnings, TabBeforeTheDigitsTakesTheDefault) {
    Lines lines = kSavedDefaultCase;
    lines[6] = "\t3000";
    EXPECT_EQ(Read(lines).spanLength, 2500);
    const auto warnings = Warnings(lines);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0].rfind("7 行目 (スパン) の「?3000」は整数として読めません。", 0), 0u)
        << warnings[0];
}

TEST(ReadingWarnings, EmptyFileAndGarbageAreNotTakenSilently) {
    const auto empty = Warnings({});
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].rfind("ファイルが空です。", 0), 0u) << empty[0];

    const auto garbage = Warnings({"PK\x03\x04 zip?", "\x01\x02"});
    ASSERT_EQ(garbage.size(), 4u);
    EXPECT_NE(garbage[0].find("見出しのない最も古い形式"), std::string::npos);
    EXPECT_EQ(garbage[1].rfind("1 行目 (デッキ名称) の「PK?? zip?」", 0), 0u) << garbage[1];
    EXPECT_NE(garbage[3].find("ファイルが 2 行で終わっています"), std::string::npos);
}

TEST(ReadingWarnings, UnitWeightErrorNamesTheLine) {
    Lines lines = kSavedDefaultCase;
    lines[5] = "1e3";
    try {
        Read(lines);
        FAIL();
    } catch (const ConversionError &error) {
        EXPECT_STREQ(error.what(), "6 行目 (単位重量): '1e3' は有効な整数値ではありません。");
    }
    try {
        Read({"korvane 3.6", "1", "0"});
        FAIL();
    } catch (const ConversionError &error) {
        EXPECT_STREQ(error.what(),
                     "6 行目 (単位重量) がありません (ファイルが 3 行で終わっています)。");
    }
}

TEST(DataFile, LinesAfterTheLayoutAreIgnoredAndCodesAreKept) {
    Lines lines = kSavedDefaultCase;
    lines[3] = "9";
    lines.push_back("extra");
    const DesignCase r = Read(lines);
    EXPECT_EQ(r.thicknessCode, 9);
    EXPECT_EQ(r.pageText, "－１－");
}

struct WholeNumberCase {
    const char *name;
    const char *text;
    std::optional<std::int32_t> value;
};

void PrintTo(const WholeNumberCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name, "text", row.text, "value", row.value);
}

class WholeNumber : public ::testing::TestWithParam<WholeNumberCase> {};

TEST_P(WholeNumber, ReadsOnlySignAndDigitsAfterBlanks) {
    EXPECT_EQ(ReadWholeNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, WholeNumber,
    ::testing::Values(
        WholeNumberCase{"plain", "2500", 2500}, WholeNumberCase{"leadingBlanks", "   12", 12},
        WholeNumberCase{"leadingTab", "\t3", std::nullopt},
        WholeNumberCase{"spaceThenTab", " \t3", std::nullopt}, WholeNumberCase{"plusSign", "+5", 5},
        WholeNumberCase{"minus", "-7", -7}, WholeNumberCase{"leadingZeros", "0000", 0},
        WholeNumberCase{"trailingBlank", "12 ", std::nullopt},
        WholeNumberCase{"blankAfterSign", "- 7", std::nullopt},
        WholeNumberCase{"empty", "", std::nullopt}, WholeNumberCase{"signOnly", "-", std::nullopt},
        WholeNumberCase{"decimal", "1.0", std::nullopt},
        WholeNumberCase{"fullWidthDigits", "１２", std::nullopt},
        WholeNumberCase{"largest", "2147483647", 2147483647},
        WholeNumberCase{"tooLarge", "2147483648", std::nullopt},
        WholeNumberCase{"smallest", "-2147483648", INT32_MIN},
        WholeNumberCase{"tooSmall", "-2147483649", std::nullopt},
        WholeNumberCase{"manyDigits", "99999999999999999999", std::nullopt}),
    [](const auto &info) { return std::string(info.param.name); });

// The saved default case as bytes: code page 932 with CR LF after every line.
std::string SavedBytes() {
    return DataFileBytes(kSavedDefaultCase);
}

TEST(DataFileBytes, AreCodePage932WithCrLf) {
    const std::string bytes = SavedBytes();
    EXPECT_EQ(bytes.substr(0, 13), "korvane 3.6\r\n");
    EXPECT_NE(bytes.find("\x8C\x8F\x96\xBC\x82\xF0\x93\xFC\x97\xCD\r\n"), std::string::npos)
        << "件名を入力";
    EXPECT_EQ(bytes.substr(bytes.size() - 8), "\x81\x7C\x82\x50\x81\x7C\r\n") << "－１－";
}

struct EncodingCase {
    const char *name;
    std::string (*bytes)();
};

void PrintTo(const EncodingCase &row, std::ostream *os) {
    PrintRow(os, "name", row.name);
}

std::string Utf16(bool bigEndian) {
    std::string text;
    for (const auto &line : kSavedDefaultCase)
        text += line + "\r\n";
    // UTF-8 to UTF-16 by hand for the characters used here (all in the BMP).
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (std::size_t i = 0; i < text.size();) {
        unsigned char c = text[i];
        char32_t cp;
        if (c < 0x80) {
            cp = c;
            i += 1;
        } else if (c < 0xE0) {
            cp = ((c & 0x1F) << 6) | (text[i + 1] & 0x3F);
            i += 2;
        } else {
            cp = ((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
            i += 3;
        }
        const char hi = static_cast<char>(cp >> 8), lo = static_cast<char>(cp & 0xFF);
        out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
    }
    return out;
}

std::string JoinedWith(const char *lineBreak, bool bom, const Lines &lines = kSavedDefaultCase) {
    std::string text = bom ? "\xEF\xBB\xBF" : "";
    for (const auto &line : lines)
        text += line + lineBreak;
    return text;
}

class Encoding : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(Encoding, ReadsTheSameCase) {
    EXPECT_EQ(Read(DataFileLinesFromBytes(GetParam().bytes())), Read(kSavedDefaultCase));
}

INSTANTIATE_TEST_SUITE_P(
    Files, Encoding,
    ::testing::Values(EncodingCase{"cp932CrLf", SavedBytes},
                      EncodingCase{"utf8BomLf", [] { return JoinedWith("\n", true); }},
                      EncodingCase{"utf8BomCr", [] { return JoinedWith("\r", true); }},
                      EncodingCase{"utf16le", [] { return Utf16(false); }},
                      EncodingCase{"utf16be", [] { return Utf16(true); }},
                      EncodingCase{"cp932NoFinalBreak",
                                   [] { return SavedBytes().substr(0, SavedBytes().size() - 2); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DataFileBytes, EmptyLinesInTheMiddleAreKept) {
    EXPECT_EQ(SplitLines("a\r\n\r\nb\n\rc\r"), (Lines{"a", "", "b", "", "c"}));
    EXPECT_EQ(SplitLines(""), Lines{});
}

TEST(DataFileBytes, TitleOutsideCodePage932BecomesQuestionMark) {
    Lines lines = kSavedDefaultCase;
    lines[13] = "橋梁😀工事";
    EXPECT_EQ(Read(DataFileLinesFromBytes(JoinedWith("\n", true, lines))).projectTitle,
              "橋梁?工事");
}

// Bytes that are no text still decode to lines of characters that code page 932 can hold,
// split only at line breaks; what cannot be decoded becomes "?".
TEST(DataFileBytes, GarbageDecodesToCodePage932Lines) {
    EXPECT_EQ(DataFileLinesFromBytes("\x81"), Lines{"?"});         // lead byte cut off
    EXPECT_EQ(DataFileLinesFromBytes("\xFF\xFE\x41"), Lines{"?"}); // half a UTF-16 unit
    // A character cut before a line break does not take the break with it.
    EXPECT_EQ(DataFileLinesFromBytes("1\r\x81\n\xA0"), (Lines{"1", "?", "?"}));
    EXPECT_EQ(DataFileLinesFromBytes("\x82\r\n2\r\n"), (Lines{"?", "2"}));

    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919 + 13) & 0xFF);
    const Lines lines = DataFileLinesFromBytes(garbage);
    EXPECT_EQ(lines.size(), SplitLines(garbage).size());
    for (const std::string &line : lines) {
        EXPECT_TRUE(IsValidUtf8(line));
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(line)), line);
    }
}

TEST(TextCodec, ByteLengthInCodePage932) {
    EXPECT_EQ(Cp932ByteLength("abc"), 3u);
    EXPECT_EQ(Cp932ByteLength("件名"), 4u);
    EXPECT_EQ(Cp932ByteLength("ｱ･｢｣"), 4u);
    EXPECT_EQ(Cp932ByteLength("N/㎡"), 4u);
    EXPECT_EQ(Cp932ByteLength("Ⅱ類"), 4u);
    EXPECT_EQ(Cp932ByteLength("😀"), 1u);
    EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932("PX75Vα ≦ ＞ ･ ρ")), "PX75Vα ≦ ＞ ･ ρ");
}

class DataFileOnDisk : public ::testing::Test {
protected:
    std::filesystem::path m_dir =
        std::filesystem::temp_directory_path() / ("korvane_test_" + std::to_string(::getpid()));
    void SetUp() override { std::filesystem::create_directories(m_dir); }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
};

TEST_F(DataFileOnDisk, LoadsASavedFile) {
    const auto path = (m_dir / "case.fdt").string();
    std::ofstream(path, std::ios::binary) << SavedBytes();
    EXPECT_EQ(LoadDataFileLines(path), kSavedDefaultCase);
}

TEST_F(DataFileOnDisk, MissingFileOrFolderIsAFileErrorNamingIt) {
    for (const auto &path : {(m_dir / "missing.fdt").string(), m_dir.string()}) {
        try {
            LoadDataFileLines(path);
            FAIL() << path;
        } catch (const FileError &error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos);
        }
    }
}

// The cap is exact: a file of the cap's size is read, one byte more is refused unread.
TEST_F(DataFileOnDisk, CapIsExact) {
    const auto path = (m_dir / "big.fdt").string();
    std::ofstream(path, std::ios::binary) << std::string(100, '7');
    EXPECT_EQ(ReadSmallRegularFile(path, 100).size(), 100u);
    std::ofstream(path, std::ios::binary) << std::string(101, '7');
    EXPECT_THROW(ReadSmallRegularFile(path, 100), FileError);
    // Files whose size says nothing (a kernel file reports 0) are still held to the cap,
    // and read to their end below it.
    EXPECT_THROW(ReadSmallRegularFile("/proc/self/maps", 10), FileError);
#if defined(__linux__) && !defined(__EMSCRIPTEN__) // a Linux program's own kernel file
    const std::string maps = ReadSmallRegularFile("/proc/self/maps", 1 << 20);
    ASSERT_GT(maps.size(), 4096u); // longer than the first buffer: read in several pieces
    EXPECT_EQ(maps.back(), '\n');
#endif
}

TEST(FileNames, ShiftJisNamesAreShownReadably) {
    EXPECT_EQ(DisplayPath("/home/設計/case.fdt"), "/home/設計/case.fdt");
    EXPECT_EQ(DisplayPath("/tmp/\x83\x66\x81\x5b\x83\x5e.fdt"), "/tmp/データ.fdt");
    EXPECT_EQ(ShortQuote("\x01"
                         "abc",
                         2),
              "?a…");
    EXPECT_EQ(ShortQuote("設計条件", 4), "設計条件");
}

TEST(FileNames, SaveProposesTheLastNameAsADataFile) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"", "Data.fdt"},         {"case.fdt", "case.fdt"},
        {"case.txt", "case.fdt"}, {"site.v2.bak", "site.v2.fdt"},
        {"case", "case.fdt"},     {"○○ビル.FDT", "○○ビル.fdt"},
    };
    for (const auto &[last, proposed] : cases)
        EXPECT_EQ(ProposedSaveName(last), proposed) << last;
}

} // namespace
} // namespace korvane
