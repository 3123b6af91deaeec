// korvane-calc as a user runs it: files in, one JSON line per case out, exit status.

#include "core/DataFile.h"
#include "core/FileReading.h"

#include "tests/JsonTestSupport.h"
#include "tests/cli/CalcRun.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Json = rapidjson::Value;
using korvane::test::CalcRun;
using korvane::test::JsonLines;
using korvane::test::RunCalc;

class CalcProgram : public ::testing::Test {
protected:
    fs::path m_dir = fs::temp_directory_path() / ("korvane_calc_" + std::to_string(getpid()));
    void SetUp() override { fs::create_directories(m_dir); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string Write(const std::string &name, const std::vector<std::string> &lines) {
        return WriteBytes(name, korvane::DataFileBytes(lines));
    }
    std::string WriteBytes(const std::string &name, const std::string &bytes) {
        const auto path = (m_dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
};

std::vector<std::string> SavedCase(int spanLength, int workLoad = 1470) {
    return {"korvane 3.6",
            "1",
            "0",
            "5",
            "0",
            "111",
            std::to_string(spanLength),
            "1",
            "4",
            "4",
            "130",
            std::to_string(workLoad),
            "0",
            "件名を入力",
            "0",
            "－１－"};
}

TEST_F(CalcProgram, DefaultCaseWithoutFile) {
    const CalcRun run = RunCalc("");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 1u);
    const Json &j = lines[0];
    EXPECT_TRUE(j["precheck"].IsNull());
    EXPECT_EQ(j["record"]["unitWeight"].GetInt(), 111);
    EXPECT_EQ(j["result"]["totalLoad"].GetDouble(), 4701);
    EXPECT_EQ(j["result"]["fbAllow"].GetDouble(), 188);
    EXPECT_EQ(j["result"]["maxSpan"].GetInt(), 2420);
    EXPECT_EQ(j["result"].MemberCount(), 27u);
    EXPECT_EQ(j["record"].MemberCount(), 16u);
    const Json &checks = j["checks"];
    ASSERT_EQ(checks.Size(), 4u);
    EXPECT_EQ(checks[1u]["name"], "bending");
    EXPECT_NEAR(checks[1u]["stress"].GetDouble(), 180.92, 1e-9);
    EXPECT_EQ(checks[1u]["passes"].GetBool(), true);
    EXPECT_NEAR(j["result"]["deflection"].GetDouble(), 16.66, 0.005);
    EXPECT_EQ(checks[2u]["passes"].GetBool(), true);
    EXPECT_EQ(checks[3u]["name"], "maxSpan");
    EXPECT_EQ(checks[3u]["passes"].GetBool(), false);
}

// The dynamic loader's list of the libraries a run loads (LD_DEBUG=files, on standard error).
CalcRun RunCalcListingLibraries(const std::string &arguments) {
    setenv("LD_DEBUG", "files", 1);
    CalcRun run = RunCalc(arguments);
    unsetenv("LD_DEBUG");
    return run;
}

// A JSON run never loads the drawing libraries (QtGui and the font, window-system and
// message-bus libraries under it), which would double its start-up; a run that draws loads
// them in its drawing part and still writes what it should.
TEST_F(CalcProgram, JsonRunLoadsNoDrawingLibraries) {
    const std::string file = Write("case.fdt", SavedCase(2000));
    const CalcRun json = RunCalcListingLibraries(file);
    EXPECT_EQ(json.status, 0);
    ASSERT_NE(json.err.find("libQt6Core"), std::string::npos) << "no library list: " << json.err;
    for (const char *library :
         {"libQt6Gui", "libQt6DBus", "libfontconfig", "libfreetype", "libxcb", "libEGL"})
        EXPECT_EQ(json.err.find(library), std::string::npos) << library << " is loaded";
    EXPECT_EQ(JsonLines(json.out).size(), 1u);

    const CalcRun drawn = RunCalcListingLibraries("--draw-log " + file);
    EXPECT_EQ(drawn.status, 0);
    EXPECT_NE(drawn.err.find("libQt6Gui"), std::string::npos);
    EXPECT_NE(drawn.out.find("\"op\""), std::string::npos) << drawn.out.substr(0, 200);
}

// A korvane-calc without the part a run needs says so, naming the part, and fails; it never
// reports a page as written, nor prints a JSON line.
TEST_F(CalcProgram, MissingPartFailsNamingIt) {
    const fs::path lone = m_dir / "korvane-calc";
    fs::copy_file(KORVANE_CALC, lone);
    const fs::path pdf = m_dir / "out.pdf";
    const std::string file = Write("case.fdt", SavedCase(2000));
    const struct {
        std::string arguments;
        const char *part;
    } runs[] = {
        {"--pdf " + pdf.string() + " " + file, "korvane-calc-draw"},
        {file, "korvane-calc-text.so"},
        {"--span-table " + file, "korvane-calc-text.so"},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.arguments);
        const std::string command = lone.string() + " " + run.arguments + " 2>&1";
        FILE *pipe = popen(command.c_str(), "r");
        std::string said;
        std::array<char, 1024> buffer;
        std::size_t n;
        while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
            said.append(buffer.data(), n);
        const int raw = pclose(pipe);
        EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
        EXPECT_NE(said.find(run.part), std::string::npos) << said;
        EXPECT_EQ(said.find('{'), std::string::npos) << said;
        EXPECT_FALSE(fs::exists(pdf));
    }
}

TEST_F(CalcProgram, ManyFilesOneLineEachInOrder) {
    const auto a = Write("a.fdt", SavedCase(2000));
    const auto b = Write("b.fdt", SavedCase(3000));
    const CalcRun run = RunCalc(a + " " + b);
    ASSERT_EQ(run.status, 0);
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["file"], a);
    EXPECT_EQ(lines[0]["record"]["spanLength"].GetInt(), 2000);
    EXPECT_EQ(lines[1]["record"]["spanLength"].GetInt(), 3000);
}

TEST_F(CalcProgram, RefusedCaseExitsTwoWithThePreCheck) {
    const CalcRun run = RunCalc(Write("short.fdt", SavedCase(999)));
    EXPECT_EQ(run.status, 2);
    const auto parsed = JsonLines(run.out);
    const Json &j = parsed.at(0);
    EXPECT_EQ(j["precheck"]["message"], "計算できるスパンは、1000 mm以上です");
    EXPECT_EQ(j["precheck"]["field"], "span");
    EXPECT_EQ(j["precheck"]["corrected"], "1000");
    EXPECT_TRUE(j["notices"].IsArray() && j["notices"].Empty());
    EXPECT_FALSE(j.HasMember("read")); // the window reads the file's record back unchanged
    EXPECT_FALSE(j.HasMember("result"));
    EXPECT_FALSE(j.HasMember("checks"));
    EXPECT_FALSE(j.HasMember("sheet"));
}

// A work load other than 1470 goes into the window's four-position field: fewer than four
// digits leave blanks behind them, which are refused naming the field and what it needs.
TEST_F(CalcProgram, ShortWorkLoadIsRefusedNamingTheField) {
    const CalcRun full = RunCalc(Write("heavy.fdt", SavedCase(2500, 2000)));
    EXPECT_EQ(full.status, 0) << full.err;
    EXPECT_EQ(JsonLines(full.out).at(0)["result"]["workLoad"].GetDouble(), 2000);

    for (const int workLoad : {980, 0}) {
        const CalcRun run = RunCalc(Write("light.fdt", SavedCase(2500, workLoad)));
        EXPECT_EQ(run.status, 2) << workLoad;
        const auto parsed = JsonLines(run.out);
        const Json &j = parsed.at(0);
        EXPECT_EQ(j["record"]["workLoadValue"].GetInt(), 0); // "980 " does not read as a number
        if (workLoad != 0)
            EXPECT_EQ(j["read"]["workLoadValue"].GetInt(), workLoad);
        else
            EXPECT_FALSE(j.HasMember("read"));
        EXPECT_EQ(j["precheck"]["field"], "workLoad");
        EXPECT_TRUE(j["precheck"]["corrected"].IsNull());
        EXPECT_EQ(j["precheck"]["message"],
                  "作業荷重は 4 桁の数値で入力して下さい。(1470N/㎡以上、例: 2450)");
        EXPECT_FALSE(j.HasMember("result"));
    }
}

// What the window shows of a file is what is calculated: PX100 is no longer in the model
// list and shows as PX75; with K35, which PX100 never had, the coating is asked again.
TEST_F(CalcProgram, CaseIsCalculatedAsTheWindowShowsIt) {
    auto px100 = SavedCase(2500);
    px100[1] = "0", px100[2] = "3", px100[3] = "0", px100[4] = "1", px100[5] = "191";
    auto k35 = px100;
    k35[4] = "3";
    const struct {
        const char *name;
        std::vector<std::string> lines;
        const char *deckLabel;
        int coating;
        const char *notice; // nullptr: none
    } rows[] = {
        {"px100.fdt", px100, "PX75-08", 1, nullptr},
        {"k35.fdt", k35, "PX75-08", 0,
         "PX100の表面処理「K35」は廃止されました。\n表面処理を選択し直してください。"},
    };
    for (const auto &row : rows) {
        const CalcRun run = RunCalc(Write(row.name, row.lines));
        ASSERT_EQ(run.status, 0) << row.name << run.err;
        const auto parsed = JsonLines(run.out);
        const Json &j = parsed.at(0);
        EXPECT_EQ(j["read"]["deckModel"].GetInt(), 3) << row.name;
        EXPECT_EQ(j["record"]["deckModel"].GetInt(), 0) << row.name;
        EXPECT_EQ(j["record"]["coatingCode"].GetInt(), row.coating) << row.name;
        EXPECT_EQ(j["result"]["deckLabel"], row.deckLabel) << row.name;
        EXPECT_EQ(j["result"]["deckDepth"].GetInt(), 75) << row.name;
        ASSERT_EQ(j["notices"].Size(), row.notice ? 1u : 0u) << row.name;
        if (row.notice) {
            EXPECT_EQ(j["notices"][0u], row.notice) << row.name;
        }
    }
}

TEST_F(CalcProgram, UnreadableFilesExitOneNamingTheFile) {
    auto badWeight = SavedCase(2500);
    badWeight[5] = "x";
    const std::vector<std::string> paths = {(m_dir / "missing.fdt").string(), m_dir.string(),
                                            Write("weight.fdt", badWeight)};
    for (const auto &path : paths) {
        const CalcRun run = RunCalc(path);
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_TRUE(run.out.empty()) << path;
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
    }
}

// Whatever the path names, korvane-calc neither hangs nor reads without end: only a regular
// file of at most 1 MiB is read; anything else exits 1 with a message naming the file.
TEST_F(CalcProgram, NastyFilesAreRefusedUnreadNamingTheFile) {
    const std::string dir = m_dir.string();
    ASSERT_EQ(::mkfifo((dir + "/fifo.fdt").c_str(), 0600), 0);
    std::ofstream(dir + "/sparse.fdt").close();
    ASSERT_EQ(::truncate((dir + "/sparse.fdt").c_str(), 1LL << 30), 0);
    const struct {
        std::string path;
        const char *reason;
    } rows[] = {
        {dir + "/fifo.fdt", "通常のファイルではありません"},
        {"/dev/zero", "通常のファイルではありません"},
        {dir, "フォルダです"},
        {dir + "/sparse.fdt", "大きすぎます"},
        {WriteBytes("over.fdt", std::string(korvane::kDataFileByteCap + 1, '7')), "大きすぎます"},
        {WriteBytes("line.fdt", std::string(100'000'000, '7')), "大きすぎます"},
        {dir + "/missing.fdt", "No such file"},
    };
    for (const auto &row : rows) {
        const CalcRun run = RunCalc("'" + row.path + "'");
        EXPECT_EQ(run.status, 1) << row.path;
        EXPECT_TRUE(run.out.empty()) << row.path;
        EXPECT_NE(run.err.find("\"" + row.path + "\""), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(row.reason), std::string::npos) << run.err;
        EXPECT_LT(run.err.size(), 400u) << row.path; // nothing of the file is echoed
    }
}

// A damaged file is calculated as the window would calculate it, never silently: its
// JSON carries "warnings" and standard error says the same, naming the file.
TEST_F(CalcProgram, DamagedFilesAreCalculatedWithWarnings) {
    auto cut = SavedCase(3000, 3000);
    cut[12] = "500";
    cut.resize(11);
    auto blank = SavedCase(3000);
    blank[6] = "3000 ";
    auto huge = SavedCase(3000);
    huge[11] = "2147483648";
    const struct {
        std::string path;
        const char *warning; // piece of the last warning; nullptr: none
        int spanLength;
        int workLoad;
    } rows[] = {
        {Write("cut.fdt", cut), "作業荷重 1470 N/㎡、その他荷重 0 N/㎡", 3000, 1470},
        {Write("blank.fdt", blank), "7 行目 (スパン) の「3000 」", 2500, 1470},
        {Write("huge.fdt", huge), "12 行目 (作業荷重) の「2147483648」は扱える範囲", 3000, 1470},
        {WriteBytes("empty.fdt", ""), "ファイルが空です", 2500, 1470},
        {WriteBytes("garbage.fdt", "\x89PNG\r\n\x1a\n"), "ファイルが 2 行で終わって", 2500, 1470},
        {Write("old.fdt", {"1", "2", "3000", "2", "5", "4", "150", "1600", "500", "件名を入力",
                           "11", "－１－"}),
         nullptr, 3000, 1600},
    };
    for (const auto &row : rows) {
        const CalcRun run = RunCalc(row.path);
        const auto parsed = JsonLines(run.out);
        const Json &j = parsed.at(0);
        EXPECT_EQ(j["record"]["spanLength"].GetInt(), row.spanLength) << row.path;
        EXPECT_EQ(j["record"]["workLoadValue"].GetInt(), row.workLoad) << row.path;
        if (!row.warning) {
            EXPECT_TRUE(j["warnings"].IsArray() && j["warnings"].Empty()) << row.path;
            EXPECT_EQ(run.err, "") << row.path;
            continue;
        }
        ASSERT_FALSE(j["warnings"].Empty()) << row.path;
        const std::string last = j["warnings"][j["warnings"].Size() - 1].GetString();
        EXPECT_NE(last.find(row.warning), std::string::npos) << last;
        EXPECT_NE(run.err.find("korvane-calc: " + row.path + ": " + last), std::string::npos)
            << run.err;
    }
}

// A value the window cannot show as it is (a work load longer than its field's four digits,
// a code no button or list has) is calculated as the window shows it, and said: in the JSON's
// "warnings" and on standard error, naming the file's value and the one calculated with.
TEST_F(CalcProgram, ValuesTheWindowShowsOtherwiseAreWarned) {
    const struct {
        const char *name;
        std::size_t line; // counted from 0
        const char *fileValue;
        const char *warning; // piece of the warning; nullptr: none
        const char *key;     // the record's field holding the value calculated with
        int calculated;
    } rows[] = {
        {"workLoad12000", 11, "12000",
         "作業荷重 のファイルの値 12000 N/㎡ は入力欄 (4 桁) に収まらないため、入力欄の 1200 N/㎡",
         "workLoadValue", 1200},
        {"workLoad25000", 11, "25000",
         "25000 N/㎡ は入力欄 (4 桁) に収まらないため、入力欄の 2500 N/㎡", "workLoadValue", 2500},
        {"workLoadInt32Max", 11, "2147483647",
         "2147483647 N/㎡ は入力欄 (4 桁) に収まらないため、入力欄の 2147 N/㎡", "workLoadValue",
         2147},
        {"workLoadFourDigits", 11, "9999", nullptr, "workLoadValue", 9999},
        {"shoringCodeNine", 7, "9", "支保工 のファイルの値 9 は画面で選べないため、画面の「無し」",
         "shoringCode", 1},
        {"classCodeTwelve", 8, "12", "施工割増係数 のファイルの値 12", "alphaClass", 4},
        {"concreteCodeSeven", 9, "7", "コンクリート種類 のファイルの値 7", "concreteKind", 4},
        {"modelCodeNine", 2, "9", "デッキ名称 のファイルの値 9", "deckModel", 0},
        {"pagePositionNinetyNine", 14, "99",
         "ページ番号の位置 のファイルの値 99 は画面で選べないため、画面の「無し」", "pageNumberPos",
         0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto lines = SavedCase(3000);
        lines.at(row.line) = row.fileValue;
        const std::string path = Write(std::string(row.name) + ".fdt", lines);
        const CalcRun run = RunCalc("'" + path + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        const auto parsed = JsonLines(run.out);
        const Json &j = parsed.at(0);
        EXPECT_EQ(j["record"][row.key].GetInt(), row.calculated);
        std::string warnings;
        for (const auto &warning : j["warnings"].GetArray())
            warnings += std::string(warning.GetString()) + "\n";
        if (!row.warning) {
            EXPECT_EQ(warnings, "");
            continue;
        }
        EXPECT_NE(warnings.find(row.warning), std::string::npos) << warnings;
        EXPECT_NE(run.err.find(path + ": "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(row.warning), std::string::npos) << run.err;
    }
}

// A title or page text with bytes code page 932 does not decode reads as "?", which the next
// save writes: said on opening, naming the line; text that decodes is not mentioned.
TEST_F(CalcProgram, UndecodableTitleAndPageTextAreWarned) {
    const struct {
        const char *name;
        std::size_t line; // counted from 0: 13 the title, 15 the page text
        std::string bytes;
        const char *warning; // nullptr: none
    } rows[] = {
        {"pairWithBadTrailByte", 13, "AB\x81 CD",
         "14 行目 (物件名) にシフト JIS として読めない文字"},
        {"leadByteCutAtLineEnd", 13, "AB\x82", "14 行目 (物件名)"},
        {"undefinedByte", 15, "P-\xFD", "16 行目 (ページ番号)"},
        {"validShiftJis", 13, "\x91\xe6\x88\xea\x8d\x48\x8b\xe6", nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        auto lines = SavedCase(3000);
        lines[row.line] = "@LINE@";
        std::string bytes = korvane::DataFileBytes(lines);
        bytes.replace(bytes.find("@LINE@"), 6, row.bytes);
        const std::string path = WriteBytes(std::string(row.name) + ".fdt", bytes);
        const CalcRun run = RunCalc("'" + path + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        const auto parsed = JsonLines(run.out);
        std::string warnings;
        for (const auto &warning : parsed.at(0)["warnings"].GetArray())
            warnings += std::string(warning.GetString()) + "\n";
        if (!row.warning) {
            EXPECT_EQ(warnings, "");
            continue;
        }
        EXPECT_NE(warnings.find(row.warning), std::string::npos) << warnings;
        EXPECT_NE(warnings.find("「?」"), std::string::npos) << warnings;
        EXPECT_NE(run.err.find(row.warning), std::string::npos) << run.err;
    }
}

// Names from archives made on Japanese Windows are Shift-JIS bytes: the file is found by
// its bytes and named readably in the output.
TEST_F(CalcProgram, FileNameThatIsNotUtf8) {
    const std::string path = Write("\x83\x66\x81\x5b\x83\x5e.fdt", SavedCase(2600));
    const CalcRun run = RunCalc("'" + path + "' --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto parsed = JsonLines(run.out);
    const Json &j = parsed.at(0);
    EXPECT_EQ(j["file"], (m_dir / "データ.fdt").string());
    EXPECT_EQ(j["record"]["spanLength"].GetInt(), 2600);
}

// A negative load would lower the total load and pass every check: refused after the nine
// range checks, naming its field.
TEST_F(CalcProgram, NegativeLoadsAreRefused) {
    auto work = SavedCase(2500, -100); // four positions, so the field converts
    auto other = SavedCase(2500);
    other[12] = "-9000";
    for (const auto &[lines, field] :
         {std::pair{work, "workLoad"}, std::pair{other, "otherLoad"}}) {
        const CalcRun run = RunCalc(Write("negative.fdt", lines));
        EXPECT_EQ(run.status, 2) << field;
        const auto parsed = JsonLines(run.out);
        const Json &j = parsed.at(0);
        EXPECT_EQ(j["precheck"]["field"], field);
        EXPECT_TRUE(j["precheck"]["corrected"].IsNull());
        EXPECT_NE(std::string(j["precheck"]["message"].GetString()).find("負の値"),
                  std::string::npos);
        EXPECT_FALSE(j.HasMember("result"));
    }
}

TEST_F(CalcProgram, GarbageIsReadOrRefusedButNeverCrashes) {
    std::string garbage;
    for (int i = 0; i < 200000; ++i)
        garbage += static_cast<char>((i * 2654435761u) >> 24);
    const CalcRun run = RunCalc(WriteBytes("garbage.fdt", garbage));
    EXPECT_TRUE(run.status == 0 || run.status == 1 || run.status == 2) << run.status;
    // A line just under the cap is read; what is said about it quotes it cut short.
    const CalcRun longLine = RunCalc(WriteBytes("long.fdt", std::string(1'000'000, '7')));
    EXPECT_TRUE(longLine.status == 0 || longLine.status == 2) << longLine.err;
    EXPECT_LT(longLine.err.size(), 2000u);
}

} // namespace
