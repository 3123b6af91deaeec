// korvane-calc --span-table and --compare: the tables of the case the window reads from a
// file, held to core's tables for that case; CSV carrying the same values; refusals.

#include "cli/FileCase.h"
#include "core/DeckComparison.h"
#include "core/DeckComparisonText.h"
#include "core/DeckTableText.h"
#include "core/PreCheck.h"
#include "core/SpanTable.h"
#include "core/TextCodec.h"

#include "tests/JsonTestSupport.h"
#include "tests/cli/CalcRun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace korvane {
namespace {

using test::JsonLines;
using test::RunCalc;

const std::string kCases = KORVANE_GOLDEN_CASES;

// Splits CSV text without quoted fields (none of these tables has any) into rows of fields.
std::vector<std::vector<std::string>> CsvRows(const std::string &text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string field; std::getline(cells, field, ',');)
            fields.push_back(field);
        if (!line.empty() && line.back() == ',')
            fields.emplace_back();
        rows.push_back(fields);
    }
    return rows;
}

class DeckTablesOfFile : public ::testing::TestWithParam<const char *> {
protected:
    std::string Path() const { return kCases + "/" + GetParam(); }
    // The case as the window reads it after opening the file.
    DesignCase WindowCase(PreCheckOf preCheck) const {
        return CalculateFile(Path(), preCheck).record;
    }
};

TEST_P(DeckTablesOfFile, SpanTableLinesAreCoresTableForTheWindowsCase) {
    const auto run = RunCalc("--span-table '" + Path() + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = JsonLines(run.out);
    const auto table = BuildSpanTable(WindowCase(PreCheckOf::tableConditions));
    ASSERT_EQ(lines.size(), table.size() * 3);
    std::size_t i = 0;
    for (const SpanTableRow &row : table)
        for (const SpanTableCell &cell : row.cells) {
            const auto &line = lines[i++];
            EXPECT_EQ(line.MemberCount(), 7u);
            EXPECT_EQ(line["deckFamily"].GetInt(), row.deck.family);
            EXPECT_EQ(line["deckModel"].GetInt(), row.deck.model);
            EXPECT_EQ(line["thicknessCode"].GetInt(), row.deck.thicknessCode);
            EXPECT_EQ(line["deckLabel"], row.deckLabel.c_str());
            EXPECT_EQ(line["shoringCode"].GetInt(), cell.shoringCode);
            if (cell.maxSpan)
                EXPECT_EQ(line["maxSpan"].GetInt(), *cell.maxSpan);
            else
                EXPECT_TRUE(line["maxSpan"].IsNull());
            if (cell.governing)
                EXPECT_EQ(line["governing"], CheckKey(*cell.governing));
            else
                EXPECT_TRUE(line["governing"].IsNull());
        }
}

// The CSV file is the window's: the same bytes core writes for the case the window reads.
TEST_P(DeckTablesOfFile, CsvIsTheFileTheWindowSaves) {
    const auto spans = RunCalc("--span-table --csv --date 2026/12/01 '" + Path() + "'");
    ASSERT_EQ(spans.status, 0) << spans.err;
    const DesignCase tableCase = WindowCase(PreCheckOf::tableConditions);
    EXPECT_EQ(spans.out, SpanTableCsv(BuildSpanTable(tableCase), tableCase, "2026/12/01"));

    const auto comparison = RunCalc("--compare --csv --date 2026/12/01 '" + Path() + "'");
    const auto fileCase = CalculateFile(Path());
    if (fileCase.refusal) {
        EXPECT_EQ(comparison.status, 2);
        EXPECT_EQ(comparison.out, "");
        return;
    }
    ASSERT_EQ(comparison.status, 0) << comparison.err;
    EXPECT_EQ(comparison.out,
              DeckComparisonCsv(CompareDecks(fileCase.record), fileCase.record, "2026/12/01"));
}

// The rows of a CSV table below its heading row, found by its first field.
struct CsvTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;

    explicit CsvTable(const std::string &text, const std::string &firstHeading) {
        EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u) << "no byte-order mark";
        bool below = false;
        for (auto &row : CsvRows(text.substr(3))) {
            if (below)
                rows.push_back(std::move(row));
            else if (!row.empty() && row.front() == firstHeading)
                headings = std::move(row), below = true;
        }
        EXPECT_TRUE(below) << "no heading row";
    }
    std::size_t Column(const std::string &heading) const {
        const auto found = std::find(headings.begin(), headings.end(), heading);
        EXPECT_NE(found, headings.end()) << heading;
        return std::size_t(found - headings.begin());
    }
};

std::string MarkOfKey(const std::string &key) {
    for (const CheckName check : kChecksInSheetOrder)
        if (key == CheckKey(check))
            return CheckMark(check);
    ADD_FAILURE() << "unknown check " << key;
    return {};
}

// Every JSON line's span and governing check stand in the CSV file under the heading of that
// line's own shoring code: a column under the wrong heading reads another cell's values.
TEST_P(DeckTablesOfFile, SpanTableCsvCarriesTheJsonValuesUnderTheirShoring) {
    const auto json = JsonLines(RunCalc("--span-table '" + Path() + "'").out);
    const CsvTable csv(RunCalc("--span-table --csv '" + Path() + "'").out, "デッキ");
    ASSERT_EQ(csv.rows.size() * kShoringCodes.size(), json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto &line = json[i];
        const auto &row = csv.rows[i / kShoringCodes.size()];
        const std::string shoring = ShoringHeading(line["shoringCode"].GetInt());
        SCOPED_TRACE(std::string(line["deckLabel"].GetString()) + " " + shoring);
        EXPECT_EQ(row.at(0), line["deckLabel"].GetString());
        const auto &span = line["maxSpan"];
        EXPECT_EQ(row.at(csv.Column(shoring + " 最大スパン (mm)")),
                  span.IsNull() ? "" : std::to_string(span.GetInt()));
        const auto &governing = line["governing"];
        EXPECT_EQ(row.at(csv.Column(shoring + " 決定要因")),
                  governing.IsNull() ? "" : MarkOfKey(governing.GetString()));
    }
}

// Every value of each JSON line stands in the CSV file under its own heading: the verdict and
// the utilisation (rounded up to four places) of each check, the largest utilisation, the
// least shoring by its caption or where the deck's range ends.
TEST_P(DeckTablesOfFile, ComparisonCsvCarriesTheJsonValuesUnderTheirHeadings) {
    const auto run = RunCalc("--compare '" + Path() + "'");
    if (run.status == 2)
        return; // refused: no table either way (see CsvIsTheFileTheWindowSaves)
    const auto json = JsonLines(run.out);
    const CsvTable csv(RunCalc("--compare --csv '" + Path() + "'").out, "デッキ");
    ASSERT_EQ(csv.rows.size(), json.size());
    // A shown utilisation: never below the ratio, less than a step above it, above 1 exactly
    // when the check fails.
    const auto expectUtilisation = [](const std::string &shown, double ratio, bool passes) {
        const double value = std::stod(shown);
        EXPECT_GE(value + 1e-12, ratio) << shown;
        EXPECT_LT(value, ratio + 1e-4 + 1e-12) << shown;
        EXPECT_EQ(value > 1.0, !passes) << shown;
    };
    for (std::size_t i = 0; i < json.size(); ++i) {
        const auto &line = json[i];
        const auto &row = csv.rows[i];
        SCOPED_TRACE(line["deckLabel"].GetString());
        EXPECT_EQ(row.at(csv.Column("デッキ")), line["deckLabel"].GetString());
        EXPECT_EQ(std::stod(row.at(csv.Column("単位重量(N/㎡)"))), line["weight"].GetDouble());
        const auto &limit = line["beyondSpanLimit"];
        for (const auto &check : line["checks"].GetArray()) {
            const std::string mark = MarkOfKey(check["name"].GetString());
            const std::string &verdict = row.at(csv.Column(mark + "判定"));
            const std::string &utilisation = row.at(csv.Column(mark + "検定比"));
            if (!check["applies"].GetBool()) {
                EXPECT_EQ(verdict + utilisation, "－－") << mark;
                continue;
            }
            const bool passes = check["passes"].GetBool();
            EXPECT_EQ(verdict, passes ? "O.K." : "不可") << mark;
            expectUtilisation(utilisation, check["utilisation"].GetDouble(), passes);
        }
        const std::string &largest = row.at(csv.Column("最大検定比"));
        const std::string &shoring = row.at(csv.Column("必要支保工"));
        if (!limit.IsNull()) {
            EXPECT_EQ(largest, "－");
            EXPECT_EQ(shoring, BeyondSpanLimitText(limit.GetInt()));
            continue;
        }
        expectUtilisation(largest, line["largestUtilisation"].GetDouble(),
                          line["passes"].GetBool());
        const auto &least = line["leastShoring"];
        EXPECT_EQ(shoring, least.IsNull() ? "－" : ShoringCaption(least.GetInt()));
    }
}

TEST_P(DeckTablesOfFile, ComparisonLinesAreCoresRowsWithUtilisationsWhereChecksApply) {
    const auto run = RunCalc("--compare '" + Path() + "'");
    const auto fileCase = CalculateFile(Path());
    if (fileCase.refusal) {
        EXPECT_EQ(run.status, 2);
        return;
    }
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = JsonLines(run.out);
    const auto rows = CompareDecks(fileCase.record);
    ASSERT_EQ(lines.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto &line = lines[i];
        const DeckComparisonRow &row = rows[i];
        EXPECT_EQ(line["deckLabel"], row.deckLabel.c_str());
        EXPECT_EQ(line["weight"].GetDouble(), row.weight);
        EXPECT_EQ(line["passes"].GetBool(), row.passes);
        if (row.leastShoring)
            EXPECT_EQ(line["leastShoring"].GetInt(), *row.leastShoring);
        else
            EXPECT_TRUE(line["leastShoring"].IsNull());
        const auto &checks = line["checks"];
        ASSERT_EQ(checks.Size(), 4u);
        for (rapidjson::SizeType c = 0; c < 4; ++c) {
            const CheckUtilisation &check = row.checks[c];
            EXPECT_EQ(checks[c]["name"], CheckKey(check.check));
            EXPECT_EQ(checks[c]["applies"].GetBool(), check.applies);
            EXPECT_EQ(checks[c]["passes"].GetBool(), check.passes);
            ASSERT_EQ(checks[c].HasMember("utilisation"), check.applies);
            if (check.applies) {
                EXPECT_EQ(checks[c]["utilisation"].GetDouble(), check.utilisation);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(SavedCases, DeckTablesOfFile,
                         ::testing::Values("default.fdt", "coating_other.fdt",
                                           "fails_every_check.fdt", "px75valpha_class3.fdt"),
                         [](const auto &info) {
                             std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

// A copy of a saved case with lines replaced (lines counted from 0; the span is line 6, the
// shoring line 7).
std::string CaseWithLines(const std::string &name,
                          const std::vector<std::pair<std::size_t, std::string>> &replaced) {
    std::ifstream in(kCases + "/" + name, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    for (const auto &[index, text] : replaced)
        lines.at(index) = text + (lines[index].ends_with('\r') ? "\r" : "");
    const std::string path = std::filesystem::temp_directory_path() /
                             ("korvane_table_" + std::to_string(getpid()) + ".fdt");
    std::ofstream out(path, std::ios::binary);
    for (const std::string &line : lines)
        out << line << '\n';
    return path;
}

std::string CaseWithLine(const std::string &name, std::size_t index, const std::string &text) {
    return CaseWithLines(name, {{index, text}});
}

// Both CSV files start with the table's name and the date, then the project title from the
// file: without --date today's date as year/month/day; a title that reads as a formula stays
// text after 「物件名：」, and no field of the file starts a formula.
TEST(DeckTables, CsvHeadingNamesTheCaseAndTheDate) {
    struct Row {
        const char *titleLine;
        const char *date; // --date, or none for today's
        const char *titleRow;
    };
    const Row rows[] = {
        {"第二工区", "2026/12/01", "物件名：第二工区"},
        {"=HYPERLINK(\"http://x\")", "2027/01/31", "物件名：=HYPERLINK(\"http://x\")"},
        {"@SUM(A1)", nullptr, "物件名：@SUM(A1)"},
        {"件名を入力", nullptr, "物件名："},
    };
    for (const Row &row : rows)
        for (const std::string table : {"--span-table", "--compare"}) {
            SCOPED_TRACE(table + " " + row.titleLine);
            const std::string file = CaseWithLine("default.fdt", 13, Utf8ToCp932(row.titleLine));
            const std::string date = row.date ? std::string(" --date ") + row.date : "";
            const auto run = RunCalc(table + " --csv" + date + " '" + file + "'");
            std::filesystem::remove(file);
            ASSERT_EQ(run.status, 0) << run.err;
            const auto lines = CsvRows(run.out.substr(3));
            ASSERT_GE(lines.size(), 2u);
            ASSERT_EQ(lines[0].size(), 2u);
            EXPECT_EQ(lines[0][0], table == "--compare" ? "デッキ比較" : "最大スパン表");
            if (row.date)
                EXPECT_EQ(lines[0][1], row.date);
            else
                EXPECT_TRUE(std::regex_match(lines[0][1], std::regex(R"(\d{4}/\d{2}/\d{2})")))
                    << lines[0][1];
            // A title with a quote is one quoted field, its quotes doubled.
            std::string titleRow = lines[1].at(0);
            if (titleRow.starts_with('"'))
                titleRow = std::regex_replace(titleRow.substr(1, titleRow.size() - 2),
                                              std::regex("\"\""), "\"");
            EXPECT_EQ(titleRow, row.titleRow);
            for (const auto &fields : lines)
                for (const std::string &field : fields)
                    EXPECT_TRUE(field.empty() ||
                                std::string_view("=+-@").find(field[0]) == std::string_view::npos)
                        << field;
        }
}

// The span table chooses the span, so only the comparison refuses one out of range; a
// negative load refuses both. A refusal prints the pre-check as the case output does.
TEST(DeckTables, RefusalsFollowTheirPreCheck) {
    const std::string shortSpan = CaseWithLine("default.fdt", 6, "999");
    EXPECT_EQ(RunCalc("--span-table '" + shortSpan + "'").status, 0);
    const auto compare = RunCalc("--compare '" + shortSpan + "'");
    EXPECT_EQ(compare.status, 2);
    const auto lines = JsonLines(compare.out);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["precheck"]["field"], "span");
    EXPECT_EQ(RunCalc("--compare --csv '" + shortSpan + "'").out, "");
    std::filesystem::remove(shortSpan);

    const std::string negative = kCases + "/refused_negative_other_load.fdt";
    const auto table = RunCalc("--span-table '" + negative + "'");
    EXPECT_EQ(table.status, 2);
    EXPECT_EQ(JsonLines(table.out).at(0)["precheck"]["field"], "otherLoad");
    EXPECT_NE(table.err.find("その他荷重に負の値"), std::string::npos) << table.err;
}

// A span the case's own deck may have but another deck may not: the other deck's row never
// passes and says where its range ends, and a passing row agrees with the span table (its
// least shoring reaches at least the case's span there).
struct RangeCase {
    const char *name;
    const char *file;
    const char *span;
    const char *shoring;
    int beyondRows; // rows whose deck ends below the span
};

void PrintTo(const RangeCase &c, std::ostream *os) {
    *os << c.name << " span " << c.span << " shoring " << c.shoring;
}

class ComparisonRange : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ComparisonRange, DecksBeyondTheirRangeNeverPassAndPassingRowsAgreeWithTheSpanTable) {
    const RangeCase &c = GetParam();
    const std::string file = CaseWithLines(c.file, {{6, c.span}, {7, c.shoring}});
    const auto run = RunCalc("--compare '" + file + "'");
    const auto csv = RunCalc("--compare --csv '" + file + "'");
    const auto table = JsonLines(RunCalc("--span-table '" + file + "'").out);
    std::filesystem::remove(file);
    ASSERT_EQ(run.status, 0) << run.err;
    const int span = std::stoi(c.span);
    const auto lines = JsonLines(run.out);
    ASSERT_EQ(lines.size(), OfferedDecks().size());

    int beyond = 0;
    for (const auto &line : lines) {
        SCOPED_TRACE(line["deckLabel"].GetString());
        const int largest =
            LargestCalculableSpan(line["deckFamily"].GetInt(), line["deckModel"].GetInt());
        if (span > largest) {
            ++beyond;
            EXPECT_FALSE(line["passes"].GetBool());
            EXPECT_TRUE(line["leastShoring"].IsNull());
            EXPECT_EQ(line["beyondSpanLimit"].GetInt(), largest);
            EXPECT_EQ(line["checks"].Size(), 0u);
            EXPECT_TRUE(line["largestUtilisation"].IsNull());
            continue;
        }
        EXPECT_TRUE(line["beyondSpanLimit"].IsNull());
        EXPECT_EQ(line["checks"].Size(), 4u);
        if (!line["passes"].GetBool())
            continue;
        const int least = line["leastShoring"].GetInt();
        bool found = false;
        for (const auto &cell : table)
            if (cell["deckLabel"] == line["deckLabel"] && cell["shoringCode"].GetInt() == least) {
                found = true;
                ASSERT_FALSE(cell["maxSpan"].IsNull());
                EXPECT_GE(cell["maxSpan"].GetInt(), span);
            }
        EXPECT_TRUE(found);
    }
    EXPECT_EQ(beyond, c.beyondRows);

    // The CSV file says where the range ends in place of the least shoring, with no figures.
    ASSERT_EQ(csv.status, 0) << csv.err;
    const CsvTable rows(csv.out, "デッキ");
    ASSERT_EQ(rows.rows.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto &limit = lines[i]["beyondSpanLimit"];
        const auto &row = rows.rows[i];
        if (limit.IsNull()) {
            EXPECT_NE(row.at(rows.Column("最大検定比")), "－");
            continue;
        }
        EXPECT_EQ(row.at(rows.Column("必要支保工")), BeyondSpanLimitText(limit.GetInt()));
        EXPECT_EQ(row.at(rows.Column("最大検定比")), "－");
    }
}

const RangeCase kRangeCases[] = {
    // PX75Vα at its own limit with two rows: every other deck ends at 4900 mm.
    {"px75ValphaAt5700TwoRows", "px75valpha_class3.fdt", "5700", "3", 28},
    {"px75ValphaJustBeyond4900", "px75valpha_class3.fdt", "4910", "3", 28},
    {"everyDeckAt4900", "px75valpha_class3.fdt", "4900", "3", 0},
    {"defaultDeckAt4900OneRow", "default.fdt", "4900", "2", 0},
};

INSTANTIATE_TEST_SUITE_P(Spans, ComparisonRange, ::testing::ValuesIn(kRangeCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The tables have no sheet: asking for one with them is refused, not silently ignored.
TEST(DeckTables, SheetOptionsAreRefused) {
    const std::string out = std::filesystem::temp_directory_path() /
                            ("korvane_table_sheet_" + std::to_string(getpid()));
    for (const char *table : {"--span-table", "--compare"})
        for (const std::string &option :
             {"--pdf '" + out + "'", "--png '" + out + "'", std::string("--draw-log")}) {
            SCOPED_TRACE(std::string(table) + " " + option);
            const auto run = RunCalc(std::string(table) + " " + option);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.out, "");
            EXPECT_NE(run.err.find(option.substr(0, option.find(' '))), std::string::npos)
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(out));
        }
}

TEST(DeckTables, DefaultCaseWithoutFileAndOneFileAtMost) {
    const auto run = RunCalc("--span-table");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(JsonLines(run.out).size(), OfferedDecks().size() * 3);

    const auto two = RunCalc("--compare '" + kCases + "/default.fdt' '" + kCases + "/default.fdt'");
    EXPECT_EQ(two.status, 1);
    EXPECT_TRUE(two.out.empty());
    EXPECT_NE(two.err.find("一つだけ"), std::string::npos) << two.err;
}

} // namespace
} // namespace korvane
