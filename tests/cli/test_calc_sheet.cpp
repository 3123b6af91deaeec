// korvane-calc's calculation sheet: the items in its JSON, the PNG and PDF files it writes
// and its draw log.
#include "tests/JsonTestSupport.h"

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

TEST_F(CalcSheet, UnwritablePdfFailsWithAMessage) {
    const std::string err = Path("err.txt");
    const Result r = RunCalc("--pdf '" + Path("no/such/folder/x.pdf") + "'", err);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(ReadFile(err).find("x.pdf"), std::string::npos);
}

TEST_F(CalcSheet, UnknownTargetIsRefused) {
    EXPECT_EQ(RunCalc("--target paper").status, 1);
}

} // namespace
