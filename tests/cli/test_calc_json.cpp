// The object korvane-calc prints for a case: its keys in their fixed order and the sheet
// items as the sheet content holds them.

#include "cli/CalcJson.h"
#include "cli/FileCase.h"
#include "sheet/JsonWriter.h"
#include "sheet/SheetContent.h"
#include "tests/JsonTestSupport.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::vector<std::string> Keys(const rapidjson::Value &object) {
    std::vector<std::string> keys;
    for (auto member = object.MemberBegin(); member != object.MemberEnd(); ++member)
        keys.emplace_back(member->name.GetString());
    return keys;
}

SheetContent PrinterSheet(const FileCase &fileCase) {
    PrintSettings print;
    print.projectTitle = "市民会館";
    print.pageNumberPos = 21;
    print.pageText = "－１－";
    return BuildSheetContent(SheetInputs{fileCase.record, fileCase.result.calculation, print,
                                         SheetTarget::kPrinter, "2026/12/10"});
}

TEST(CalcJson, CalculatedCaseHasItsKeysInOrderAndTheSheetLast) {
    const FileCase fileCase = CalculateDefaultCase();
    const SheetContent sheet = PrinterSheet(fileCase);
    JsonWriter json;
    WriteCase(json, fileCase, &sheet);
    const rapidjson::Document j = test::ParseJson(std::string(json.Text()));
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"file", "record", "notices", "warnings",
                                                 "precheck", "result", "checks", "sheet"}));
    EXPECT_TRUE(j["file"].IsNull());
    EXPECT_EQ(j["record"].MemberCount(), 16u);
    EXPECT_EQ(j["result"].MemberCount(), 27u);
    EXPECT_EQ(Keys(j["checks"][1u]),
              (std::vector<std::string>{"name", "applies", "passes", "stress"}));
}

// A file's record that the window reads back otherwise stands beside it as "read".
TEST(CalcJson, RefusedCaseEndsWithThePreCheck) {
    FileCase fileCase = CalculateDefaultCase();
    fileCase.file = "短い.fdt";
    fileCase.read.spanLength = 999;
    fileCase.record.spanLength = 999;
    fileCase.read.workLoadValue = 980;
    fileCase.refusal =
        PreCheckFailure{1, "計算できるスパンは、1000 mm以上です", InputField::span, "1000"};
    JsonWriter json;
    WriteCase(json, fileCase, nullptr);
    const rapidjson::Document j = test::ParseJson(std::string(json.Text()));
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"file", "record", "read", "notices", "warnings",
                                                 "precheck"}));
    EXPECT_EQ(j["file"], "短い.fdt");
    EXPECT_EQ(j["read"]["workLoadValue"].GetInt(), 980);
    EXPECT_EQ(Keys(j["precheck"]), (std::vector<std::string>{"message", "field", "corrected"}));
    EXPECT_EQ(j["precheck"]["field"], "span");
    EXPECT_EQ(j["precheck"]["corrected"], "1000");
}

// Each item's text is its runs joined, fractions numerator first; the rule without text
// is left out and an item without a verdict has null.
TEST(CalcJson, SheetItemsAreTheJoinedRunsOfEveryItemWithText) {
    const FileCase fileCase = CalculateDefaultCase();
    const SheetContent sheet = PrinterSheet(fileCase);
    JsonWriter json;
    WriteSheetItems(json, sheet);
    const rapidjson::Document items = test::ParseJson(std::string(json.Text()));
    const std::vector<SheetTextItem> expected = SheetTextItems(sheet);
    ASSERT_EQ(items.Size(), expected.size());
    for (rapidjson::SizeType i = 0; i < items.Size(); ++i) {
        EXPECT_EQ(items[i]["item"], expected[i].label);
        EXPECT_EQ(items[i]["text"], expected[i].text);
        if (expected[i].verdict.empty())
            EXPECT_TRUE(items[i]["verdict"].IsNull()) << expected[i].label;
        else
            EXPECT_EQ(items[i]["verdict"], expected[i].verdict);
        EXPECT_NE(expected[i].label, "D7");
    }
}

} // namespace
} // namespace korvane
