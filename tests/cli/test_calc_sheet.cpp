// korvane-calc's calculation sheet: the items in its JSON, the PNG and PDF files it writes
// and its draw log.
#include "core/DataFile.h"
#include "tests/JsonTestSupport.h"
#include "tests/PdfTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Result {
    int status = -1;
    std::string out;
};

Result RunCommand(const std::string &command) {
    Result r;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0)
        r.out.append(buf, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// Runs korvane-calc with the arguments; standard error goes to `errFile`.
Result RunCalc(const std::string &args, const std::string &errFile = "/dev/null") {
    return RunCommand(std::string(KORVANE_CALC) + " " + args + " 2>" + errFile);
}

std::string ReadFile(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CalcSheet : public testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() /
                ("korvane_calc_sheet_" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }
    std::string Path(const char *name) const { return (m_dir / name).string(); }
    // A saved case of the given span with its own print settings (title, page number at the
    // bottom right, page text).
    std::string WriteCase(const char *name, int span, const char *title, const char *pageText) {
        const std::string path = Path(name);
        std::ofstream(path, std::ios::binary) << korvane::DataFileBytes(
            {"korvane 3.6", "1", "0", "5", "0", "111", std::to_string(span), "1", "4", "4", "130",
             "1470", "0", title, "22", pageText});
        return path;
    }
    std::filesystem::path m_dir;
};

// The item with this label; a null value when the sheet has none.
const rapidjson::Value &FindItem(const rapidjson::Value &sheet, const std::string &label) {
    static const rapidjson::Value none;
    for (const auto &item : sheet.GetArray())
        if (item["item"] == label)
            return item;
    return none;
}

TEST_F(CalcSheet, JsonListsTheScreenSheetItemByItem) {
    const Result r = RunCalc("");
    ASSERT_EQ(r.status, 0);
    const rapidjson::Document j = korvane::test::ParseJson(r.out);
    const rapidjson::Value &sheet = j["sheet"];
    EXPECT_EQ(FindItem(sheet, "A2")["text"], "デッキプレート: PX75LA-07 (Z12)  t =0.7 mm");
    EXPECT_TRUE(FindItem(sheet, "A2")["verdict"].IsNull());
    EXPECT_EQ(FindItem(sheet, "E7")["text"], " ≦ fb/β = 188 N/mm2");
    EXPECT_EQ(FindItem(sheet, "E7")["verdict"], "【 O.K.】");
    EXPECT_EQ(FindItem(sheet, "E12")["verdict"], "【不 可】");
    EXPECT_TRUE(FindItem(sheet, "D7").IsNull());
    EXPECT_TRUE(FindItem(sheet, "F1").IsNull());
}

TEST_F(CalcSheet, PrinterTargetAddsHeaderAndFooterWithTheGivenDate) {
    const Result r = RunCalc("--target printer --date 2026/12/10");
    ASSERT_EQ(r.status, 0);
    const rapidjson::Document j = korvane::test::ParseJson(r.out);
    const rapidjson::Value &sheet = j["sheet"];
    EXPECT_EQ(FindItem(sheet, "H3")["text"], "フラットデッキ構造計算");
    EXPECT_TRUE(FindItem(sheet, "H2").IsNull()); // the default title is the placeholder
    EXPECT_EQ(FindItem(sheet, "F1")["text"], "Ａｒｖｅｌ株式会社 [2026/12/10]");
}

TEST_F(CalcSheet, WritesPictureAndPage) {
    const std::string png = Path("sheet.png"), pdf = Path("sheet.pdf");
    const Result r = RunCalc("--png '" + png + "' --pdf '" + pdf + "' --date 2026/12/10");
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"sheet\""), std::string::npos); // the JSON still comes
    EXPECT_EQ(ReadFile(png).substr(1, 3), "PNG");
    const std::string text = RunCommand("pdftotext '" + pdf + "' -").out;
    EXPECT_NE(text.find("フラットデッキ構造計算"), std::string::npos) << text;
    EXPECT_NE(text.find("Ａｒｖｅｌ株式会社 [2026/12/10]"), std::string::npos) << text;
}

TEST_F(CalcSheet, DrawLogReplacesTheJsonWithOneOperationPerLine) {
    const Result r = RunCalc("--draw-log");
    ASSERT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        const rapidjson::Document op = korvane::test::ParseJson(line);
        EXPECT_TRUE(op.HasMember("op") && op.HasMember("x") && op.HasMember("y")) << line;
        if (count++ == 0) {
            EXPECT_EQ(op["op"], "rect");
        }
    }
    EXPECT_GT(count, 100);
}

TEST_F(CalcSheet, PdfIsArchivalAndNamedAfterTheSubjectWithoutATitle) {
    const std::string pdf = Path("sheet.pdf");
    ASSERT_EQ(RunCalc("--pdf '" + pdf + "'").status, 0);
    EXPECT_EQ(korvane::test::ArchivalFaults(pdf), std::vector<std::string>{});
    EXPECT_EQ(korvane::test::PdfInfoField(pdf, "Title"), "フラットデッキ構造計算");
}

// A title with any control character (pasted from a terminal, say) still gives an archival
// file: the metadata, which is XML, leaves out what XML cannot hold, and an XML reader reads
// it; the characters XML does allow, markup among them, stay.
TEST_F(CalcSheet, ArchivalMetadataIsWellFormedWhateverTheTitleHolds) {
    struct TitleCase {
        std::string title;
        std::string documentTitle;
    };
    std::vector<TitleCase> cases;
    for (char c = 0x01; c < 0x20; ++c)
        if (c != '\n' && c != '\r') // a line break ends the title's line in the file
            cases.push_back({std::string("AB") + c + "CD\x1b", c == '\t' ? "AB\tCD" : "ABCD"});
    cases.push_back({"<工区&\"'>\x7f", "<工区&\"'>\x7f"});
    cases.push_back({"\x01\x02", "フラットデッキ構造計算"});
    for (const TitleCase &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.title));
        const std::string pdf = Path("title.pdf");
        const std::string file = WriteCase("title.fdt", 2500, c.title.c_str(), "P-1");
        ASSERT_EQ(RunCalc("--pdf '" + pdf + "' '" + file + "'").status, 0);
        EXPECT_EQ(korvane::test::ArchivalFaults(pdf), std::vector<std::string>{});
        EXPECT_EQ(korvane::test::PdfInfoField(pdf, "Title"), c.documentTitle);
    }
}

// Each calculated file gives a page of one PDF, in the order given, printed with its own
// settings; a refused or unreadable file gives none, and the exit status and the JSON lines
// are those of the files alone.
TEST_F(CalcSheet, PdfOfManyFilesHasAPagePerCalculatedCase) {
    struct Page {
        std::string file;
        const char *title, *pageText, *span;
    };
    const std::vector<Page> pages = {
        {WriteCase("c.fdt", 3000, "第三工区", "C-9"), "第三工区", "C-9", "スパンL＝3000"},
        {WriteCase("a.fdt", 2000, "第一工区", "A-1"), "第一工区", "A-1", "スパンL＝2000"},
        {WriteCase("b.fdt", 2600, "件名を入力", "B-5"), nullptr, "B-5", "スパンL＝2600"},
    };
    const std::string refused = WriteCase("short.fdt", 999, "短スパン", "R-0");
    const std::string pdf = Path("cases.pdf");
    const std::string files = pages[0].file + " " + refused + " " + pages[1].file + " " +
                              Path("missing.fdt") + " " + pages[2].file;
    const std::string err = Path("err.txt");
    const Result r = RunCalc("--date 2026/12/10 --pdf '" + pdf + "' " + files, err);
    EXPECT_EQ(r.status, 1) << ReadFile(err); // the missing file; the refused one gives 2
    EXPECT_EQ(korvane::test::JsonLines(r.out).size(), 4u);
    EXPECT_EQ(ReadFile(err).find("cases.pdf"), std::string::npos) << ReadFile(err);

    ASSERT_EQ(korvane::test::PdfInfoField(pdf, "Pages"), "3");
    EXPECT_EQ(korvane::test::PdfInfoField(pdf, "Title"), "第三工区");
    EXPECT_EQ(korvane::test::ArchivalFaults(pdf), std::vector<std::string>{});
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string text = korvane::test::PdfText(pdf, static_cast<int>(i) + 1);
        EXPECT_NE(text.find(pages[i].span), std::string::npos) << i << text;
        EXPECT_NE(text.find(pages[i].pageText), std::string::npos) << i << text;
        EXPECT_NE(text.find("[2026/12/10]"), std::string::npos) << i << text;
        EXPECT_EQ(text.find("短スパン"), std::string::npos) << i << text;
        if (pages[i].title) {
            EXPECT_NE(text.find(std::string("物件名：") + pages[i].title), std::string::npos)
                << i << text;
        } else {
            EXPECT_EQ(text.find("物件名："), std::string::npos) << i << text;
        }
    }
}

// With nothing calculated there is no page: no file is written, and the run says so.
TEST_F(CalcSheet, PdfOfNoCalculatedCaseIsNotWritten) {
    const std::string pdf = Path("none.pdf"), err = Path("err.txt");
    const std::string refused = WriteCase("short.fdt", 999, "短スパン", "R-0");
    const Result r = RunCalc("--pdf '" + pdf + "' " + refused, err);
    EXPECT_EQ(r.status, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_NE(ReadFile(err).find("none.pdf は書き出しません"), std::string::npos) << ReadFile(err);
}

// An unwritable PDF is told once, however many cases would have gone into it.
TEST_F(CalcSheet, UnwritablePdfFailsWithAMessage) {
    const std::string err = Path("err.txt");
    const std::string a = WriteCase("a.fdt", 2000, "第一工区", "A-1");
    const Result r = RunCalc("--pdf '" + Path("no/such/folder/x.pdf") + "' " + a + " " + a, err);
    EXPECT_EQ(r.status, 1);
    const std::string message = ReadFile(err);
    const auto first = message.find("x.pdf");
    ASSERT_NE(first, std::string::npos) << message;
    EXPECT_EQ(message.find("x.pdf", first + 1), std::string::npos) << message;
    EXPECT_EQ(korvane::test::JsonLines(r.out).size(), 2u);
}

TEST_F(CalcSheet, UnknownTargetIsRefused) {
    EXPECT_EQ(RunCalc("--target paper").status, 1);
}

} // namespace
